#pragma once
// The four window operations through which a calculation asks and shows.
#include <string>

namespace kestavo {

// A text field of the window: Text1..Text26, and for Text5 one of its
// eight elements (index 0..7). index stays -1 for every other field.
struct Field {
  int number;
  int index = -1;
  friend bool operator==(const Field&, const Field&) = default;
};

// "Text6", or "Text5(2)" for an element of the Text5 array.
std::string controlName(Field field);

class FormPort {
 public:
  virtual ~FormPort() = default;
  // Modal prompt: the reply as typed; the empty text on Cancel or close.
  virtual std::string ask(const std::string& message) = 0;
  // Replaces the whole text of a field.
  virtual void setText(Field field, const std::string& text) = 0;
  // Replaces the caption of Label1..Label68.
  virtual void setCaption(int label, const std::string& caption) = 0;
  // Closes the window and ends the program at once.
  virtual void endProgram() = 0;
};

}  // namespace kestavo
