#include "app/form_port.h"

namespace kestavo {

std::string controlName(Field field) {
  std::string name = "Text" + std::to_string(field.number);
  if (field.index >= 0) name += "(" + std::to_string(field.index) + ")";
  return name;
}

}  // namespace kestavo
