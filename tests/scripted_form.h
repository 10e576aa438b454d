#pragma once
// A FormPort that answers prompts from a script and records every call.
#include <deque>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/form_port.h"

namespace kestavo::testing {

class ScriptedForm : public FormPort {
 public:
  explicit ScriptedForm(std::vector<std::string> replies = {})
      : replies_(replies.begin(), replies.end()) {}

  void add(const std::vector<std::string>& replies) {
    replies_.insert(replies_.end(), replies.begin(), replies.end());
  }

  std::string ask(const std::string& message) override {
    log.push_back("ask " + message);
    if (replies_.empty()) throw std::logic_error("script ran out at: " + message);
    std::string reply = replies_.front();
    replies_.pop_front();
    return reply;
  }
  void setText(Field field, const std::string& text) override {
    log.push_back(controlName(field) + "=" + text);
    texts[controlName(field)] = text;
  }
  void setCaption(int label, const std::string& caption) override {
    log.push_back("Label" + std::to_string(label) + ":" + caption);
  }
  void endProgram() override { log.push_back("end"); }

  // Only the setText entries of the log, "TextN=text".
  std::vector<std::string> writes() const {
    std::vector<std::string> out;
    for (const auto& entry : log)
      if (entry.rfind("Text", 0) == 0) out.push_back(entry);
    return out;
  }
  bool scriptUsedUp() const { return replies_.empty(); }

  std::vector<std::string> log;
  std::map<std::string, std::string> texts;  // last text of each field

 private:
  std::deque<std::string> replies_;
};

// Replies for a whole calculation: each coordinate and angle confirmed with
// Enter (the empty reply).
inline std::vector<std::string> confirmedReplies(const std::vector<std::string>& coordinates,
                                                 const std::vector<std::string>& names,
                                                 const std::vector<std::string>& angles) {
  std::vector<std::string> out;
  for (const auto& c : coordinates) out.insert(out.end(), {c, ""});
  out.insert(out.end(), names.begin(), names.end());
  for (const auto& a : angles) out.insert(out.end(), {a, ""});
  return out;
}

// The figure of the worked run: A = (1000, 1000), B = (1000, 2000), every
// angle 45 degrees but b(1) = 45°00'04" and b(8) = 45°00'02".
inline std::vector<std::string> workedRunReplies() {
  return confirmedReplies(
      {"1000", "1000", "1000", "2000"}, {"P1", "B", "P2", "A"},
      {"45.0004", "45.0000", "45.0000", "45.0000", "45.0000", "45.0000", "45.0000", "45.0002"});
}

}  // namespace kestavo::testing
