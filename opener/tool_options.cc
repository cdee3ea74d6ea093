#include "opener/tool_options.h"

namespace mj {

namespace {

const QCommandLineOption kExplain("explain",
                                  "Show how the folder name NAME is read and whether it is due.");
const QCommandLineOption kToday("today", "Judge as on this day instead of today.", "YYYY-MM-DD");
const QCommandLineOption kMissedDays("missed-days", "Days missed since the last run (default 0).",
                                     "N");
const QCommandLineOption kJson("json", "Print one JSON object on one line.");
const QCommandLineOption kDryRun("dry-run",
                                 "Show which files a run on LOCATION would open, and why, "
                                 "without opening any or storing the run's date.");
const QCommandLineOption kPrev("prev",
                               "--dry-run: the date of the previous run, instead of the "
                               "stored one.",
                               "YYYY-MM-DD");

tool_options failed(std::string why) {
  tool_options o;
  o.what = tool_options::action::error;
  o.error = std::move(why);
  return o;
}

std::string not_a_date(const char* option, const QString& value) {
  return std::string(option) + ": \"" + value.toStdString() +
         "\" is not a date YYYY-MM-DD in the years 100..9999";
}

}  // namespace

bool is_tool_mode(const QStringList& arguments) {
  for (qsizetype i = 1; i < arguments.size(); ++i)
    if (arguments[i].startsWith("--")) return true;
  return false;
}

tool_options_parser::tool_options_parser() {
  parser_.setApplicationDescription(
      "Opens the files of the schedule folders that are due today.\n"
      "Without options: m_jar [DELAY][LOCATION] runs the opener.");
  parser_.addHelpOption();
  parser_.addVersionOption();
  parser_.addOptions({kExplain, kDryRun, kToday, kPrev, kMissedDays, kJson});
  parser_.addPositionalArgument("NAME",
                                "--explain: a schedule folder name, such as \"SUNDAY@2=3+-\".");
  parser_.addPositionalArgument("LOCATION", "--dry-run: the capsule root (default ~/Morrowjar).",
                                "[LOCATION]");
}

tool_options tool_options_parser::parse(const QStringList& arguments, date current_date) {
  if (!parser_.parse(arguments)) return failed(parser_.errorText().toStdString());
  tool_options o;
  if (parser_.isSet("help")) {
    o.what = tool_options::action::help;
    return o;
  }
  if (parser_.isSet("version")) {
    o.what = tool_options::action::version;
    return o;
  }
  const bool explain = parser_.isSet(kExplain);
  const bool dry = parser_.isSet(kDryRun);
  if (explain == dry) {
    return failed(explain
                      ? "--explain and --dry-run cannot be combined"
                      : "no mode given: use --explain NAME or --dry-run [LOCATION] (see --help)");
  }
  if (explain && parser_.isSet(kPrev)) return failed("--prev belongs to --dry-run");
  if (dry && parser_.isSet(kMissedDays))
    return failed("--missed-days belongs to --explain; --dry-run counts them from --prev");

  const QStringList positional = parser_.positionalArguments();
  if (explain) {
    if (positional.size() != 1)
      return failed(positional.empty() ? "--explain needs a folder NAME"
                                       : "--explain takes exactly one NAME");
    o.name = positional.front().toStdString();
  } else {
    if (positional.size() > 1) return failed("--dry-run takes at most one LOCATION");
    if (!positional.empty()) o.location = positional.front().toStdString();
  }

  o.today = current_date;
  if (parser_.isSet(kToday)) {
    const auto day = parse_iso_date(parser_.value(kToday).toStdString());
    if (!day) return failed(not_a_date("--today", parser_.value(kToday)));
    o.today = *day;
  }
  if (parser_.isSet(kPrev)) {
    o.prev = parse_iso_date(parser_.value(kPrev).toStdString());
    if (!o.prev) return failed(not_a_date("--prev", parser_.value(kPrev)));
  }
  if (parser_.isSet(kMissedDays)) {
    bool ok = false;
    o.missed_days = parser_.value(kMissedDays).toInt(&ok);
    if (!ok)
      return failed("--missed-days: \"" + parser_.value(kMissedDays).toStdString() +
                    "\" is not a whole number");
  }
  o.json = parser_.isSet(kJson);
  o.what = explain ? tool_options::action::explain : tool_options::action::dry_run;
  return o;
}

}  // namespace mj
