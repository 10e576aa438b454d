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
  const FontSpec& spec = fontSpec(key);
  QFont font;
  // The Western families have no Chinese glyphs; naming the Song face after
  // them finds those glyphs at once instead of asking the system for a
  // fallback font for every caption.
  font.setFamilies({QString::fromUtf8(spec.family), kSongStyle.first()});
  font.setPointSizeF(spec.points);
  font.setBold(true);
  return font;
}

void setUpApplication(QApplication& app) {
  // Fusion draws the buttons in their palette colour on every platform.
  app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  const QStringList songStyle = {"AR PL UMing CN",    "AR PL UMing TW",   "AR PL SungtiL GB",
                                 "Noto Serif CJK SC", "Noto Sans CJK SC", "WenQuanYi Zen Hei"};
  const QStringList sans = {"Liberation Sans", "DejaVu Sans"};
  QFont::insertSubstitutions(QString::fromUtf8("宋体"), kSongStyle);
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
  QFont::insertSubstitutions(QStringLiteral("Microsoft Sans Serif"), sans);
}

}  // namespace kestavo::window
