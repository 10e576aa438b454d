#include "adjust/stop.h"

namespace kestavo {

std::string Quantity::text() const {
  std::string out = symbol;
  if (first != 0) {
    out += "(" + std::to_string(first);
    if (second != 0) out += "," + std::to_string(second);
    out += ")";
  }
  return out;
}

void stopCalculation(const std::string& reason) { throw CalculationStopped("计算中止：" + reason); }

void stopOutOfRange(const Quantity& quantity) {
  stopCalculation(quantity.text() + " 的计算结果超出数值范围，请检查输入的数据。");
}

double checkedSqrtSlow(double x, const Quantity& quantity) {
  if (x < 0) stopCalculation("计算 " + quantity.text() + " 时遇到负数的平方根。");
  return finite(std::sqrt(finite(x, quantity)), quantity);
}

}  // namespace kestavo
