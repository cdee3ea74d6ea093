// SPDX-License-Identifier: MIT
#include "platform/file_time.h"

#include "base/visible_text.h"
#include "base/wording.h"

namespace mj::platform {

namespace {

constexpr long long kFirstYear = 100;
constexpr long long kLastYear = 9999;

failure out_of_range(const std::filesystem::path& path, const std::string& when) {
  return make_failure(
      failure_code::invalid_argument,
      fill(
          localized("mj::platform::file_time", "%1 (dated %2, outside the years %3 to %4)"),
          {printable_path(path.string()), when, std::to_string(kFirstYear), std::to_string(kLastYear)}));
}

}  // namespace

bool years_within_reach(const local_fields& local) {
  return local.year >= kFirstYear && local.year <= kLastYear;
}

result<wall_time> file_wall_time(const std::filesystem::path& path, const local_fields& local) {
  // std::chrono::year holds -32767..32767 and would wrap a later year into
  // an early one; the range check comes first.
  if (!years_within_reach(local))
    return out_of_range(path, fill(localized("mj::platform::file_time", "in the year %1"),
                                   {std::to_string(local.year)}));
  using namespace std::chrono;
  const sys_days day =
      year{static_cast<int>(local.year)} / month{local.month} / std::chrono::day{local.day};
  return day + hours{local.hour} + minutes{local.minute} + seconds{local.second};
}

failure file_time_out_of_reach(const std::filesystem::path& path, long long seconds) {
  // The mean Gregorian year: exact enough for a year that no calendar of the
  // system can spell out.
  constexpr long long kSecondsPerYear = 31'556'952;
  const long long whole_years = seconds / kSecondsPerYear - (seconds % kSecondsPerYear < 0);
  return out_of_range(path, fill(localized("mj::platform::file_time", "about the year %1"),
                                 {std::to_string(1970 + whole_years)}));
}

}  // namespace mj::platform
