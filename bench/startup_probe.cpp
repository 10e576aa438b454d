// One start of a window on the current Qt platform: prints, once its first
// frame is painted (the window and all its controls), the steady-clock time
// in nanoseconds and the resident memory in KiB, then quits. "form1" starts the program's window as
// the program does; "bare" an empty QWidget, the floor any Qt window stands on.
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>

#include "app/window/form1.h"
#include "app/window/window_style.h"

namespace {

long residentKiB() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

class FirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // The controls paint after the window itself, in the same pass: the
      // frame is whole when control returns to the event loop.
      QTimer::singleShot(0, [] { report(); });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  static void report() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("%lld %ld\n", static_cast<long long>(std::chrono::nanoseconds(now).count()),
                residentKiB());
    std::fflush(stdout);
    QCoreApplication::exit(0);
  }
  bool seen_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  const bool form1 = argc > 1 && std::strcmp(argv[1], "form1") == 0;
  QApplication app(argc, argv);
  std::unique_ptr<QWidget> window;
  if (form1) {
    kestavo::window::setUpApplication(app);
    window = std::make_unique<kestavo::window::Form1>();
  } else if (argc > 1 && std::strcmp(argv[1], "caption") == 0) {
    // The cost of showing any Chinese text at all: font database, one
    // Chinese face, its glyphs.
    window = std::make_unique<QWidget>();
    new QLabel(QString::fromUtf8("三角形闭合差 w( 1--1 )"), window.get());
  } else {
    window = std::make_unique<QWidget>();
  }
  FirstPaint spy;
  window->installEventFilter(&spy);
  window->show();
  return app.exec();
}
