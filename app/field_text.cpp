#include "app/field_text.h"

#include "app/number_text.h"

namespace kestavo {

std::string numberFieldText(const NumberField& format, double value) {
  std::string text(format.prefix);
  text += numberText(value, format.decimals);
  text += format.unit;
  return text;
}

void showNumber(FormPort& form, const NumberField& format, double value) {
  form.setText(format.field, numberFieldText(format, value));
}

std::string echoText(std::string_view reply) {
  std::string text = " ";
  text += reply;
  return text;
}

}  // namespace kestavo
