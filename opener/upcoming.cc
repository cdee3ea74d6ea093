// SPDX-License-Identifier: MIT
#include "opener/upcoming.h"

#include <charconv>
#include <cstdio>
#include <ostream>
#include <string_view>
#include <vector>

#include "base/visible_text.h"
#include "base/wording.h"
#include "opener/json_text.h"
#include "opener/report_text.h"
#include "rules/next_openings.h"

namespace mj::opener {

namespace {

using namespace std::chrono;

std::string quoted(const std::string& name) { return "\"" + name + "\""; }

// "hh:mm:ss" of a moment's day.
std::string clock_time(wall_time t) {
  const hh_mm_ss<seconds> time{t - floor<days>(t)};
  char clock[16];
  std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", static_cast<int>(time.hours().count()),
                static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count()));
  return clock;
}

// "YYYY-MM-DD hh:mm:ss", for JSON.
std::string format_moment(wall_time t) {
  return format_iso_date(floor<days>(t)) + " " + clock_time(t);
}

// Text written in pieces: gathered in one string, and handed to `out` (when
// there is one) whenever a good deal has gathered, so that ten years over a
// large capsule (tens of megabytes) are never held whole, nor written in
// millions of small writes.
class piecewise_text {
 public:
  explicit piecewise_text(std::ostream* out) : out_(out) {}
  ~piecewise_text() { flush(); }
  piecewise_text(const piecewise_text&) = delete;
  piecewise_text& operator=(const piecewise_text&) = delete;

  piecewise_text& operator<<(std::string_view piece) {
    text_ += piece;
    if (out_ && text_.size() >= kFlushAt) flush();
    return *this;
  }
  piecewise_text& operator<<(size_t number) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    return *this << std::string_view(digits, static_cast<size_t>(end - digits));
  }
  // The text gathered, when there is no stream to hand it to.
  std::string taken() { return std::move(text_); }

 private:
  static constexpr size_t kFlushAt = 1 << 16;
  void flush() {
    if (!out_ || text_.empty()) return;
    out_->write(text_.data(), static_cast<std::streamsize>(text_.size()));
    text_.clear();
  }
  std::ostream* out_;
  std::string text_;
};

// "Capsule root ..., N days from ... to ...:" and its line break.
void write_heading(piecewise_text& out, const upcoming_report& report) {
  const std::string root = printable(report.root);
  if (report.days.empty()) {
    out << fill(localized("mj::opener::upcoming", "Capsule root %1: no day to judge."), {root})
        << "\n";
    return;
  }
  const std::string first = day_words(report.days.front().day);
  const std::string last = day_words(report.days.back().day);
  out << (report.days.size() == 1
              ? fill(localized("mj::opener::upcoming",
                               "Capsule root %1, 1 day from %2 to %3, one run each day:"),
                     {root, first, last})
              : fill(localized("mj::opener::upcoming",
                               "Capsule root %1, %2 days from %3 to %4, one run each day:"),
                     {root, std::to_string(report.days.size()), first, last}))
      << "\n";
}

// The capsule root's own files open at every run: said once, not every day.
void write_root_files(piecewise_text& out, const upcoming_report& report) {
  if (report.days.empty() || report.days.front().openings.empty() ||
      report.days.front().openings.front().folder != kCapsuleRootFiles)
    return;
  const size_t files = report.days.front().openings.front().files;
  out << (files == 1
              ? localized("mj::opener::upcoming", "Every day: 1 file of the capsule root itself.")
              : fill(localized("mj::opener::upcoming",
                               "Every day: %1 files of the capsule root itself."),
                     {std::to_string(files)}))
      << "\n";
}

// Each day with a schedule folder's files to open, its folders below it.
void write_agenda(piecewise_text& out, const upcoming_report& report) {
  // Each name is escaped once, however many days it opens on.
  std::vector<std::string> names;
  names.reserve(report.folders.size());
  for (const std::string& name : report.folders) names.push_back(quoted(printable(name)));
  bool any = false;
  for (const upcoming_day& day : report.days) {
    bool dated = false;
    for (const folder_openings& o : day.openings) {
      if (o.folder == kCapsuleRootFiles) continue;
      if (!dated) out << day_words(day.day) << "\n";
      dated = any = true;
      out << "  " << o.files << "  " << names[static_cast<size_t>(o.folder)] << "\n";
    }
  }
  out << (any ? localized("mj::opener::upcoming", "No other day opens a schedule folder's files.")
              : localized("mj::opener::upcoming", "No schedule folder opens files on these days."))
      << "\n";
}

void write_closed_folders(piecewise_text& out, const upcoming_report& report) {
  if (report.never.empty()) return;
  out << "\n"
      << fill(localized("mj::opener::upcoming", "Not opening again within %1 years:"),
              {std::to_string(kForecastYears)})
      << "\n";
  for (const closed_folder& c : report.never)
    out << "  " << quoted(printable(c.name)) << ": " << printable_line(c.why) << "\n";
}

void write_future_files(piecewise_text& out, const upcoming_report& report) {
  if (report.future_files.empty()) return;
  out << "\n" << localized("mj::opener::upcoming", "Dated after today:") << "\n";
  for (const future_file& f : report.future_files)
    out << "  " << printable(f.path) << "  " << day_words(floor<days>(f.modified)) << " "
        << clock_time(f.modified) << "\n";
}

void write_problems(piecewise_text& out, const upcoming_report& report) {
  if (report.failures.empty()) return;
  out << "\n" << localized("mj::opener::upcoming", "Problems:") << "\n";
  for (const failure& f : report.failures) out << "  " << printable_line(f.description) << "\n";
}

void write_text(piecewise_text& out, const upcoming_report& report) {
  write_heading(out, report);
  write_root_files(out, report);
  write_agenda(out, report);
  write_closed_folders(out, report);
  write_future_files(out, report);
  write_problems(out, report);
}

// The days, [{date, folders: [{name, files}]}], each name escaped once.
void write_json_days(piecewise_text& out, const upcoming_report& report) {
  // Each folder's object up to its count, made once, with the comma that
  // parts it from the one before: `,{"name":"...","files":`.
  const auto start_of = [](const std::string& name) {
    std::string start = ",{";
    start += json_name_member("name", name);
    start += ",\"files\":";
    return start;
  };
  std::vector<std::string> starts;
  starts.reserve(report.folders.size());
  for (const std::string& name : report.folders) starts.push_back(start_of(name));
  const std::string root_start = start_of("");
  out << "[";
  for (size_t d = 0; d < report.days.size(); ++d) {
    const upcoming_day& day = report.days[d];
    out << (d == 0 ? "{\"date\":" : ",{\"date\":") << json_date(day.day) << ",\"folders\":[";
    for (size_t i = 0; i < day.openings.size(); ++i) {
      const folder_openings& o = day.openings[i];
      const std::string_view start =
          o.folder == kCapsuleRootFiles ? root_start : starts[static_cast<size_t>(o.folder)];
      // The count and the object's end in one piece.
      char count[24];
      char* end = std::to_chars(count, count + sizeof count - 1, o.files).ptr;
      *end++ = '}';
      out << (i == 0 ? start.substr(1) : start)
          << std::string_view(count, static_cast<size_t>(end - count));
    }
    out << "]}";
  }
  out << "]";
}

void write_json(piecewise_text& out, const upcoming_report& report) {
  out << "{" << json_name_member("root", report.root) << ",\"today\":" << json_date(report.today)
      << ",\"days\":";
  write_json_days(out, report);
  out << ",\"never\":[";
  for (size_t i = 0; i < report.never.size(); ++i)
    out << (i == 0 ? "" : ",")
        << json_object().name("name", report.never[i].name).text("why", report.never[i].why).str();
  out << "],\"future_files\":[";
  for (size_t i = 0; i < report.future_files.size(); ++i)
    out << (i == 0 ? "" : ",")
        << json_object()
               .name("path", report.future_files[i].path)
               .text("modified", format_moment(report.future_files[i].modified))
               .str();
  out << "],\"failures\":" << json_failures(report.failures) << "}";
}

}  // namespace

std::string upcoming_text(const upcoming_report& report) {
  piecewise_text out(nullptr);
  write_text(out, report);
  return out.taken();
}

void write_upcoming_text(std::ostream& out, const upcoming_report& report) {
  piecewise_text text(&out);
  write_text(text, report);
}

std::string upcoming_json(const upcoming_report& report) {
  piecewise_text out(nullptr);
  write_json(out, report);
  return out.taken();
}

void write_upcoming_json(std::ostream& out, const upcoming_report& report) {
  piecewise_text text(&out);
  write_json(text, report);
  text << "\n";
}

}  // namespace mj::opener
