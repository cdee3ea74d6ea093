// SPDX-License-Identifier: MIT
// The --help of both programs, laid out as QCommandLineParser lays it out but
// wrapped at a width in display columns, so that a translation whose
// characters take two columns each (Japanese) keeps within the terminal as
// English does, and with its headings and the descriptions of the help and
// version options in the language in use.
#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

namespace mj::platform {

inline constexpr int kHelpWidth = 80;

struct help_argument {
  QString syntax;  // as the usage line shows it, such as "[DAYS]"
  QString name;    // as the list of arguments shows it
  QString description;
};

struct command_line_help {
  QString program;      // "m_jar"
  QString description;  // its own line breaks are kept
  // One usage line each ("m_jar --next NAME ..."); when empty, one line
  // naming the program, "[options]" and every argument.
  QStringList usage_forms;
  // The options besides -h/--help (and --help-all when `help_all`) and
  // -v/--version (when `version`), whose descriptions are the help's own.
  QList<QCommandLineOption> options;
  QList<help_argument> arguments;
  bool help_all = false;
  bool version = false;
  bool short_version = false;  // "-v, --version" rather than "--version"
};

// The help text, each line at most `width` display columns (a word longer
// than a line stays whole).
QString help_text(const command_line_help& help, int width = kHelpWidth);

// How many terminal columns `text` takes: two for each East Asian wide or
// full-width character, none for combining marks, one for the others.
int display_width(QStringView text);

// `text` broken into lines of at most `width` display columns at the places
// the Unicode line-breaking rules allow (between words, and between the
// characters of Japanese text), its own line breaks kept.
QStringList wrapped(const QString& text, int width);

}  // namespace mj::platform
