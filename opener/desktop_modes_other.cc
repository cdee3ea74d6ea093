// SPDX-License-Identifier: MIT
// Where the watch and the calendar export are not built: each says so on
// stderr and ends with the status of a usage error.
#include <QCoreApplication>
#include <iostream>

#include "base/wording.h"
#include "opener/desktop_modes.h"
#include "platform/user_language.h"

namespace mj::opener {

int run_watch_mode(int argc, char** argv, const QStringList&) {
  // The user's language needs an application object.
  QCoreApplication app(argc, argv);
  platform::use_user_language();
  std::cerr << "m_jar: "
            << localized("mj::opener::desktop_modes",
                         "--watch is not available on this system; the opener runs at each login "
                         "instead")
            << "\n";
  return 2;
}

int print_upcoming_calendar(const upcoming_report&) {
  std::cerr << "m_jar: "
            << localized("mj::opener::desktop_modes",
                         "--ics is not available on this system; --json gives the same agenda")
            << "\n";
  return 2;
}

}  // namespace mj::opener
