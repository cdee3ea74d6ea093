#include "base/wording.h"

namespace mj {

namespace {

const wording kEnglish;
const wording* installed = nullptr;

}  // namespace

std::string wording::translate(const char*, const char* english) const { return english; }

std::string wording::day(date d) const {
  using namespace std::chrono;
  static const char* const kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const year_month_day ymd{d};
  return std::string(kWeekdays[weekday{d}.c_encoding()]) + " " +
         std::to_string(static_cast<unsigned>(ymd.day())) + " " +
         kMonths[static_cast<unsigned>(ymd.month()) - 1] + " " +
         std::to_string(static_cast<int>(ymd.year()));
}

const wording& current_wording() { return installed ? *installed : kEnglish; }

void use_wording(const wording* w) { installed = w; }

std::string fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string out;
  out.reserve(pattern.size() + 16 * args.size());
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const size_t n = static_cast<size_t>(pattern[i + 1] - '1');
      if (n < args.size()) {
        out += *(args.begin() + n);
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

}  // namespace mj
