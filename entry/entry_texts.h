#pragma once
// The fixed prompt texts of data entry. Nothing is filled into them: the
// letters "B(i)" and "na(i)" are shown as written.
#include <array>
#include <string>

namespace kestavo {

// The four texts of one confirmed value.
struct EntryTexts {
  std::string firstPrompt;
  std::string firstQuestion;
  std::string reentryPrompt;
  std::string laterQuestion;
};

extern const std::array<EntryTexts, 4> kCoordinateTexts;  // Xa, Ya, Xb, Yb
extern const EntryTexts kAngleTexts;                      // each of B(1)..B(8)
extern const std::string kNamePrompt;                     // each of na(1)..na(4)

}  // namespace kestavo
