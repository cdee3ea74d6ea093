// SPDX-License-Identifier: MIT
// Schedule names and due verdicts in plain words, for people: what
// `m_jar --explain` and `--dry-run` print and what the writer shows under its
// schedule box. Written in English and turned into the user's language by the
// installed wording (base/wording.h); the folder-name grammar itself is never
// translated.
#pragma once

#include <optional>
#include <string>

#include "rules/due_tests.h"

namespace mj {

// What a name comes to, for a reader who must decide whether to use it.
enum class schedule_sense {
  opens,       // it names days that come round
  never,       // a schedule name whose days never come; `never_because` says why
  not_a_name,  // no schedule name at all: read as day 0 of the month
  unreadable,  // a number in it cannot be read
};

struct schedule_description {
  schedule_sense sense = schedule_sense::opens;
  // The reading of the whole folder: "each file again every month after the
  // day it was stored", "on the 2nd Sunday of each month, 3 days wide,
  // catching up the days the opener missed", "never: no month has a week 6".
  std::string words;
  // The same reading told of one message, to follow "Opens": "again every
  // month after the day it was stored".
  std::string message_words;
  // For a name that never opens: why ("no month has a week 6").
  std::string never_because;
  // The one day a full date names ("2026-12-25", "26-12-E"): before it the
  // folder waits, after it the day has passed.
  std::optional<date> own_day;
};

// How a name reads, from a split made without missed days. A one- or
// two-digit year is read near `near_year`, as the due tests do.
schedule_description describe_schedule(const schedule_name& name, int near_year);

// What the verdict of an evaluation opens: "not due", "due: every file in
// the folder", "due: files stored from Sun 13 Dec 1998 to Tue 15 Dec 1998"...
std::string describe_verdict(const folder_evaluation& evaluation);

// "1st", "2nd", "3rd", "4th", ... "11th", "21st": English ordinals, which
// the sentences pass to their translations beside the plain number.
std::string ordinal(long long n);

}  // namespace mj
