// The stages one by one, on the figures whose figures are known, and the
// steps that cannot produce their value.
#include "adjust/stages.h"

#include <gtest/gtest.h>

#include <cmath>

#include "adjust/stop.h"
#include "entry/enter_input.h"
#include "geometry/stages.h"
#include "scripted_form.h"

namespace kestavo {
namespace {

using testing::ScriptedForm;

constexpr double kSecond = 1.0 / 3600;  // one second of arc in degrees

// Runs the stages up to and including solveSecondGroup and estimatePrecision.
AdjustWork adjusted(const std::vector<std::string>& angles, bool withPrecision = true) {
  ScriptedForm form(
      testing::confirmedReplies({"1000", "1000", "1000", "2000"}, {"P1", "B", "P2", "A"}, angles));
  AdjustWork work;
  enterInput(work, form);
  applyFirstGroup(work, form);
  buildSecondGroup(work, form);
  computeBaseAndSides(work);
  buildWeightRows(work);
  solveSecondGroup(work, form);
  if (withPrecision) estimatePrecision(work, form);
  return work;
}

const std::vector<std::string> kOneErrorAngles = {"45.0004", "45", "45", "45",
                                                  "45",      "45", "45", "45"};
const std::vector<std::string> kWorkedAngles = {"45.0004", "45", "45", "45",
                                                "45",      "45", "45", "45.0002"};

TEST(AdjustmentTest, OneObservationErrorThroughBothGroups) {
  ScriptedForm form(testing::confirmedReplies({"1000", "1000", "1000", "2000"},
                                              {"a", "b", "c", "d"}, kOneErrorAngles));
  AdjustWork work;
  enterInput(work, form);
  applyFirstGroup(work, form);
  EXPECT_NEAR(work.w11, 4, 1e-9);
  EXPECT_NEAR(work.w12, 0, 1e-9);
  EXPECT_NEAR(work.vv1, 4, 1e-9);
  EXPECT_NEAR(work.B[1], 45 + 3 * kSecond, 1e-12);
  EXPECT_NEAR(work.B[2], 45 - kSecond, 1e-12);
  EXPECT_NEAR(work.dOdd[1], 2.10544, 1e-5);
  EXPECT_NEAR(work.dEven[1], -2.10552, 1e-5);
  EXPECT_NEAR(work.dOdd[3], 2.1055000001, 1e-10);  // cot 45 a hair above 1
  EXPECT_GT(work.dOdd[3], 2.1055);

  buildSecondGroup(work, form);
  EXPECT_NEAR(work.w22, 8.42, 0.005);
  EXPECT_NEAR(work.w21, 2, 1e-9);
  const double row2[] = {2.10546, -2.10550, 2.10554, -2.10550,
                         2.10550, -2.10550, 2.10550, -2.10550};
  for (int j = 1; j <= 8; ++j) EXPECT_NEAR(work.cf[2][j], row2[j - 1], 1e-5) << j;

  computeBaseAndSides(work);
  buildWeightRows(work);
  solveSecondGroup(work, form);
  EXPECT_EQ(work.nrm[1][1], 2);
  EXPECT_NEAR(work.nrm[1][2], -0.0000408, 1e-7);
  EXPECT_NEAR(work.nrm[2][2], 35.46504, 1e-5);
  EXPECT_NEAR(work.det, 70.93008, 1e-5);
  EXPECT_NEAR(work.k1, -1.000005, 1e-6);
  EXPECT_NEAR(work.k2, -0.237474, 1e-6);
  EXPECT_NEAR(work.vv2, 4.00002, 1e-5);
  EXPECT_NEAR(work.mb, 1.15470, 1e-5);
  const double totalSeconds[] = {-2, -1, -1, 0, 0, 1, -1, 0};
  const double observed[] = {45 + 4 * kSecond, 45, 45, 45, 45, 45, 45, 45};
  double squares = 0;
  for (int j = 1; j <= 8; ++j) {
    const double total = (work.B[j] - observed[j - 1]) * 3600;
    EXPECT_NEAR(total, totalSeconds[j - 1], 1e-5) << j;
    squares += total * total;
  }
  EXPECT_NEAR(work.vv1 + work.vv2, squares, 1e-6);
}

TEST(AdjustmentTest, WorkedRunIntermediateValues) {
  const AdjustWork work = adjusted(kWorkedAngles);
  EXPECT_EQ(work.sSel1, 707.11706558036997);  // BP1, the provisional length
  EXPECT_EQ(work.sSel2, 707.11192338590956);  // BP2
  const double rows[][8] = {
      {-0.25, -0.25, -0.25, 0.75, 0, 0, 0, 0},
      {1.5790893, -0.5263699, -0.5263699, -0.5263495, 0, 0, 0, 0},
      {0, 0, 0, 0, -0.75, 0.25, 0.25, 0.25},
      {0, 0, 0, 0, -0.5263622, -0.5263724, -0.5263724, 1.5791071},
      {-0.5264043, -0.5263788, -0.5263788, 1.5791620, 0.5263890, 0.5263890, -1.5791212, 0.5263431}};
  for (int r = 3; r <= 7; ++r) {
    for (int j = 1; j <= 8; ++j)
      EXPECT_NEAR(work.cf[r][j], rows[r - 3][j - 1], 1e-7) << r << "," << j;
    // Every row is reduced against both triangles.
    EXPECT_NEAR(work.cf[r][1] + work.cf[r][2] + work.cf[r][3] + work.cf[r][4], 0, 1e-12) << r;
    EXPECT_NEAR(work.cf[r][5] + work.cf[r][6] + work.cf[r][7] + work.cf[r][8], 0, 1e-12) << r;
  }
  EXPECT_NEAR(work.q3, 0.4999994, 1e-7);
  EXPECT_NEAR(work.q4, 2.2164980, 1e-7);
  EXPECT_NEAR(work.q5, 0.5000006, 1e-7);
  EXPECT_NEAR(work.q6, 2.2165356, 1e-7);
  EXPECT_NEAR(work.q7, 2.2165329, 1e-7);
  EXPECT_NEAR(work.mb, 1.2909946, 1e-7);
  EXPECT_NEAR(work.md1, 4.42513, 1e-5);
  EXPECT_NEAR(work.md2, 4.42512, 1e-5);
  EXPECT_NEAR(work.mlog, 1.92204, 1e-5);
  EXPECT_EQ(work.m, 225953);

  const double adjustedSeconds[] = {2, -1.5, -0.5, 0, 0, 0.5, -1.5, 1};
  for (int j = 1; j <= 8; ++j)
    EXPECT_NEAR((work.B[j] - 45) * 3600, adjustedSeconds[j - 1], 1e-5) << j;
}

TEST(AdjustmentTest, WorkedRunTraverse) {
  AdjustWork work = adjusted(kWorkedAngles);
  ScriptedForm form;
  computeCoordinates(work, form);
  EXPECT_NEAR(work.sAP1, 707.1068, 1e-4);
  EXPECT_NEAR(work.sBP1, 707.1136, 1e-4);
  EXPECT_NEAR(work.sBP2, 707.1102, 1e-4);
  EXPECT_NEAR(work.sAP2, 707.1068, 1e-4);
  EXPECT_NEAR(work.alphaAP1, 44.9994444, 1e-7);
  EXPECT_NEAR(work.alphaP1B, 135, 1e-7);
  EXPECT_NEAR(work.alphaBP2, 225, 1e-7);
  EXPECT_NEAR(work.alphaP2A, 315.0002778, 1e-7);
  EXPECT_NEAR(work.Xp1, 1500.0048, 1e-4);
  EXPECT_NEAR(work.Yp1, 1499.9952, 1e-4);
  EXPECT_NEAR(work.Xp2, 499.9976, 1e-4);
  EXPECT_NEAR(work.Yp2, 1499.9976, 1e-4);
  EXPECT_NEAR(work.XBc, 1000, 1e-6);
  EXPECT_NEAR(work.YBc, 2000, 1e-6);
  EXPECT_NEAR(work.XAc, 1000, 1e-6);
  EXPECT_NEAR(work.YAc, 1000, 1e-6);
}

TEST(AdjustmentTest, EmptyWeightRowsLeaveTheAdjustmentAlone) {
  AdjustWork full = adjusted(kWorkedAngles, false);
  ScriptedForm form(testing::workedRunReplies());
  AdjustWork bare;
  enterInput(bare, form);
  applyFirstGroup(bare, form);
  buildSecondGroup(bare, form);
  computeBaseAndSides(bare);
  buildWeightRows(bare);
  bare.cf[3] = {};
  bare.cf[4] = {};
  solveSecondGroup(bare, form);
  EXPECT_EQ(bare.q3, 0);
  EXPECT_EQ(bare.q4, 0);
  EXPECT_EQ(bare.q7, full.q7);
  EXPECT_EQ(bare.k1, full.k1);
  EXPECT_EQ(bare.k2, full.k2);
  EXPECT_EQ(bare.mb, full.mb);
}

TEST(WeightRowsTest, EqualSidesTakeTheFirstSide) {
  // b(1) = b(4) and b(5) = b(8) after the first group.
  const AdjustWork work =
      adjusted({"45", "45.0002", "45.0002", "45", "45.0003", "45", "45", "45.0003"});
  ASSERT_EQ(work.sAP1, work.sBP1);
  ASSERT_EQ(work.sBP2, work.sAP2);
  EXPECT_EQ(work.sSel1, work.sAP1);
  EXPECT_EQ(work.sSel2, work.sBP2);
  EXPECT_EQ(work.cf[3][1], -0.75);
  EXPECT_EQ(work.cf[5][5], -0.75);
  EXPECT_GT(work.md1, 0);
  EXPECT_GT(work.md2, 0);
}

struct AzimuthCase {
  double dx, dy;
  double alphaAB;
  double tolerance;
};

TEST(BaseLineTest, AzimuthInEveryQuadrantAndOnTheAxes) {
  const AzimuthCase cases[] = {{0, 1000, 90, 0},
                               {0, -1000, 270, 0},
                               {1000, 0, 0, 0},
                               {-1000, 0, 180, 0},
                               {300, 400, 53.13010235567, 1e-10},
                               {-300, 400, 126.86989764432, 1e-10},
                               {-300, -400, 233.13010235567, 1e-10},
                               {300, -400, 306.86989764432, 1e-10},
                               // So steep that (dy / S0)^2 rounds to 1: due east or west.
                               {1e-4, 1e5, 90, 0},
                               {-1e-4, 1e5, 90, 0},
                               {1e-4, -1e5, 270, 0},
                               {-1e-4, -1e5, 270, 0}};
  for (const auto& c : cases) {
    AdjustWork work;
    work.Xb = c.dx;
    work.Yb = c.dy;
    work.B.fill(45);
    computeBaseAndSides(work);
    EXPECT_NEAR(work.alphaAB, c.alphaAB, c.tolerance) << c.dx << "," << c.dy;
    EXPECT_TRUE(std::isfinite(work.sAP1));
  }
  AdjustWork work;
  work.Xb = 300;
  work.Yb = 400;
  work.B.fill(45);
  computeBaseAndSides(work);
  EXPECT_EQ(work.S0, 500);
}

TEST(CoordinatesTest, SquareClosesOnItself) {
  AdjustWork work;
  work.Xa = 1000;
  work.Ya = 1000;
  work.Xb = 1000;
  work.Yb = 2000;
  work.B.fill(45);
  work.na = {"", "P1", "B", "P2", "A"};
  computeBaseAndSides(work);
  ScriptedForm form;
  computeCoordinates(work, form);
  EXPECT_EQ(work.S0, 1000);
  EXPECT_EQ(work.alphaAB, 90);
  EXPECT_NEAR(work.sAP1, 707.10678117, 1e-8);
  EXPECT_NEAR(work.alphaAP1, 45, 1e-12);
  EXPECT_NEAR(work.alphaP1B, 135, 1e-12);
  EXPECT_NEAR(work.alphaBP2, 225, 1e-12);
  EXPECT_NEAR(work.alphaP2A, 315, 1e-12);
  const std::vector<std::string> expected = {
      "Text13= P1", "Text14= 1500", "Text15= 1500", "Text16= B", "Text17= 1000", "Text18= 2000",
      "Text19= P2", "Text20= 500",  "Text21= 1500", "Text22= A", "Text23= 1000", "Text24= 1000"};
  EXPECT_EQ(form.writes(), expected);
}

// Steps that a whole calculation reaches only through the guards before
// them, shown on prepared records: each stops with its reason and writes
// nothing after it.
template <typename Stage>
std::string stopMessage(Stage stage) {
  try {
    stage();
  } catch (const CalculationStopped& stop) {
    return stop.what();
  }
  return "no stop";
}

TEST(StageStopTest, ZeroDeterminant) {
  AdjustWork work;
  work.cf[1] = {0, 0.5, 0.5, -0.5, -0.5, -0.5, -0.5, 0.5, 0.5};
  work.cf[2] = work.cf[1];
  ScriptedForm form;
  EXPECT_NE(stopMessage([&] { solveSecondGroup(work, form); }).find("det"), std::string::npos);
  EXPECT_TRUE(form.writes().empty());
}

TEST(StageStopTest, ZeroSineAtANewPoint) {
  AdjustWork work;
  work.S0 = 1000;
  work.B.fill(45);
  work.B[2] = 0;
  work.B[3] = 0;
  EXPECT_NE(stopMessage([&] { computeSides(work); }).find("P1"), std::string::npos);
  work.B.fill(45);
  work.B[6] = 90;
  work.B[7] = -90;
  EXPECT_NE(stopMessage([&] { computeSides(work); }).find("P2"), std::string::npos);
}

TEST(StageStopTest, ZeroTangentInAWeightFunction) {
  AdjustWork work;
  work.B.fill(45);
  work.B[1] = 10;
  work.B[8] = -10;
  EXPECT_NE(stopMessage([&] { buildWeightRows(work); }).find("cA"), std::string::npos);
}

TEST(StageStopTest, NegativeReciprocalWeightWritesNothing) {
  AdjustWork work;
  work.mb = 1;
  work.q3 = work.q4 = work.q5 = work.q6 = 1;
  work.q7 = -1e-9;
  ScriptedForm form;
  EXPECT_NE(stopMessage([&] { estimatePrecision(work, form); }).find("mlog"), std::string::npos);
  EXPECT_TRUE(form.writes().empty());
}

TEST(PrecisionTest, FormulaAndTruncatedDenominator) {
  AdjustWork work;
  work.sSel1 = 1000;
  work.mb = 2;
  work.q3 = 0.5;
  work.q4 = 1;
  work.q7 = 4;  // mlog = 2 * 2 = 4: 434290 / 4 = 108572.5
  ScriptedForm form;
  estimatePrecision(work, form);
  EXPECT_NEAR(work.md1, 2 * std::sqrt(17.05), 1e-12);
  EXPECT_EQ(work.m, 108572);
  const std::vector<std::string> expected = {"Text25= 4单位", "Text26=1/108572", "Text11=8.26毫米",
                                             "Text12=0毫米"};
  EXPECT_EQ(form.writes(), expected);
}

TEST(PrecisionTest, LogErrorTooSmallForADenominator) {
  AdjustWork work;
  work.mb = 1e-300;
  work.q7 = 1e-30;  // mlog = 1e-315: 434290 / mlog overflows
  ScriptedForm form;
  estimatePrecision(work, form);
  EXPECT_EQ(form.texts["Text26"], "1/∞");
  EXPECT_EQ(form.texts["Text11"], "0毫米");
}

}  // namespace
}  // namespace kestavo
