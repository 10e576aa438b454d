// libFuzzer target: any script of replies either completes the calculation
// or stops it with a message, and every text shown keeps its form.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "tests/fuzz/checked_run.h"
#include "tests/fuzz/reply_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto replies =
      kestavo::fuzz::replyScript(std::string_view(reinterpret_cast<const char*>(data), size));
  const auto report = kestavo::fuzz::checkedRun(replies);
  if (!report.violations.empty()) {
    for (const auto& v : report.violations) std::fprintf(stderr, "violation: %s\n", v.c_str());
    std::abort();
  }
  return 0;
}
