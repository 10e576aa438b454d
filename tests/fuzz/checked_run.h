#pragma once
// One calculation on a script of replies, with every invariant of the
// window's texts checked. Shared by the fuzzer and the corpus test.
#include <string>
#include <vector>

namespace kestavo::fuzz {

struct RunReport {
  bool completed = false;       // every result field written
  bool stopped = false;         // CalculationStopped with its message
  bool scriptEnded = false;     // the replies ran out during entry
  std::vector<std::string> violations;  // empty when every invariant holds
};

RunReport checkedRun(const std::vector<std::string>& replies);

}  // namespace kestavo::fuzz
