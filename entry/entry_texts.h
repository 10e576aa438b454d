#pragma once
// The fixed prompt texts of data entry. Nothing is filled into them: the
// letters "B(i)" and "na(i)" are shown as written.
#include <array>
#include <string_view>

namespace kestavo {

// The four texts of one confirmed value.
struct EntryTexts {
  std::string_view firstPrompt;
  std::string_view firstQuestion;
  std::string_view reentryPrompt;
  std::string_view laterQuestion;
};

extern const std::array<EntryTexts, 4> kCoordinateTexts;  // Xa, Ya, Xb, Yb
extern const EntryTexts kAngleTexts;                      // each of B(1)..B(8)
extern const std::string_view kNamePrompt;                // each of na(1)..na(4)

}  // namespace kestavo
