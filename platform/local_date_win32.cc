// SPDX-License-Identifier: MIT
#include <windows.h>

#include "platform/local_date.h"

namespace mj::platform {

wall_time local_time_now() {
  SYSTEMTIME local;
  GetLocalTime(&local);
  using namespace std::chrono;
  return wall_time{sys_days{year{local.wYear} / month{local.wMonth} / day{local.wDay}}} +
         hours{local.wHour} + minutes{local.wMinute} + seconds{local.wSecond};
}

date local_date_today() { return std::chrono::floor<std::chrono::days>(local_time_now()); }

}  // namespace mj::platform
