#pragma once
// One whole calculation, from the first prompt to the coordinate table.
#include "adjust/stop.h"  // CalculationStopped
#include "app/form_port.h"

namespace kestavo {

// Runs the stages in their fixed order on a fresh working record. Throws
// CalculationStopped when a step cannot produce its value; every field
// written before that step keeps its text, none after it is touched.
void runCalculation(FormPort& form);

}  // namespace kestavo
