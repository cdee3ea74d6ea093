// SPDX-License-Identifier: MIT
#include "opener/tool_options.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include "base/wording.h"
#include "platform/command_line_help.h"

namespace mj::opener {

namespace {

const QCommandLineOption kExplain(
    "explain", QT_TRANSLATE_NOOP("mj::opener::tool_options_parser",
                                 "Show how the folder name NAME is read and whether it is due."));
const QCommandLineOption kToday("today",
                                QT_TRANSLATE_NOOP("mj::opener::tool_options_parser",
                                                  "Judge as on this day instead of today."),
                                "YYYY-MM-DD");
const QCommandLineOption kMissedDays(
    "missed-days",
    QT_TRANSLATE_NOOP("mj::opener::tool_options_parser",
                      "Days missed since the last run (default 0)."),
    "N");
const QCommandLineOption kJson("json", QT_TRANSLATE_NOOP("mj::opener::tool_options_parser",
                                                         "Print one JSON object on one line."));
const QCommandLineOption kDryRun(
    "dry-run", QT_TRANSLATE_NOOP("mj::opener::tool_options_parser",
                                 "Show which files a run on LOCATION would open, and why, "
                                 "without opening any or storing the run's date."));
const QCommandLineOption kNext(
    "next", QT_TRANSLATE_NOOP("mj::opener::tool_options_parser",
                              "Show the first days on which a file stored today in the folder "
                              "NAME would open, with one run each day."));
const QCommandLineOption kWatch(
    "watch", QT_TRANSLATE_NOOP("mj::opener::tool_options_parser",
                               "Stay running without a window and open what comes due at each "
                               "change of day (midnight, waking from sleep, a new time zone). "
                               "DELAY and LOCATION follow as for a plain run."));
const QCommandLineOption kQuiet(
    "quiet", QT_TRANSLATE_NOOP("mj::opener::tool_options_parser",
                               "--watch --quiet: send no desktop notifications."));
const QCommandLineOption kUpcoming(
    "upcoming", QT_TRANSLATE_NOOP("mj::opener::tool_options_parser",
                                  "Show which folders daily runs would open on each of the next "
                                  "DAYS days (default 30) in LOCATION, the folders that will not "
                                  "open again, and files dated in the future."));
const QCommandLineOption kIcs(
    "ics", QT_TRANSLATE_NOOP("mj::opener::tool_options_parser",
                             "--upcoming: print the agenda as an iCalendar file, one all-day "
                             "event per folder and day, to import into a calendar."));
const QCommandLineOption kCount("count",
                                QT_TRANSLATE_NOOP("mj::opener::tool_options_parser",
                                                  "--next: how many days to show (default 3)."),
                                "N");
const QCommandLineOption kServedThrough(
    "served-through",
    QT_TRANSLATE_NOOP("mj::opener::tool_options_parser",
                      "--next: the last day whose run finished, instead of the opener's record."),
    "YYYY-MM-DD");
const QCommandLineOption kPrev(
    "prev",
    QT_TRANSLATE_NOOP("mj::opener::tool_options_parser",
                      "--dry-run: the date of the previous run, instead of the "
                      "stored one."),
    "YYYY-MM-DD");

tool_options failed(std::string why) {
  tool_options o;
  o.what = tool_options::action::error;
  o.error = std::move(why);
  return o;
}

std::string not_a_date(const char* option, const QString& value) {
  return fill(localized("mj::opener::tool_options_parser",
                        "%1: \"%2\" is not a date YYYY-MM-DD in the years 100..9999"),
              {option, value.toStdString()});
}

// The arguments after the program name that start the --watch mode: any
// number of "--watch" and "--quiet".
qsizetype watch_options_end(const QStringList& arguments) {
  qsizetype end = 1;
  while (end < arguments.size() &&
         (arguments[end] == QLatin1String("--watch") || arguments[end] == QLatin1String("--quiet")))
    ++end;
  return end;
}

}  // namespace

bool is_tool_mode(const QStringList& arguments) {
  return arguments.size() > 1 && arguments[1].startsWith('-');
}

bool asks_for_help(const QStringList& arguments) {
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (a == QLatin1String("--")) return false;
    if (a == QLatin1String("-h") || a == QLatin1String("--help") ||
        a == QLatin1String("--help-all"))
      return true;
  }
  return false;
}

bool is_watch_mode(const QStringList& arguments) {
  return arguments.mid(1, watch_options_end(arguments) - 1).contains(QLatin1String("--watch")) &&
         !asks_for_help(arguments);
}

namespace {

QString translated(const char* text) {
  return QCoreApplication::translate("mj::opener::tool_options_parser", text);
}

const QCommandLineOption* const kOptions[] = {
    &kExplain,    &kDryRun, &kNext,          &kUpcoming, &kWatch, &kToday, &kPrev,
    &kMissedDays, &kCount,  &kServedThrough, &kJson,     &kIcs,   &kQuiet};

// The options and arguments with their descriptions in the language of the
// translation in use (English without one).
platform::command_line_help described() {
  platform::command_line_help help;
  help.program = QStringLiteral("m_jar");
  help.description = QCoreApplication::translate(
      "mj::opener::tool_options_parser",
      "Opens the files of the schedule folders that are due today. A LOCATION\n"
      "that starts with \"-\" is given as ./-name.");
  // Qt's own usage line would name every argument at once, as if NAME were
  // needed for a plain run: each form gets a line of its own instead.
  help.usage_forms = {
      QStringLiteral("m_jar [DELAY][LOCATION]"),
      QStringLiteral("m_jar --explain NAME [--today YYYY-MM-DD] [--missed-days N] [--json]"),
      QStringLiteral("m_jar --next NAME [--today YYYY-MM-DD] [--served-through YYYY-MM-DD] "
                     "[--count N] [--json]"),
      QStringLiteral(
          "m_jar --dry-run [--today YYYY-MM-DD] [--prev YYYY-MM-DD] [--json] [LOCATION]"),
      QStringLiteral("m_jar --upcoming [DAYS] [--today YYYY-MM-DD] [--json | --ics] [LOCATION]"),
      QStringLiteral("m_jar --watch [--quiet] [DELAY][LOCATION]"),
      QStringLiteral("m_jar --help | --help-all | --version"),
  };
  help.help_all = help.version = help.short_version = true;
  for (const QCommandLineOption* option : kOptions) {
    QCommandLineOption translated_option = *option;
    translated_option.setDescription(translated(option->description().toUtf8().constData()));
    help.options.append(translated_option);
  }
  help.arguments = {
      {QStringLiteral("NAME"), QStringLiteral("NAME"),
       QCoreApplication::translate("mj::opener::tool_options_parser",
                                   "--explain, --next: a schedule folder name, such as "
                                   "\"SUNDAY@2=3+-\".")},
      {QStringLiteral("[DAYS]"), QStringLiteral("DAYS"),
       QCoreApplication::translate("mj::opener::tool_options_parser",
                                   "--upcoming: how many days, from 1 to %1 (digits only; a "
                                   "LOCATION of digits only is given as ./NAME).")
           .arg(kMostUpcomingDays)},
      {QStringLiteral("[LOCATION]"), QStringLiteral("LOCATION"),
       QCoreApplication::translate("mj::opener::tool_options_parser",
                                   "--dry-run, --upcoming: the capsule root (default "
                                   "~/Morrowjar).")}};
  return help;
}

void describe(QCommandLineParser& parser) {
  parser.addHelpOption();
  parser.addVersionOption();
  for (const QCommandLineOption* option : kOptions) parser.addOption(*option);
}

}  // namespace

tool_options_parser::tool_options_parser() { describe(parser_); }

QString tool_options_parser::help_text() const { return platform::help_text(described()); }

tool_options tool_options_parser::parse(const QStringList& arguments, date current_date) {
  // Help wins wherever it stands among the options, even after --watch or
  // beside options that are wrong.
  if (asks_for_help(arguments)) {
    tool_options o;
    o.what = tool_options::action::help;
    return o;
  }
  // --watch (with --quiet) comes first; the classic command line follows it
  // untouched, dashes and all.
  if (is_watch_mode(arguments)) {
    const qsizetype first_other = watch_options_end(arguments);
    tool_options o;
    o.what = tool_options::action::watch;
    o.quiet = arguments.mid(1, first_other - 1).contains(QLatin1String("--quiet"));
    o.command_line = arguments.mid(first_other).join(' ').toStdString();
    o.today = current_date;
    return o;
  }

  if (!parser_.parse(arguments)) return failed(parser_.errorText().toStdString());
  tool_options o;
  if (parser_.isSet("help") || parser_.isSet("help-all")) {
    o.what = tool_options::action::help;
    return o;
  }
  if (parser_.isSet("version")) {
    o.what = tool_options::action::version;
    return o;
  }
  o.what = mode();
  if (o.what == tool_options::action::error) return failed(mode_failure());
  if (std::string why = misplaced_option(o.what); !why.empty()) return failed(why);
  if (std::string why = read_arguments(o); !why.empty()) return failed(why);
  o.today = current_date;
  if (std::string why = read_values(o); !why.empty()) return failed(why);
  return o;
}

tool_options::action tool_options_parser::mode() const {
  const bool explain = parser_.isSet(kExplain);
  const bool dry = parser_.isSet(kDryRun);
  const bool next = parser_.isSet(kNext);
  const bool upcoming = parser_.isSet(kUpcoming);
  if (parser_.isSet(kWatch) || parser_.isSet(kQuiet) ||
      int{explain} + int{dry} + int{next} + int{upcoming} != 1)
    return tool_options::action::error;
  return explain    ? tool_options::action::explain
         : next     ? tool_options::action::next
         : upcoming ? tool_options::action::upcoming
                    : tool_options::action::dry_run;
}

std::string tool_options_parser::mode_failure() const {
  if (parser_.isSet(kWatch) || parser_.isSet(kQuiet))
    return localized("mj::opener::tool_options_parser",
                     "--watch comes first: m_jar --watch [--quiet] [DELAY][LOCATION]");
  const int modes = int{parser_.isSet(kExplain)} + int{parser_.isSet(kDryRun)} +
                    int{parser_.isSet(kNext)} + int{parser_.isSet(kUpcoming)};
  if (modes == 0)
    return localized(
        "mj::opener::tool_options_parser",
        "no mode given: use --explain NAME, --next NAME, --dry-run [LOCATION], --upcoming "
        "[DAYS] [LOCATION] or --watch [DELAY][LOCATION] (see --help)");
  return localized("mj::opener::tool_options_parser",
                   "--explain, --next, --dry-run and --upcoming cannot be combined");
}

std::string tool_options_parser::misplaced_option(tool_options::action mode) const {
  using action = tool_options::action;
  if (mode != action::dry_run && parser_.isSet(kPrev))
    return localized("mj::opener::tool_options_parser", "--prev belongs to --dry-run");
  if (mode != action::explain && parser_.isSet(kMissedDays))
    return localized("mj::opener::tool_options_parser",
                     "--missed-days belongs to --explain; --dry-run counts them from --prev");
  if (mode != action::upcoming && parser_.isSet(kIcs))
    return localized("mj::opener::tool_options_parser", "--ics belongs to --upcoming");
  if (parser_.isSet(kIcs) && parser_.isSet(kJson))
    return localized("mj::opener::tool_options_parser", "--ics and --json cannot be combined");
  if (mode != action::next && parser_.isSet(kCount))
    return localized("mj::opener::tool_options_parser", "--count belongs to --next");
  if (mode != action::next && parser_.isSet(kServedThrough))
    return localized("mj::opener::tool_options_parser", "--served-through belongs to --next");
  return {};
}

std::string tool_options_parser::read_arguments(tool_options& o) const {
  QStringList positional = parser_.positionalArguments();
  switch (o.what) {
    case tool_options::action::upcoming: {
      // A first argument of digits only is the number of days.
      static const QRegularExpression kDigits("^[0-9]+$");
      if (!positional.empty() && kDigits.match(positional.front()).hasMatch()) {
        bool ok = false;
        o.days = positional.takeFirst().toInt(&ok);
        if (!ok || o.days < 1 || o.days > kMostUpcomingDays)
          return fill(localized("mj::opener::tool_options_parser",
                                "--upcoming: DAYS must be a whole number from 1 to %1"),
                      {std::to_string(kMostUpcomingDays)});
      }
      if (positional.size() > 1)
        return localized("mj::opener::tool_options_parser",
                         "--upcoming takes DAYS and at most one LOCATION");
      break;
    }
    case tool_options::action::dry_run:
      if (positional.size() > 1)
        return localized("mj::opener::tool_options_parser", "--dry-run takes at most one LOCATION");
      break;
    default: {
      const char* mode = o.what == tool_options::action::explain ? "--explain" : "--next";
      if (positional.size() != 1)
        return fill(positional.empty()
                        ? localized("mj::opener::tool_options_parser", "%1 needs a folder NAME")
                        : localized("mj::opener::tool_options_parser", "%1 takes exactly one NAME"),
                    {mode});
      o.name = positional.front().toStdString();
      return {};
    }
  }
  if (!positional.empty()) o.location = positional.front().toStdString();
  return {};
}

std::string tool_options_parser::read_values(tool_options& o) const {
  if (parser_.isSet(kCount)) {
    bool ok = false;
    o.count = parser_.value(kCount).toInt(&ok);
    if (!ok || o.count < 1 || o.count > 1000)
      return fill(localized("mj::opener::tool_options_parser",
                            "--count: \"%1\" is not a whole number from 1 to 1000"),
                  {parser_.value(kCount).toStdString()});
  }
  if (parser_.isSet(kToday)) {
    const auto day = parse_iso_date(parser_.value(kToday).toStdString());
    if (!day) return not_a_date("--today", parser_.value(kToday));
    o.today = *day;
    o.today_given = true;
  }
  if (parser_.isSet(kServedThrough)) {
    o.served_through = parse_iso_date(parser_.value(kServedThrough).toStdString());
    if (!o.served_through) return not_a_date("--served-through", parser_.value(kServedThrough));
  }
  if (parser_.isSet(kPrev)) {
    o.prev = parse_iso_date(parser_.value(kPrev).toStdString());
    if (!o.prev) return not_a_date("--prev", parser_.value(kPrev));
  }
  if (parser_.isSet(kMissedDays)) {
    bool ok = false;
    o.missed_days = parser_.value(kMissedDays).toInt(&ok);
    if (!ok)
      return fill(localized("mj::opener::tool_options_parser",
                            "--missed-days: \"%1\" is not a whole number"),
                  {parser_.value(kMissedDays).toStdString()});
  }
  o.json = parser_.isSet(kJson);
  o.ics = parser_.isSet(kIcs);
  return {};
}

}  // namespace mj::opener
