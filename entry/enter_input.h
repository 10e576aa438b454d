#pragma once
#include "adjust/adjust_work.h"
#include "app/form_port.h"
#include "entry/entry_texts.h"

namespace kestavo {

// Asks for one value until it is confirmed and echoes it in its field.
// A question answered with zero, or a value that is no number, asks for the
// value again; any other answer confirms it. Gives the confirmed value.
double askConfirmed(FormPort& form, const EntryTexts& texts, Field field);

// Coordinates of A and B, the four point names, the eight angles (each
// converted to decimal degrees right after its confirmation).
void enterInput(AdjustWork& work, FormPort& form);

}  // namespace kestavo
