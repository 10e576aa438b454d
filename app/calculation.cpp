#include "app/calculation.h"

#include "adjust/adjust_work.h"
#include "adjust/stages.h"
#include "entry/enter_input.h"
#include "geometry/stages.h"

namespace kestavo {

void runCalculation(FormPort& form) {
  AdjustWork work;
  enterInput(work, form);
  applyFirstGroup(work, form);
  buildSecondGroup(work, form);
  computeBaseAndSides(work);
  // The weight rows sit beside the condition rows before the normal
  // equations are formed, so that one solution yields q3..q7 as well.
  buildWeightRows(work);
  solveSecondGroup(work, form);
  estimatePrecision(work, form);
  computeCoordinates(work, form);
}

}  // namespace kestavo
