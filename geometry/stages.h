#pragma once
// The geometric and precision stages.
#include "adjust/adjust_work.h"
#include "app/form_port.h"

namespace kestavo {

// Base line AB (S0, alphaAB) and the provisional sides.
void computeBaseAndSides(AdjustWork& work);
// Sine rule on the angles B holds now: sAP1, sBP1, sBP2, sAP2.
void computeSides(AdjustWork& work);
// Final sides, the closing traverse A-P1-B-P2-A and the coordinate table.
void computeCoordinates(AdjustWork& work, FormPort& form);
// Chooses the longer side at P1 and at P2 and fills cf rows 3..7.
void buildWeightRows(AdjustWork& work);
// md1, md2, mlog and 1/m.
void estimatePrecision(AdjustWork& work, FormPort& form);

}  // namespace kestavo
