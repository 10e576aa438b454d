#include "app/window/window_style.h"

#include <QApplication>
#include <QStyleFactory>

namespace kestavo::window {

namespace {

// Song/Ming-style faces for "宋体", the first one installed is used.
const QStringList kSongStyle = {"AR PL UMing CN",    "AR PL UMing TW",   "AR PL SungtiL GB",
                                "Noto Serif CJK SC", "Noto Sans CJK SC", "WenQuanYi Zen Hei"};

}  // namespace

QFont windowFont(Font key) {
  const FontSpec& control = fontSpec(key);
  QFont font(QString::fromUtf8(control.family));
  font.setPointSizeF(control.points);
  font.setBold(true);
  return font;
}

void setUpApplication(QApplication& app) {
  // Fusion draws the buttons in their palette colour on every platform.
  app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  const QStringList sans = {"Liberation Sans", "DejaVu Sans"};
  QFont::insertSubstitutions(QString::fromUtf8("宋体"), kSongStyle);
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
  QFont::insertSubstitutions(QStringLiteral("Microsoft Sans Serif"), sans);
}

}  // namespace kestavo::window
