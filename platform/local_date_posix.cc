// SPDX-License-Identifier: MIT
#include <ctime>

#include "platform/local_date.h"

namespace mj::platform {

wall_time local_time_now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  using namespace std::chrono;
  return wall_time{
             sys_days{year{local.tm_year + 1900} / month{static_cast<unsigned>(local.tm_mon + 1)} /
                      day{static_cast<unsigned>(local.tm_mday)}}} +
         hours{local.tm_hour} + minutes{local.tm_min} + seconds{local.tm_sec};
}

date local_date_today() { return std::chrono::floor<std::chrono::days>(local_time_now()); }

}  // namespace mj::platform
