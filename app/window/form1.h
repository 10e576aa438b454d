#pragma once
// The main window, built from the layout table.
#include <QWidget>
#include <map>
#include <memory>

#include "app/form_port.h"

class QLineEdit;
class QPushButton;

namespace kestavo::window {

class CaptionLabel;

class Form1 : public QWidget {
 public:
  Form1();
  ~Form1() override;

  QLineEdit* field(Field field) const;
  CaptionLabel* label(int number) const;
  QPushButton* command(int number) const;
  FormPort& port() const { return *port_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::map<std::string, QLineEdit*> fields_;
  std::map<int, CaptionLabel*> labels_;
  std::map<int, QPushButton*> commands_;
  std::unique_ptr<FormPort> port_;
};

// FormPort on the real window: modal prompts, field texts, captions, End.
class WindowFormPort : public FormPort {
 public:
  explicit WindowFormPort(Form1& form) : form_(form) {}
  std::string ask(const std::string& message) override;
  void setText(Field field, const std::string& text) override;
  void setCaption(int label, const std::string& caption) override;
  void endProgram() override;

 private:
  Form1& form_;
};

}  // namespace kestavo::window
