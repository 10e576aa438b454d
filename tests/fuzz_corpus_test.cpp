// Every input of the fuzzing corpus, the seeds and whatever the fuzzer once
// found, keeps every invariant of the window's texts.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/fuzz/checked_run.h"
#include "tests/fuzz/reply_script.h"

namespace kestavo::fuzz {
namespace {

std::string contents(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

TEST(FuzzCorpusTest, EveryInputKeepsTheInvariants) {
  int inputs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(KESTAVO_FUZZ_CORPUS)) {
    const auto report = checkedRun(replyScript(contents(entry.path())));
    EXPECT_TRUE(report.violations.empty())
        << entry.path().filename() << ": " << report.violations.front();
    ++inputs;
  }
  EXPECT_GT(inputs, 0);
}

TEST(FuzzCorpusTest, WorkedRunSeedCompletes) {
  const auto report = checkedRun(replyScript(contents(KESTAVO_FUZZ_CORPUS "/worked-run")));
  EXPECT_TRUE(report.completed);
  EXPECT_TRUE(report.violations.empty());
}

TEST(FuzzCorpusTest, RefusalLoopEndsWithTheScript) {
  // The script ends inside a refusal loop: entry asks again and again for a
  // coordinate that is no number, and the run ends with the script.
  const auto report = checkedRun({"abc", "", "abc", "", "abc", ""});
  EXPECT_TRUE(report.scriptEnded);
  EXPECT_TRUE(report.violations.empty());
}

TEST(ReplyScriptTest, ControlBytesBecomeTypicalReplies) {
  const auto replies = replyScript("1000\n\x03\x04\n\x02\x2d\x1e\x0f\x01\n\x04-12.5\n\n\x05\x02");
  const std::vector<std::string> expected = {"1000", "０", "45.3015", "－１２．５", "", "\u3000"};
  EXPECT_EQ(replies, expected);
}

}  // namespace
}  // namespace kestavo::fuzz
