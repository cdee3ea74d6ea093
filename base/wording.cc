// SPDX-License-Identifier: MIT
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

std::string month_words(long long m) {
  switch (m) {
    case 1:
      return localized("mj::wording", "January");
    case 2:
      return localized("mj::wording", "February");
    case 3:
      return localized("mj::wording", "March");
    case 4:
      return localized("mj::wording", "April");
    case 5:
      return localized("mj::wording", "May");
    case 6:
      return localized("mj::wording", "June");
    case 7:
      return localized("mj::wording", "July");
    case 8:
      return localized("mj::wording", "August");
    case 9:
      return localized("mj::wording", "September");
    case 10:
      return localized("mj::wording", "October");
    case 11:
      return localized("mj::wording", "November");
    case 12:
      return localized("mj::wording", "December");
  }
  return fill(localized("mj::wording", "month %1"), {std::to_string(m)});
}

std::string weekday_words(int number) {
  switch (number) {
    case 1:
      return localized("mj::wording", "Sunday");
    case 2:
      return localized("mj::wording", "Monday");
    case 3:
      return localized("mj::wording", "Tuesday");
    case 4:
      return localized("mj::wording", "Wednesday");
    case 5:
      return localized("mj::wording", "Thursday");
    case 6:
      return localized("mj::wording", "Friday");
    case 7:
      return localized("mj::wording", "Saturday");
  }
  return std::to_string(number);
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
