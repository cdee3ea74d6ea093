#include "opener/tool_options.h"

namespace mj {

namespace {

const QCommandLineOption kExplain("explain",
                                  "Show how the folder name NAME is read and whether it is due.");
const QCommandLineOption kToday("today", "Judge as on this day instead of today.", "YYYY-MM-DD");
const QCommandLineOption kMissedDays("missed-days", "Days missed since the last run (default 0).",
                                     "N");
const QCommandLineOption kJson("json", "Print one JSON object on one line.");

tool_options failed(std::string why) {
  tool_options o;
  o.what = tool_options::action::error;
  o.error = std::move(why);
  return o;
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
  parser_.addOptions({kExplain, kToday, kMissedDays, kJson});
  parser_.addPositionalArgument("NAME", "A schedule folder name, such as \"SUNDAY@2=3+-\".");
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
  if (!parser_.isSet(kExplain)) return failed("no mode given: use --explain NAME (see --help)");

  const QStringList positional = parser_.positionalArguments();
  if (positional.size() != 1)
    return failed(positional.empty() ? "--explain needs a folder NAME"
                                     : "--explain takes exactly one NAME");
  o.name = positional.front().toStdString();

  o.today = current_date;
  if (parser_.isSet(kToday)) {
    const auto day = parse_iso_date(parser_.value(kToday).toStdString());
    if (!day)
      return failed("--today: \"" + parser_.value(kToday).toStdString() +
                    "\" is not a date YYYY-MM-DD in the years 100..9999");
    o.today = *day;
  }
  if (parser_.isSet(kMissedDays)) {
    bool ok = false;
    o.missed_days = parser_.value(kMissedDays).toInt(&ok);
    if (!ok)
      return failed("--missed-days: \"" + parser_.value(kMissedDays).toStdString() +
                    "\" is not a whole number");
  }
  o.json = parser_.isSet(kJson);
  o.what = tool_options::action::explain;
  return o;
}

}  // namespace mj
