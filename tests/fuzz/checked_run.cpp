#include "tests/fuzz/checked_run.h"

#include <stdexcept>
#include <string_view>

#include "app/calculation.h"
#include "entry/entry_texts.h"

namespace kestavo::fuzz {
namespace {

// Thrown by the port when the script has no reply left: refusal loops
// cannot run for ever.
struct ScriptEnded {};

// Result fields in the order a calculation writes them.
constexpr int kResultOrder[] = {6, 7, 9, 8, 10, 25, 26, 11, 12, 13, 14, 15,
                                16, 17, 18, 19, 20, 21, 22, 23, 24};
bool isNameField(int n) { return n == 13 || n == 16 || n == 19 || n == 22; }

struct Shape {
  const char* prefix;
  const char* unit;
};

Shape shapeOf(int field) {
  switch (field) {
    case 6: case 7: case 8: return {" ", "秒"};
    case 9: return {"", "单位"};
    case 10: return {"", "秒"};
    case 25: return {" ", "单位"};
    case 26: return {"1/", ""};
    case 11: case 12: return {"", "毫米"};
    default: return {" ", ""};  // coordinates
  }
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// -?(0|[1-9][0-9]*)(.[0-9]*[1-9])?(E+[0-9]{2,})?, and never "-0".
bool isNumberText(std::string_view s) {
  if (s == "-0") return false;
  std::size_t i = 0;
  if (i < s.size() && s[i] == '-') ++i;
  const std::size_t whole = i;
  while (i < s.size() && isDigit(s[i])) ++i;
  if (i == whole || (s[whole] == '0' && i - whole > 1)) return false;
  if (i < s.size() && s[i] == '.') {
    const std::size_t fraction = ++i;
    while (i < s.size() && isDigit(s[i])) ++i;
    if (i == fraction || s[i - 1] == '0') return false;
  }
  if (i < s.size() && s[i] == 'E') {
    if (++i == s.size() || s[i++] != '+') return false;
    const std::size_t exponent = i;
    while (i < s.size() && isDigit(s[i])) ++i;
    if (i - exponent < 2) return false;
  }
  return i == s.size();
}

// A prompt for a coordinate or an angle, first or again (not a question).
bool asksForAValue(const std::string& message) {
  for (const auto& texts : kCoordinateTexts)
    if (message == texts.firstPrompt || message == texts.reentryPrompt) return true;
  return message == kAngleTexts.firstPrompt || message == kAngleTexts.reentryPrompt;
}

class CheckingPort : public FormPort {
 public:
  explicit CheckingPort(const std::vector<std::string>& replies) : replies_(replies) {}

  std::string ask(const std::string& message) override {
    if (next_ == replies_.size()) throw ScriptEnded{};
    const std::string& reply = replies_[next_++];
    if (message == kNamePrompt) names_.push_back(reply);
    if (asksForAValue(message)) valueReply_ = reply;
    return reply;
  }

  void setText(Field field, const std::string& text) override {
    if (field.number <= 5) {
      if (text != " " && text != " " + valueReply_)
        violations.push_back(controlName(field) + " does not echo the reply: [" + text + "]");
      return;
    }
    const std::size_t position = resultWrites_++;
    if (position >= std::size(kResultOrder) || kResultOrder[position] != field.number) {
      violations.push_back("write out of order: " + controlName(field));
      return;
    }
    if (isNameField(field.number)) {
      const std::size_t row = (field.number - 13) / 3;
      if (row >= names_.size() || text != " " + names_[row])
        violations.push_back(controlName(field) + " does not show its name: [" + text + "]");
      return;
    }
    checkNumberText(field, text);
  }

  void setCaption(int label, const std::string&) override {
    violations.push_back("unexpected caption write to Label" + std::to_string(label));
  }
  void endProgram() override { violations.push_back("endProgram during a calculation"); }

  bool allResultsWritten() const { return resultWrites_ == std::size(kResultOrder); }
  std::vector<std::string> violations;

 private:
  void checkNumberText(Field field, const std::string& text) {
    const Shape shape = shapeOf(field.number);
    const std::string prefix = shape.prefix;
    const std::string unit = shape.unit;
    const auto bad = [&](const char* why) {
      violations.push_back(controlName(field) + " " + why + ": [" + text + "]");
    };
    for (const char* word : {"nan", "inf", "e"})
      if (text.find(word) != std::string::npos) return bad("shows no number");
    if (field.number == 26 && text == "1/∞") return;
    if (text.compare(0, prefix.size(), prefix) != 0) return bad("lacks its prefix");
    if (text.size() < prefix.size() + unit.size() ||
        text.compare(text.size() - unit.size(), unit.size(), unit) != 0)
      return bad("lacks its unit");
    const std::string value = text.substr(prefix.size(), text.size() - prefix.size() - unit.size());
    if (!isNumberText(value)) bad("is no number text");
  }

  const std::vector<std::string>& replies_;
  std::size_t next_ = 0;
  std::string valueReply_;  // the last reply to a value's prompt
  std::vector<std::string> names_;
  std::size_t resultWrites_ = 0;
};

}  // namespace

RunReport checkedRun(const std::vector<std::string>& replies) {
  RunReport report;
  CheckingPort port(replies);
  try {
    runCalculation(port);
    report.completed = true;
    if (!port.allResultsWritten()) port.violations.push_back("finished without every result");
  } catch (const CalculationStopped& stop) {
    report.stopped = true;
    if (std::string(stop.what()).size() <= std::string("计算中止：").size())
      port.violations.push_back("stopped without a message");
  } catch (const ScriptEnded&) {
    report.scriptEnded = true;
  }
  report.violations = std::move(port.violations);
  return report;
}

}  // namespace kestavo::fuzz
