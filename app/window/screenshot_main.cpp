// Renders the main window after the worked run of the manual into a PNG:
// kestavo_screenshot FILE. Run on the offscreen platform by scripts/screenshot.
#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <deque>

#include "app/calculation.h"
#include "app/window/form1.h"
#include "app/window/window_style.h"

namespace {

// Answers the prompts from a list; everything else goes to the window.
class ReplayPort : public kestavo::FormPort {
 public:
  ReplayPort(kestavo::FormPort& window, std::deque<std::string> replies)
      : window_(window), replies_(std::move(replies)) {}
  std::string ask(const std::string&) override {
    std::string reply = replies_.empty() ? std::string() : replies_.front();
    if (!replies_.empty()) replies_.pop_front();
    return reply;
  }
  void setText(kestavo::Field field, const std::string& text) override {
    window_.setText(field, text);
  }
  void setCaption(int label, const std::string& caption) override {
    window_.setCaption(label, caption);
  }
  void endProgram() override {}

 private:
  kestavo::FormPort& window_;
  std::deque<std::string> replies_;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: kestavo_screenshot FILE.png\n");
    return 2;
  }
  kestavo::window::setUpApplication(app);
  kestavo::window::Form1 form;
  form.show();

  std::deque<std::string> replies = {"1000", "", "1000", "",  "1000", "",
                                     "2000", "", "P1",   "B", "P2",   "A"};
  for (const char* angle :
       {"45.0004", "45.0000", "45.0000", "45.0000", "45.0000", "45.0000", "45.0000", "45.0002"})
    replies.insert(replies.end(), {angle, ""});
  ReplayPort port(form.port(), replies);
  kestavo::runCalculation(port);

  app.processEvents();
  if (!form.grab().save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
