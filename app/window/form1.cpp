#include "app/window/form1.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "app/window/caption_label.h"
#include "app/window/commands.h"
#include "app/window/layout.h"
#include "app/window/prompt_dialog.h"
#include "app/window/window_style.h"

namespace kestavo::window {
namespace {

int pixels(int twips) { return qRound(twips / static_cast<double>(kTwipsPerPixel)); }
QRect pixelRect(const Twips& t) {
  return QRect(pixels(t.left), pixels(t.top), pixels(t.width), pixels(t.height));
}

// A screen reader tells the fields apart by their captions.
QString captionsOf(const FieldSpec& control) {
  QStringList parts;
  for (const int label : control.labels)
    if (label != 0) {
      for (const auto& l : labelSpecs())
        if (l.number == label) parts << QString::fromUtf8(l.caption).simplified();
    }
  return parts.join(QLatin1Char(' '));
}

}  // namespace

Form1::Form1() : port_(std::make_unique<WindowFormPort>(*this)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Form1"));
  setFont(windowFont(kWindowFont));
  QPalette yellow = palette();
  yellow.setColor(QPalette::Window, kBackground);
  setPalette(yellow);
  setAutoFillBackground(true);

  for (const auto& control : labelSpecs()) {
    auto* label = new CaptionLabel(QString::fromUtf8(control.caption), this);
    label->setObjectName(QStringLiteral("Label%1").arg(control.number));
    label->setFont(windowFont(control.font));
    label->setGeometry(pixelRect(control.place));
    labels_[control.number] = label;
  }
  for (const auto& control : fieldSpecs()) {
    auto* edit = new QLineEdit(this);
    const std::string name = controlName(control.field);
    edit->setObjectName(QString::fromStdString(name));
    edit->setFont(windowFont(kFieldFont));
    edit->setGeometry(pixelRect(control.place));
    edit->setAccessibleName(captionsOf(control));
    fields_[name] = edit;
  }
  for (const auto& control : buttonSpecs()) {
    auto* button = new QPushButton(QString::fromUtf8(control.caption), this);
    button->setObjectName(QStringLiteral("Command%1").arg(control.number));
    button->setFont(windowFont(kButtonFont));
    button->setGeometry(pixelRect(control.place));
    button->setAutoDefault(false);  // Enter in a field presses nothing
    QPalette cyan = button->palette();
    cyan.setColor(QPalette::Button, kButtonFace);
    button->setPalette(cyan);
    commands_[control.number] = button;
  }
  connect(command(1), &QPushButton::clicked, this, [this] { calculateCommand(*port_, this); });
  connect(command(2), &QPushButton::clicked, this, [this] { endCommand(*port_); });

  const auto order = tabOrder();
  for (std::size_t i = 0; i + 1 < order.size(); ++i)
    setTabOrder(findChild<QWidget*>(QString::fromUtf8(order[i])),
                findChild<QWidget*>(QString::fromUtf8(order[i + 1])));
  field(Field{1})->setFocus();

  // The whole layout with a small margin; resizing moves nothing.
  resize(pixels(kLayoutWidth) + kMarginPixels, pixels(kLayoutHeight) + kMarginPixels);
}

Form1::~Form1() = default;

QLineEdit* Form1::field(Field field) const { return fields_.at(controlName(field)); }
CaptionLabel* Form1::label(int number) const { return labels_.at(number); }
QPushButton* Form1::command(int number) const { return commands_.at(number); }

void Form1::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  for (const auto& line : lineSpecs()) {
    painter.setPen(
        QPen(line.red ? QColor(Qt::red) : palette().color(QPalette::WindowText), kLineWidthPixels));
    painter.drawLine(QPointF(line.x1 / double(kTwipsPerPixel), line.y1 / double(kTwipsPerPixel)),
                     QPointF(line.x2 / double(kTwipsPerPixel), line.y2 / double(kTwipsPerPixel)));
  }
}

std::string WindowFormPort::ask(const std::string& message) {
  return PromptDialog::ask(QString::fromStdString(message), &form_).toStdString();
}

void WindowFormPort::setText(Field field, const std::string& text) {
  form_.field(field)->setText(QString::fromStdString(text));
}

void WindowFormPort::setCaption(int label, const std::string& caption) {
  form_.label(label)->setText(QString::fromStdString(caption));
}

void WindowFormPort::endProgram() {
  form_.close();
  QCoreApplication::quit();
}

}  // namespace kestavo::window
