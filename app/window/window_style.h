#pragma once
#include <QColor>
#include <QFont>

#include "app/window/layout.h"

class QApplication;

namespace kestavo::window {

inline const QColor kBackground{255, 255, 192};  // light yellow
inline const QColor kButtonFace{192, 255, 255};  // light cyan
inline constexpr int kMarginPixels = 16;

// Bold, in the family and size of the layout's font key.
QFont windowFont(Font font);

// Style and font substitutes: the families of the layout are rarely
// installed, so Debian's look-alikes stand in for them.
void setUpApplication(QApplication& app);

}  // namespace kestavo::window
