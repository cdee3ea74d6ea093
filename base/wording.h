// SPDX-License-Identifier: MIT
// The user's language for sentences made outside the windows: the schedule
// readings, the reports of the opener and the failures of the rules. Plain
// C++ code writes its sentences in English through `localized`; a program
// with a translation installs a wording that turns them into the user's
// language and writes days as the user's locale does. Without one, the
// sentences stay as written.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "base/date.h"

namespace mj {

class wording {
 public:
  virtual ~wording() = default;
  // `english` in the user's language; `context` groups the texts of one part
  // of the programs, as the translation files do.
  virtual std::string translate(const char* context, const char* english) const;
  // A day as people read it: "Tue 15 Dec 1998" in English.
  virtual std::string day(date d) const;
};

// The wording in use: the one given to `use_wording`, or plain English.
const wording& current_wording();

// Installs `w` for the whole program (nullptr: plain English again). The
// caller keeps `w` alive while it is in use.
void use_wording(const wording* w);

// `english` in the user's language. Its texts are collected into the
// translation files together with those of the windows.
inline std::string localized(const char* context, const char* english) {
  return current_wording().translate(context, english);
}

// `pattern` with "%1" ... "%9" replaced by `args` in their order, so that a
// translation may place them differently; a "%" followed by anything else
// stays as it is.
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> args);

// "January" ... "December" in the user's language; "month 13" for a number
// that names none.
std::string month_words(long long m);
// "Sunday" ... "Saturday" for 1 to 7, as the weekday keywords count.
std::string weekday_words(int number);

// The day in the user's way of writing days.
inline std::string day_words(date d) { return current_wording().day(d); }

}  // namespace mj
