// SPDX-License-Identifier: MIT
// The option interface of m_jar (a first argument starting with "-"), as
// opposed to the classic command line of the opener's run (a delay and a
// location text, which may itself contain "--").
#pragma once

#include <QCommandLineParser>
#include <QStringList>
#include <optional>
#include <string>

#include "opener/upcoming_days.h"
#include "rules/calendar.h"

namespace mj::opener {

// True when the first argument after the program name starts with "-".
bool is_tool_mode(const QStringList& arguments);

// True when "-h", "--help" or "--help-all" stands among the arguments
// before any "--": the help is then the answer, whatever else is given.
bool asks_for_help(const QStringList& arguments);

// True when the arguments after the program name start with "--watch",
// possibly among "--quiet", and do not ask for help: the mode that needs a
// program with windows.
bool is_watch_mode(const QStringList& arguments);

struct tool_options {
  enum class action { explain, dry_run, next, upcoming, watch, help, version, error };
  action what = action::error;
  std::string error;  // one line, for action::error

  std::string name;  // --explain, --next: the folder name, as UTF-8
  date today{};
  bool today_given = false;  // --today was given (else today is the current date)
  long long missed_days = 0;
  bool json = false;
  bool ics = false;  // --upcoming: an iCalendar file instead of text
  int count = 3;     // --next: how many openings
  // --next: stands in for the opener's record of the last day served
  std::optional<date> served_through;

  std::string location;             // --dry-run, --upcoming: the location text of the capsule root
  std::optional<date> prev;         // --dry-run: stands in for the stored "prev_date"
  int days = kDefaultUpcomingDays;  // --upcoming: how many days to look ahead
  std::string command_line;         // --watch: the classic command line (delay and location)
  bool quiet = false;               // --watch: no desktop notifications
};

class tool_options_parser {
 public:
  tool_options_parser();
  // `current_date` is what --today defaults to.
  tool_options parse(const QStringList& arguments, date current_date);
  // The help, in the language of the translation in use.
  QString help_text() const;

 private:
  // The steps of parse, after QCommandLineParser has read the arguments. Each
  // returns the one-line failure, empty when there is none.
  tool_options::action mode() const;  // action::error unless exactly one mode
  std::string mode_failure() const;
  std::string misplaced_option(tool_options::action mode) const;  // one of another mode
  std::string read_arguments(tool_options& o) const;              // NAME, DAYS, LOCATION
  std::string read_values(tool_options& o) const;                 // the options' values

  QCommandLineParser parser_;
};

}  // namespace mj::opener
