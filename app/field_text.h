#pragma once
// How each computed value is shown: prefix, number, unit, without blanks
// between them.
#include <string_view>

#include "app/form_port.h"

namespace kestavo {

struct NumberField {
  Field field;
  std::string_view prefix;  // " ", "1/" or nothing
  int decimals;
  std::string_view unit;  // "秒", "单位", "毫米" or nothing
};

inline constexpr NumberField kW11Field{{6}, " ", 2, "秒"};
inline constexpr NumberField kW12Field{{7}, " ", 2, "秒"};
inline constexpr NumberField kW22Field{{9}, "", 2, "单位"};
inline constexpr NumberField kW21Field{{8}, " ", 2, "秒"};
inline constexpr NumberField kMbField{{10}, "", 2, "秒"};
inline constexpr NumberField kMlogField{{25}, " ", 2, "单位"};
inline constexpr NumberField kRelativeErrorField{{26}, "1/", 0, ""};
inline constexpr NumberField kMd1Field{{11}, "", 2, "毫米"};
inline constexpr NumberField kMd2Field{{12}, "", 2, "毫米"};

// Text26 when the log error of the extended side is zero: no relative error.
inline constexpr std::string_view kNoRelativeErrorText = "1/∞";

// Coordinates in the results table: a blank, three decimals, no unit.
inline constexpr int kCoordinateDecimals = 3;

std::string numberFieldText(const NumberField& format, double value);
void showNumber(FormPort& form, const NumberField& format, double value);

// A reply or a name as typed, after one blank.
std::string echoText(std::string_view reply);

}  // namespace kestavo
