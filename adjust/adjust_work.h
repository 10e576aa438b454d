#pragma once
// The working record of one calculation. Every array starts at index 0,
// which is never used: angle j = 1..8 is b(j), pair i = 1..4 holds the
// angles 2i-1 and 2i, point i = 1..4 follows the name prompt (P1, B, P2, A).
#include <array>
#include <string>

namespace kestavo {

struct AdjustWork {
  // Constants that earlier hand computations of this figure used; results
  // are compared digit for digit with those, so none is made more exact.
  static constexpr double pi = 3.1415926535;     // ten decimals
  static constexpr double radPerDeg = pi / 180;  // degrees to radians
  static constexpr double kLogSin = 2.1055;      // 1e-6 of log10 sin per second, cot = 1
  static constexpr double ln10 = 2.302585093;    // ln x / ln10 stands for log10 x

  // Input.
  double Xa = 0, Ya = 0, Xb = 0, Yb = 0;  // metres, X north, Y east
  std::array<std::string, 5> na{};        // point names, as typed
  std::array<double, 9> B{};              // angles in degrees: observed, then adjusted

  // First group: the two triangle conditions.
  double w11 = 0, w12 = 0;        // triangle closures, seconds
  double vv1 = 0;                 // sum of squared first-group corrections, s^2
  std::array<double, 5> dOdd{};   // kLogSin cot b(2i-1), 1e-6 per second
  std::array<double, 5> dEven{};  // -kLogSin cot b(2i), 1e-6 per second

  // Second group: opposite-angle (row 1) and pole (row 2) conditions;
  // rows 3..7 hold the weight functions.
  double poleSum = 0;                          // base-10 logarithm
  double w22 = 0;                              // pole closure, 1e-6
  double w21 = 0;                              // opposite-angle closure, seconds
  std::array<std::array<double, 9>, 8> cf{};   // reduced coefficient rows
  std::array<std::array<double, 8>, 8> nrm{};  // normal products, r <= s
  double det = 0;
  double q3 = 0, q4 = 0, q5 = 0, q6 = 0, q7 = 0;  // reciprocal weights of rows 3..7
  double k1 = 0, k2 = 0;                          // correlates
  std::array<double, 9> v{};                      // second-group corrections, seconds
  double vv2 = 0;                                 // s^2
  double mb = 0;                                  // unit-weight error of an angle, seconds

  // Geometry, metres and degrees of azimuth (clockwise from north).
  double dx = 0, dy = 0, S0 = 0, alphaAB = 0;
  double sAP1 = 0, sBP1 = 0, sBP2 = 0, sAP2 = 0;  // provisional, then final
  double alphaAP1 = 0, alphaP1B = 0, alphaBP2 = 0, alphaP2A = 0;
  double Xp1 = 0, Yp1 = 0, XBc = 0, YBc = 0, Xp2 = 0, Yp2 = 0, XAc = 0, YAc = 0;

  // Precision.
  double sSel1 = 0, sSel2 = 0;  // provisional sides chosen for P1, P2
  double md1 = 0, md2 = 0;      // position errors of P1, P2, millimetres
  double mlog = 0;              // log error of P1P2, 1e-6
  double m = 0;                 // denominator of the relative error 1/m
};

}  // namespace kestavo
