#include "app/window/commands.h"

#include <QMessageBox>

#include "app/calculation.h"

namespace kestavo::window {

void calculateCommand(FormPort& form, QWidget* window) {
  try {
    runCalculation(form);
  } catch (const CalculationStopped& stop) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Kestavo"), QString::fromUtf8(stop.what()),
                    QMessageBox::Ok, window);
    box.setObjectName(QStringLiteral("StopMessage"));
    box.exec();
  }
}

void endCommand(FormPort& form) { form.endProgram(); }

}  // namespace kestavo::window
