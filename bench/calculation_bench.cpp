// Speed of one whole calculation and of its two small conversions.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

#include "app/calculation.h"
#include "app/number_text.h"
#include "entry/packed_angle.h"

namespace {

using kestavo::Field;

// Answers from a fixed script and keeps each field's last text, as the
// window does, with as little cost of its own as possible.
class ScriptPort : public kestavo::FormPort {
 public:
  explicit ScriptPort(std::vector<std::string> replies) : replies_(std::move(replies)) {}
  void rewind() { next_ = 0; }
  std::string ask(const std::string&) override { return replies_[next_++]; }
  void setText(Field field, const std::string& text) override {
    texts_[field.number == 5 ? 27 + field.index : field.number] = text;
  }
  void setCaption(int, const std::string&) override {}
  void endProgram() override {}

 private:
  std::vector<std::string> replies_;
  std::size_t next_ = 0;
  std::array<std::string, 35> texts_;
};

std::vector<std::string> workedRun() {
  std::vector<std::string> replies;
  for (const char* c : {"1000", "1000", "1000", "2000"}) replies.insert(replies.end(), {c, ""});
  replies.insert(replies.end(), {"P1", "B", "P2", "A"});
  for (const char* a :
       {"45.0004", "45.0000", "45.0000", "45.0000", "45.0000", "45.0000", "45.0000", "45.0002"})
    replies.insert(replies.end(), {a, ""});
  return replies;
}

void BM_WholeCalculation(benchmark::State& state) {
  ScriptPort port(workedRun());
  for (auto _ : state) {
    port.rewind();
    kestavo::runCalculation(port);
  }
}
BENCHMARK(BM_WholeCalculation);

void BM_NumberText(benchmark::State& state) {
  const double values[] = {1499.9951518340870, 4.2109768828846317, 225953, -0.004, 1e15};
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kestavo::numberText(values[i++ % 5], 3));
  }
}
BENCHMARK(BM_NumberText);

void BM_PackedToDegrees(benchmark::State& state) {
  double packed = 45.3015;
  for (auto _ : state) {
    benchmark::DoNotOptimize(packed);
    benchmark::DoNotOptimize(kestavo::packedToDegrees(packed));
  }
}
BENCHMARK(BM_PackedToDegrees);

}  // namespace
