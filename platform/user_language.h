// SPDX-License-Identifier: MIT
// The language of the programs' windows, boxes, menus and help: English as
// written in the code, or the translation that matches the user's locale,
// with Qt's own translation of its standard texts (context menus, dialog
// buttons) beside it.
#pragma once

#include <QLocale>
#include <QString>

namespace mj::platform {

struct user_language {
  // The language of the translation in use ("ja"), empty for English.
  QString language;
  // Whether Qt's own translation for that language was found and loaded.
  bool qt_translation = false;
};

// Installs the translations for `locale` (by default the user's locale, as
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG set it) into the running
// application, replacing those of an earlier call. A locale without a
// translation leaves English.
user_language use_user_language(const QLocale& locale = QLocale::system());

}  // namespace mj::platform
