#pragma once
#include "app/form_port.h"

class QWidget;

namespace kestavo::window {

// Calculate: one whole calculation. A stopped calculation is told in a
// warning box; the fields stay as they stand and the window waits again.
void calculateCommand(FormPort& form, QWidget* window);
// End: ends the program at once.
void endCommand(FormPort& form);

}  // namespace kestavo::window
