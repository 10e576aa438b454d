// Kestavo: the main window, waiting for Calculate or End.
#include <QApplication>

#include "app/window/form1.h"
#include "app/window/window_style.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  kestavo::window::setUpApplication(app);
  kestavo::window::Form1 form;
  form.show();
  return app.exec();
}
