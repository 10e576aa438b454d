#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;

namespace kestavo::window {

// The modal prompt: the whole message, word-wrapped, an empty entry line
// with the focus, OK (also Enter) and Cancel.
class PromptDialog : public QDialog {
  Q_OBJECT

 public:
  PromptDialog(const QString& message, QWidget* parent);

  // The reply as typed on OK; the empty text on Cancel, Escape or close.
  static QString ask(const QString& message, QWidget* parent);

  QLabel* messageLabel() const { return message_; }
  QLineEdit* replyEdit() const { return reply_; }

 private:
  QLabel* message_;
  QLineEdit* reply_;
};

}  // namespace kestavo::window
