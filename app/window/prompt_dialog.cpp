#include "app/window/prompt_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kestavo::window {
namespace {

constexpr int kMessageWidthPixels = 420;  // the longest question in about three lines

}  // namespace

PromptDialog::PromptDialog(const QString& message, QWidget* parent)
    : QDialog(parent), message_(new QLabel(message, this)), reply_(new QLineEdit(this)) {
  setObjectName(QStringLiteral("PromptDialog"));
  setWindowTitle(QStringLiteral("Kestavo"));
  setModal(true);
  // The main window's yellow is its own; the prompt looks like any dialog.
  setPalette(QApplication::palette());
  setFont(QApplication::font());

  message_->setObjectName(QStringLiteral("message"));
  message_->setTextFormat(Qt::PlainText);
  message_->setWordWrap(true);
  message_->setMinimumWidth(kMessageWidthPixels);
  reply_->setObjectName(QStringLiteral("reply"));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(message_);
  layout->addWidget(reply_);
  layout->addWidget(buttons);
  reply_->setFocus();
}

QString PromptDialog::ask(const QString& message, QWidget* parent) {
  PromptDialog dialog(message, parent);
  return dialog.exec() == QDialog::Accepted ? dialog.reply_->text() : QString();
}

}  // namespace kestavo::window
