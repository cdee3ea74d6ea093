// Schedule names and due verdicts in plain words, for people: what
// `m_jar --explain` and `--dry-run` print and what the writer shows under its
// schedule box. Plain English; the folder-name grammar itself is never
// translated.
#pragma once

#include <string>

#include "rules/due_tests.h"

namespace mj {

// How a name reads, from a split made without missed days: for example
// "the 2nd Sunday of each month, 3 days wide, catching up missed days". A
// one- or two-digit year is read near `near_year`, as the due tests do.
std::string describe_schedule(const schedule_name& name, int near_year);

// What the verdict of an evaluation opens: "not due", "due: every file in
// the folder", "due: files stored from Sun 13 Dec 1998 to Tue 15 Dec 1998"...
std::string describe_verdict(const folder_evaluation& evaluation);

// A day as people read it: "Tue 15 Dec 1998".
std::string format_day(date d);

// "1st", "2nd", "3rd", "4th", ... "11th", "21st".
std::string ordinal(long long n);

}  // namespace mj
