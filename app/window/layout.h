#pragma once
// The layout of the main window as data: every control with its name,
// caption, place and font. Places are in twips from the top-left corner of
// the client area; 15 twips are one pixel at 96 dpi.
#include <array>
#include <span>

#include "app/form_port.h"

namespace kestavo::window {

struct Twips {
  int left, top, width, height;
};

// F1..F8: the families and sizes the captions were drawn in. All bold.
enum class Font { F1, F2, F3, F4, F5, F6, F7, F8 };

struct FontSpec {
  const char* family;
  double points;
};

struct LabelSpec {
  int number;  // LabelN
  const char* caption;
  Twips place;
  Font font;
};

struct FieldSpec {
  Field field;
  Twips place;                // height is kFieldHeight
  std::array<int, 2> labels;  // its captions: symbol or name first, 0 for none
};

struct ButtonSpec {
  int number;  // CommandN
  const char* caption;
  Twips place;
};

struct LineSpec {
  int number;  // LineN
  int x1, y1, x2, y2;
  bool red;
};

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kFieldHeight = 270;
inline constexpr int kLineWidthPixels = 2;
inline constexpr Font kWindowFont = Font::F1;
inline constexpr Font kFieldFont = Font::F6;
inline constexpr Font kButtonFont = Font::F2;
// The controls reach this far right and down.
inline constexpr int kLayoutWidth = 14175;
inline constexpr int kLayoutHeight = 9615;

const FontSpec& fontSpec(Font font);
std::span<const LabelSpec> labelSpecs();
std::span<const FieldSpec> fieldSpecs();
std::span<const ButtonSpec> buttonSpecs();
std::span<const LineSpec> lineSpecs();

// Control names in the order of the Tab key.
std::span<const char* const> tabOrder();

}  // namespace kestavo::window
