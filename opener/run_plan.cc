#include "opener/run_plan.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>
#include <cstdint>
#include <limits>

#include "base/wording.h"
#include "rules/numbers.h"

namespace mj {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

run_start run_start_from(std::string_view prev_date_text, date today, const failure_sink& report) {
  date last_run = today;
  if (!prev_date_text.empty()) {
    const result<date> stored = date_from_text(prev_date_text, year_number(today));
    if (stored.ok())
      last_run = *stored;
    else
      report(
          failure{stored.error().code, fill(localized("mj::run_plan",
                                                      "The date of the last run cannot be read: "
                                                      "%1. This run counts today as the last run."),
                                            {stored.error().description})});
  }
  return run_start{make_run_calendar(today), missed_days_between(last_run, today)};
}

std::string format_prev_date(date d) {
  std::string text = format_iso_date(d);
  for (char& c : text)
    if (c == '-') c = '/';
  return text;
}

classic_command_line split_command_line(std::string_view text, const failure_sink& report) {
  classic_command_line result;
  size_t digits = 0;
  while (digits < text.size() && is_digit(text[digits])) ++digits;
  if (digits > 0) {
    constexpr long long kMaxMilliseconds = std::numeric_limits<int32_t>::max();
    long long milliseconds = 0;
    for (size_t i = 0; i < digits && milliseconds <= kMaxMilliseconds; ++i)
      milliseconds = milliseconds * 10 + (text[i] - '0') * 1000LL;
    if (milliseconds <= kMaxMilliseconds) {
      result.interval_ms = static_cast<int>(milliseconds);
    } else {
      report(make_failure(failure_code::overflow,
                          fill(localized("mj::run_plan", "a start-up delay of %1 seconds"),
                               {text.substr(0, digits)})));
    }
  }
  result.location = std::string(platform::trim_blanks(text.substr(digits)));
  return result;
}

run_plan plan_run(const platform::capsule_location& root, const run_start& start,
                  const failure_sink& report) {
  run_plan plan;
  plan.root = root;
  const std::filesystem::path path = root.full_path();
  plan.scan = scan_capsule(path, start.missed_days, start.calendar, report);
  plan.selection = select_due_files(path, plan.scan, start.calendar.today, report);
  return plan;
}

std::string run_lock_path(const platform::capsule_location& root) {
  // The user's runtime folder, or the cache where there is none (a login
  // without a session manager): either way, the user's own.
  QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (folder.isEmpty())
    folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/m_jar";
  QDir().mkpath(folder);
  const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(root.full_path()),
                                                   QCryptographicHash::Sha256)
                              .toHex()
                              .left(16);
  return QDir(folder).filePath("m_jar-" + QString::fromLatin1(hash) + ".lock").toStdString();
}

opening_queue::opening_queue(const std::vector<queue_entry>& entries) {
  paths_.reserve(entries.size());
  for (const queue_entry& e : entries) paths_.push_back(e.path);
}

std::optional<std::string> opening_queue::tick() {
  if (next_ >= paths_.size()) return std::nullopt;
  return paths_[next_++];
}

}  // namespace mj
