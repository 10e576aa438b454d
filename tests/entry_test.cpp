// The prompt-and-confirm protocol of data entry.
#include <gtest/gtest.h>

#include "adjust/stop.h"
#include "entry/enter_input.h"
#include "entry/packed_angle.h"
#include "scripted_form.h"

namespace kestavo {
namespace {

using testing::ScriptedForm;

const std::string kXaPrompt = "请输入起始点 A 的纵座标 Xa:";
const std::string kXaFirstQuestion =
    "已经输入的起始点 A 的纵座标 Xa 是否正确?  输入正确按 Enter 键或 OK 键( 即:Enter 键或 OK 键 ); "
    " "
    "输入错误按零( 即:0 )";
const std::string kXaReentry = "输入起始点 A 正确的纵座标 Xa:";
const std::string kXaLaterQuestion =
    "这次输入的起始点 A 的纵座标 Xa是否正确?  输入正确按 Enter 键或 OK 键( 即:Enter 键或 OK 键 );  "
    "输入错误按零( 即:0 )";
const std::string kAnglePrompt = "请输入观测角的数值 B(i):";
const std::string kAngleQuestion =
    "已经输入的观测角 B(i) 的数值是否正确?  输入正确按 Enter 键或 OK 键( 即:Enter 键或 OK 键 );  "
    "输入错误按零( 即:0 )";
const std::string kAngleReentry = "输入观测角正确的数值 B(i):";
const std::string kNamePromptText =
    "请由第一个待定点开始以顺时针次序输入各个待定点的点名 na(i)，最后输入起算点A的点名";

double askXa(ScriptedForm& form) { return askConfirmed(form, kCoordinateTexts[0], Field{1}); }

TEST(AskConfirmedTest, AnythingButZeroConfirms) {
  for (const char* answer : {"", "1", "7", "2.5", "ok", "是", " "}) {
    ScriptedForm form({"2345.678", answer});
    EXPECT_EQ(askXa(form), 2345.678) << answer;
    const std::vector<std::string> expected = {"ask " + kXaPrompt, "Text1= 2345.678",
                                               "ask " + kXaFirstQuestion, "Text1= 2345.678"};
    EXPECT_EQ(form.log, expected) << answer;
  }
}

TEST(AskConfirmedTest, ZeroInAnyFormAsksAgainWithTheLaterQuestion) {
  for (const char* zero : {"0", "00", "-0", "0.0", "０"}) {
    ScriptedForm form({"1000", zero, "2000", zero, "3000", ""});
    EXPECT_EQ(askXa(form), 3000) << zero;
    const std::vector<std::string> expected = {
        "ask " + kXaPrompt,  "Text1= 1000", "ask " + kXaFirstQuestion, "Text1= ",
        "ask " + kXaReentry, "Text1= 2000", "ask " + kXaLaterQuestion, "Text1= ",
        "ask " + kXaReentry, "Text1= 3000", "ask " + kXaLaterQuestion, "Text1= 3000"};
    EXPECT_EQ(form.log, expected) << zero;
  }
}

TEST(AskConfirmedTest, ValueThatIsNoNumberIsAskedForAgain) {
  // Confirmed with Enter, "abc" and the empty reply cannot stand as a
  // coordinate: the user is asked again instead of losing the run later.
  ScriptedForm form({"abc", "", "", "1", " １２３４．５ ", ""});
  EXPECT_EQ(askXa(form), 1234.5);
  const std::vector<std::string> expected = {"ask " + kXaPrompt,        "Text1= abc",
                                             "ask " + kXaFirstQuestion, "Text1= ",
                                             "ask " + kXaReentry,       "Text1= ",
                                             "ask " + kXaLaterQuestion, "Text1= ",
                                             "ask " + kXaReentry,       "Text1=  １２３４．５ ",
                                             "ask " + kXaLaterQuestion, "Text1=  １２３４．５ "};
  EXPECT_EQ(form.log, expected);
}

TEST(AskConfirmedTest, AngleQuestionIsTheSameTextEveryTime) {
  ScriptedForm form({"45.3015", "0", "45.3016", ""});
  EXPECT_EQ(askConfirmed(form, kAngleTexts, Field{5, 2}), 45.3016);
  const std::vector<std::string> expected = {
      "ask " + kAnglePrompt,  "Text5(2)= 45.3015", "ask " + kAngleQuestion, "Text5(2)= ",
      "ask " + kAngleReentry, "Text5(2)= 45.3016", "ask " + kAngleQuestion, "Text5(2)= 45.3016"};
  EXPECT_EQ(form.log, expected);
}

TEST(EnterInputTest, FillsTheRecordInPromptOrder) {
  ScriptedForm form(testing::confirmedReplies(
      {"1000.5", "2000", "３０００", "-4000"}, {"P1", "", "P 2", "A"},
      {"45.3015", "44.2945", "45", "45.0000", "４５．０００２", "45", "45", "44.5958"}));
  AdjustWork work;
  enterInput(work, form);
  EXPECT_TRUE(form.scriptUsedUp());
  EXPECT_EQ(work.Xa, 1000.5);
  EXPECT_EQ(work.Ya, 2000);
  EXPECT_EQ(work.Xb, 3000);
  EXPECT_EQ(work.Yb, -4000);
  EXPECT_EQ(work.na[1], "P1");
  EXPECT_EQ(work.na[2], "");
  EXPECT_EQ(work.na[3], "P 2");
  EXPECT_EQ(work.na[4], "A");
  EXPECT_EQ(work.B[1], packedToDegrees(45.3015));
  EXPECT_EQ(work.B[5], packedToDegrees(45.0002));
  EXPECT_EQ(work.B[8], packedToDegrees(44.5958));
  EXPECT_EQ(form.texts["Text5(0)"], " 45.3015");  // the packed text stays
  EXPECT_EQ(form.texts["Text5(4)"], " ４５．０００２");

  // The name prompt comes four times, with nothing written meanwhile.
  const auto firstName = std::find(form.log.begin(), form.log.end(), "ask " + kNamePromptText);
  ASSERT_NE(firstName, form.log.end());
  EXPECT_EQ(std::vector<std::string>(firstName, firstName + 4),
            std::vector<std::string>(4, "ask " + kNamePromptText));
  EXPECT_EQ(*(firstName + 4), "ask " + kAnglePrompt);
}

TEST(EnterInputTest, AngleTooLargeToConvertStopsBeforeTheNextAngle) {
  ScriptedForm form(
      testing::confirmedReplies({"1", "2", "3", "4"}, {"a", "b", "c", "d"}, {"45", "45", "1e307"}));
  AdjustWork work;
  try {
    enterInput(work, form);
    FAIL() << "no stop";
  } catch (const CalculationStopped& stop) {
    EXPECT_NE(std::string(stop.what()).find("B(3)"), std::string::npos) << stop.what();
  }
  EXPECT_EQ(form.log.back(), "Text5(2)= 1e307");
  EXPECT_TRUE(form.scriptUsedUp());
}

}  // namespace
}  // namespace kestavo
