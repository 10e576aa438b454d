// The closed traverse A -> P1 -> B -> P2 -> A on the adjusted angles. Its
// return to B and to A is left for the user to compare with the input.
#include <cmath>

#include "adjust/stop.h"
#include "app/field_text.h"
#include "app/number_text.h"
#include "geometry/angles.h"
#include "geometry/stages.h"

namespace kestavo {
namespace {

// Next leg's azimuth: back azimuth of the previous leg less the interior
// angle turned through at the corner, brought into 0 <= value < 360.
// The < 0 test runs first: -1e-14 + 360 rounds to 360, which the second
// test then brings to 0.
double nextLeg(double previous, double first, double second) {
  double a = ((previous - first) - second) + 180;
  if (a < 0) a = a + 360;
  if (a >= 360) a = a - 360;
  return a;
}

}  // namespace

void computeCoordinates(AdjustWork& work, FormPort& form) {
  computeSides(work);
  const auto& b = work.B;
  work.alphaAP1 = work.alphaAB - b[1];
  if (work.alphaAP1 < 0) work.alphaAP1 = work.alphaAP1 + 360;
  work.alphaP1B = nextLeg(work.alphaAP1, b[2], b[3]);
  work.alphaBP2 = nextLeg(work.alphaP1B, b[4], b[5]);
  work.alphaP2A = nextLeg(work.alphaBP2, b[6], b[7]);

  work.Xp1 = finite(work.Xa + work.sAP1 * cosDeg(work.alphaAP1), {"Xp1"});
  work.Yp1 = finite(work.Ya + work.sAP1 * sinDeg(work.alphaAP1), {"Yp1"});
  work.XBc = finite(work.Xp1 + work.sBP1 * cosDeg(work.alphaP1B), {"XBc"});
  work.YBc = finite(work.Yp1 + work.sBP1 * sinDeg(work.alphaP1B), {"YBc"});
  work.Xp2 = finite(work.XBc + work.sBP2 * cosDeg(work.alphaBP2), {"Xp2"});
  work.Yp2 = finite(work.YBc + work.sBP2 * sinDeg(work.alphaBP2), {"Yp2"});
  work.XAc = finite(work.Xp2 + work.sAP2 * cosDeg(work.alphaP2A), {"XAc"});
  work.YAc = finite(work.Yp2 + work.sAP2 * sinDeg(work.alphaP2A), {"YAc"});

  // The results table, row by row in the clockwise order of the names.
  struct Row {
    int nameField;
    int point;
    double x, y;
  };
  const Row rows[] = {{13, 1, work.Xp1, work.Yp1},
                      {16, 2, work.XBc, work.YBc},
                      {19, 3, work.Xp2, work.Yp2},
                      {22, 4, work.XAc, work.YAc}};
  for (const Row& row : rows) {
    form.setText(Field{row.nameField}, echoText(work.na[row.point]));
    form.setText(Field{row.nameField + 1}, echoText(numberText(row.x, kCoordinateDecimals)));
    form.setText(Field{row.nameField + 2}, echoText(numberText(row.y, kCoordinateDecimals)));
  }
}

}  // namespace kestavo
