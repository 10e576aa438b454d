// Whole calculations through the window operations: every write, in order.
#include "app/calculation.h"

#include <gtest/gtest.h>

#include "scripted_form.h"

namespace kestavo {
namespace {

using testing::ScriptedForm;

// The writes of the worked run after its last angle was confirmed.
const std::vector<std::string> kWorkedRunResults = {
    "Text6= 4秒",       "Text7= 2秒",       "Text9=4.21单位",   "Text8= 3秒",      "Text10=1.29秒",
    "Text25= 1.92单位", "Text26=1/225953",  "Text11=4.43毫米",  "Text12=4.43毫米", "Text13= P1",
    "Text14= 1500.005", "Text15= 1499.995", "Text16= B",        "Text17= 1000",    "Text18= 2000",
    "Text19= P2",       "Text20= 499.998",  "Text21= 1499.998", "Text22= A",       "Text23= 1000",
    "Text24= 1000"};

TEST(RunCalculationTest, WorkedRunWritesEveryFieldInOrder) {
  ScriptedForm form(testing::workedRunReplies());
  runCalculation(form);
  EXPECT_TRUE(form.scriptUsedUp());

  std::vector<std::string> expected;
  const char* const entries[][2] = {
      {"Text1", "1000"},       {"Text2", "1000"},       {"Text3", "1000"},
      {"Text4", "2000"},       {"Text5(0)", "45.0004"}, {"Text5(1)", "45.0000"},
      {"Text5(2)", "45.0000"}, {"Text5(3)", "45.0000"}, {"Text5(4)", "45.0000"},
      {"Text5(5)", "45.0000"}, {"Text5(6)", "45.0000"}, {"Text5(7)", "45.0002"}};
  for (const auto& entry : entries) {  // echoed when typed and again when confirmed
    expected.push_back(std::string(entry[0]) + "= " + entry[1]);
    expected.push_back(std::string(entry[0]) + "= " + entry[1]);
  }
  expected.insert(expected.end(), kWorkedRunResults.begin(), kWorkedRunResults.end());
  EXPECT_EQ(form.writes(), expected);

  // The figure's angle labels keep their captions.
  for (const auto& entry : form.log) EXPECT_NE(entry.rfind("Label", 0), 0u) << entry;

  // 4 coordinates and 8 angles with one question each, and 4 names.
  const auto asks = std::count_if(form.log.begin(), form.log.end(),
                                  [](const std::string& e) { return e.rfind("ask ", 0) == 0; });
  EXPECT_EQ(asks, 28);
}

TEST(RunCalculationTest, SecondRunStartsFromAFreshRecord) {
  ScriptedForm form(testing::confirmedReplies(
      {"500", "700", "1500", "700"}, {"a", "b", "c", "d"},
      {"40.1010", "50.2020", "49.5959", "39.4000", "41.0000", "49.0010", "48.5950", "41.0000"}));
  runCalculation(form);
  const auto firstRun = form.writes();
  form.log.clear();
  form.add(testing::workedRunReplies());
  runCalculation(form);

  ScriptedForm fresh(testing::workedRunReplies());
  runCalculation(fresh);
  EXPECT_EQ(form.writes(), fresh.writes());
  EXPECT_NE(firstRun, fresh.writes());
}

// A figure that closes exactly (a square) has no log error: the relative
// error is shown as 1/∞ and the calculation goes on to the coordinates.
TEST(RunCalculationTest, ExactlyClosingFigureShowsInfiniteRelativeAccuracy) {
  ScriptedForm form(testing::confirmedReplies(
      {"1000", "1000", "1000", "2000"}, {"P1", "B", "P2", "A"}, std::vector<std::string>(8, "45")));
  runCalculation(form);
  const auto writes = form.writes();
  const std::vector<std::string> results(writes.end() - 21, writes.end());
  const std::vector<std::string> expected = {
      "Text6= 0秒", "Text7= 0秒",   "Text9=0单位",  "Text8= 0秒", "Text10=0秒",   "Text25= 0单位",
      "Text26=1/∞", "Text11=0毫米", "Text12=0毫米", "Text13= P1", "Text14= 1500", "Text15= 1500",
      "Text16= B",  "Text17= 1000", "Text18= 2000", "Text19= P2", "Text20= 500",  "Text21= 1500",
      "Text22= A",  "Text23= 1000", "Text24= 1000"};
  EXPECT_EQ(results, expected);
}

// b(1) = b(4) and b(5) = b(8) after the first group make AP1 = BP1 and
// BP2 = AP2 exactly. The first side is taken, so the point errors are real
// figures and not a false zero.
TEST(RunCalculationTest, EqualSidesStillGivePointErrors) {
  ScriptedForm form(testing::confirmedReplies(
      {"1000", "1000", "1000", "2000"}, {"P1", "B", "P2", "A"},
      {"45", "45.0002", "45.0002", "45", "45.0003", "45", "45", "45.0003"}));
  runCalculation(form);
  EXPECT_NE(form.texts["Text11"], "0毫米");
  EXPECT_NE(form.texts["Text12"], "0毫米");
  EXPECT_NE(form.texts["Text10"], "0秒");
}

struct StopCase {
  const char* name;
  std::vector<std::string> coordinates;
  std::vector<std::string> angles;
  const char* messagePart;  // names the quantity or the angle
  const char* lastWrite;    // the field written just before the stop
};

void PrintTo(const StopCase& c, std::ostream* os) { *os << c.name; }

class StopTest : public ::testing::TestWithParam<StopCase> {};

TEST_P(StopTest, StopsAtTheStepWithAMessage) {
  const auto& c = GetParam();
  ScriptedForm form(testing::confirmedReplies(c.coordinates, {"P1", "B", "P2", "A"}, c.angles));
  try {
    runCalculation(form);
    FAIL() << "the calculation did not stop";
  } catch (const CalculationStopped& stop) {
    const std::string message = stop.what();
    EXPECT_EQ(message.rfind("计算中止：", 0), 0u) << message;
    EXPECT_NE(message.find(c.messagePart), std::string::npos) << message;
  }
  EXPECT_TRUE(form.scriptUsedUp());
  const auto writes = form.writes();
  ASSERT_FALSE(writes.empty());
  EXPECT_EQ(writes.back().substr(0, writes.back().find('=')), c.lastWrite);
  for (const auto& w : writes) {
    EXPECT_EQ(w.find("nan"), std::string::npos) << w;
    EXPECT_EQ(w.find("inf"), std::string::npos) << w;
  }
}

const std::vector<std::string> kSquare(8, "45");

INSTANTIATE_TEST_SUITE_P(
    Cases, StopTest,
    ::testing::Values(
        StopCase{"IdenticalAandB", {"1000", "1000", "1000", "1000"}, kSquare, "基线", "Text8"},
        StopCase{"AngleZeroAfterFirstGroup",
                 {"1000", "1000", "1000", "2000"},
                 {"45", "90", "0", "45", "45", "45", "45", "45"},
                 "b(3)",
                 "Text7"},
        StopCase{"AngleBeyond180HasNoLogSine",
                 {"1000", "1000", "1000", "2000"},
                 {"200", "-10", "-5", "-5", "45", "45", "45", "45"},
                 "b(1)",
                 "Text7"},
        StopCase{"CoordinatesOverflow", {"1e308", "0", "-1e308", "0"}, kSquare, "dx", "Text8"},
        StopCase{"ClosureOverflows",
                 {"1000", "1000", "1000", "2000"},
                 {"1.5e304", "1.5e304", "1.5e304", "1.5e304", "45", "45", "45", "45"},
                 "w(1--1)",
                 "Text5(7)"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kestavo
