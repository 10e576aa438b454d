#pragma once
#include <QLabel>
#include <QStringList>

namespace kestavo::window {

// The caption as lines no wider than `width`, broken only at blanks (never
// between two Chinese characters); the blanks at a break are dropped. A
// word group wider than the width stays whole on its line.
QStringList wrapAtBlanks(const QString& caption, const QFontMetrics& metrics, int width);

// A caption on an opaque background, left-aligned from the top, wrapping
// at blanks. When two lines are taller than the label they are drawn a
// little closer together so that both stay readable within it.
class CaptionLabel : public QLabel {
 public:
  CaptionLabel(const QString& caption, QWidget* parent);
  QStringList lines() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace kestavo::window
