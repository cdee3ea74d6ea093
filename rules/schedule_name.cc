#include "rules/schedule_name.h"

#include "rules/numbers.h"

namespace mj {

namespace {

// Runs one step of the split; a failure is recorded and the step's target
// keeps the value it had.
template <typename Step>
void reported(std::vector<failure>& failures, Step step) {
  try {
    step();
  } catch (const failure_error& e) {
    failures.push_back(e.get());
  }
}

bool drop_last_if(std::string& text, char marker) {
  if (text.empty() || text.back() != marker) return false;
  text.pop_back();
  return true;
}

}  // namespace

std::string upper_trimmed(std::string_view name) {
  const size_t begin = name.find_first_not_of(' ');
  if (begin == std::string_view::npos) return {};
  const size_t end = name.find_last_not_of(' ');
  std::string result(name.substr(begin, end - begin + 1));
  for (char& c : result)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return result;
}

schedule_name split_schedule_name(std::string_view folder_name, long long missed_days,
                                  std::vector<failure>& failures) {
  schedule_name s;
  std::string text = upper_trimmed(folder_name);
  s.minus = drop_last_if(text, '-');
  s.plus = drop_last_if(text, '+');

  if (const size_t eq = text.find('='); eq != std::string::npos) {
    reported(failures, [&] { s.period = leading_number(std::string_view(text).substr(eq + 1)); });
    reported(failures, [&] { s.period2 = checked_sub(s.period, 1); });
    text.erase(eq);
  }
  if (s.plus) reported(failures, [&] { s.period2 = checked_int16(s.period2 + missed_days); });
  if (const size_t at = text.find('@'); at != std::string::npos) {
    reported(failures, [&] { s.mweek = leading_number(std::string_view(text).substr(at + 1)); });
    text.erase(at);
  }
  s.rule_name = std::move(text);
  return s;
}

}  // namespace mj
