#include "app/window/caption_label.h"

#include <QPainter>
#include <QRegularExpression>

namespace kestavo::window {

QStringList wrapAtBlanks(const QString& caption, const QFontMetrics& metrics, int width) {
  static const QRegularExpression wordGroup(QStringLiteral("\\s*\\S+"));
  QStringList lines;
  QString line;
  for (auto it = wordGroup.globalMatch(caption); it.hasNext();) {
    const QString group = it.next().captured();
    if (!line.isEmpty() && metrics.horizontalAdvance(line + group) > width) {
      lines << line;
      line = group.trimmed();
    } else {
      line += group;
    }
  }
  if (!line.isEmpty() || lines.isEmpty()) lines << line;
  return lines;
}

CaptionLabel::CaptionLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
  setAutoFillBackground(true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QStringList CaptionLabel::lines() const { return wrapAtBlanks(text(), fontMetrics(), width()); }

void CaptionLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  painter.setPen(palette().color(QPalette::WindowText));
  const QStringList wrapped = lines();
  const QFontMetrics metrics = fontMetrics();
  int step = metrics.height();
  if (wrapped.size() > 1) step = qMin(step, height() / static_cast<int>(wrapped.size()));
  for (int i = 0; i < wrapped.size(); ++i)
    painter.drawText(0, i * step + metrics.ascent(), wrapped[i]);
}

}  // namespace kestavo::window
