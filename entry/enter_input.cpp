#include "entry/enter_input.h"

#include <cmath>
#include <string>

#include "adjust/stop.h"
#include "app/field_text.h"
#include "entry/packed_angle.h"
#include "entry/reply_number.h"

namespace kestavo {
namespace {

bool readsAsZero(const std::string& reply) {
  const auto number = readNumber(reply);
  return number && *number == 0;
}

}  // namespace

double askConfirmed(FormPort& form, const EntryTexts& texts, Field field) {
  std::string reply = form.ask(texts.firstPrompt);
  form.setText(field, echoText(reply));
  const std::string* question = &texts.firstQuestion;
  for (;;) {
    const std::string answer = form.ask(*question);
    const auto value = readNumber(reply);
    // A value that is no number cannot be confirmed: it is asked for again
    // just as if the user had answered zero.
    if (value && !readsAsZero(answer)) {
      form.setText(field, echoText(reply));
      return *value;
    }
    form.setText(field, " ");
    reply = form.ask(texts.reentryPrompt);
    form.setText(field, echoText(reply));
    question = &texts.laterQuestion;
  }
}

void enterInput(AdjustWork& work, FormPort& form) {
  double* const coordinates[] = {&work.Xa, &work.Ya, &work.Xb, &work.Yb};
  for (int k = 0; k < 4; ++k)
    *coordinates[k] = askConfirmed(form, kCoordinateTexts[k], Field{k + 1});

  for (int i = 1; i <= 4; ++i) work.na[i] = form.ask(kNamePrompt);

  for (int i = 1; i <= 8; ++i) {
    const double packed = askConfirmed(form, kAngleTexts, Field{5, i - 1});
    work.B[i] = packedToDegrees(packed);
    if (!std::isfinite(work.B[i])) [[unlikely]]
      stopCalculation("观测角 B(" + std::to_string(i) + ") 的数值过大，无法换算为度。");
  }
}

}  // namespace kestavo
