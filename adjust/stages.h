#pragma once
// The adjustment stages, in the order a calculation runs them.
#include "adjust/adjust_work.h"
#include "app/form_port.h"

namespace kestavo {

// Triangle closures w(1--1), w(1--2), shared out equally; dOdd, dEven, vv1.
void applyFirstGroup(AdjustWork& work, FormPort& form);
// Pole and opposite-angle closures and the reduced rows 1 and 2 of cf.
void buildSecondGroup(AdjustWork& work, FormPort& form);
// Normal equations of rows 1 and 2; q3..q7, corrections, adjusted angles, mb.
void solveSecondGroup(AdjustWork& work, FormPort& form);

}  // namespace kestavo
