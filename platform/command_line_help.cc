// SPDX-License-Identifier: MIT
#include "platform/command_line_help.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextBoundaryFinder>
#include <algorithm>

namespace mj::platform {

namespace {

// The Unicode East Asian Width classes W and F, by block: the table that
// terminals use, independent of which locales the machine has installed.
bool is_wide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) ||
         (c >= 0x3041 && c <= 0x33FF) || (c >= 0x3400 && c <= 0x4DBF) ||
         (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
         (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1F64F) ||
         (c >= 0x1F900 && c <= 0x1F9FF) || (c >= 0x20000 && c <= 0x3FFFD);
}

QString spaces(int n) { return QString(std::max(n, 0), u' '); }

using help_rows = QList<std::pair<QString, QString>>;
constexpr int kIndent = 2;

// The column of the descriptions: after the widest name of both lists, up to
// a limit (a longer name has its description start on the next line).
int description_column(const help_rows& options, const help_rows& arguments) {
  constexpr int kMostNameWidth = 26;
  int column = 0;
  for (const help_rows* rows : {&options, &arguments})
    for (const auto& row : *rows)
      column = std::max(column, std::min(display_width(row.first), kMostNameWidth));
  return column + kIndent + 2;
}

// One list of the help: the names or syntax at two columns' indent, the
// descriptions wrapped in their column.
void add_list(QString& out, const help_rows& rows, int column, int width) {
  for (const auto& [name, description] : rows) {
    QString line = spaces(kIndent) + name;
    const int used = display_width(line);
    const QStringList lines = wrapped(description, std::max(width - column, 20));
    if (used + 1 >= column) {
      out += line + u'\n';
      line.clear();
    } else {
      line += spaces(column - used);
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
      if (i > 0 || line.isEmpty()) line = spaces(column);
      out += line + lines[i] + u'\n';
      line.clear();
    }
    if (lines.isEmpty() && !line.isEmpty()) out += line.trimmed() + u'\n';
  }
}

QString option_names(const QCommandLineOption& option) {
  QStringList names;
  for (const QString& n : option.names())
    names << (n.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + n;
  QString text = names.join(u", ");
  if (!option.valueName().isEmpty()) text += QStringLiteral(" <") + option.valueName() + u'>';
  return text;
}

}  // namespace

int display_width(QStringView text) {
  int width = 0;
  for (const char32_t c : text.toUcs4()) {
    const QChar::Category category = QChar::category(c);
    if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing ||
        category == QChar::Other_Format)
      continue;
    width += is_wide(c) ? 2 : 1;
  }
  return width;
}

QStringList wrapped(const QString& text, int width) {
  QStringList lines;
  for (const QString& paragraph : text.split(u'\n')) {
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, paragraph);
    QString line;
    qsizetype from = 0;
    for (qsizetype at = breaks.toNextBoundary(); at != -1; at = breaks.toNextBoundary()) {
      if (at == 0) continue;
      const QString piece = paragraph.mid(from, at - from);
      from = at;
      // A piece that passes the width starts the next line, without the
      // spaces that ended the line before it.
      if (!line.isEmpty() && display_width(QString(line + piece).trimmed()) > width) {
        lines << QString(line).remove(QRegularExpression(u"\\s+$"_qs));
        line.clear();
      }
      line += piece;
    }
    lines << QString(line).remove(QRegularExpression(u"\\s+$"_qs));
  }
  return lines;
}

QString help_text(const command_line_help& help, int width) {
  QString out;
  if (help.usage_forms.isEmpty()) {
    QString usage =
        QCoreApplication::translate("mj::command_line_help", "Usage: %1").arg(help.program);
    if (!help.options.isEmpty() || help.version)
      usage += u' ' + QCoreApplication::translate("mj::command_line_help", "[options]");
    for (const help_argument& a : help.arguments) usage += u' ' + a.syntax;
    for (const QString& line : wrapped(usage, width)) out += line + u'\n';
  } else {
    // "Usage:" once, the forms below each other; a form too long for a line
    // goes on two columns further in.
    const QString usage = QCoreApplication::translate("mj::command_line_help", "Usage:");
    const int indent_width = display_width(usage) + 1;
    const QString indent(indent_width, u' ');
    for (qsizetype i = 0; i < help.usage_forms.size(); ++i) {
      const QStringList lines = wrapped(help.usage_forms[i], width - indent_width - 2);
      for (qsizetype j = 0; j < lines.size(); ++j)
        out += (i == 0 && j == 0 ? usage + u' ' : indent) + (j == 0 ? u""_qs : u"  "_qs) +
               lines[j] + u'\n';
    }
  }
  for (const QString& line : wrapped(help.description, width)) out += line + u'\n';

  help_rows options;
  options.append({u"-h, --help"_qs, QCoreApplication::translate("mj::command_line_help",
                                                                "Show this help and exit.")});
  if (help.help_all)
    options.append({u"--help-all"_qs,
                    QCoreApplication::translate("mj::command_line_help", "The same as --help.")});
  if (help.version)
    options.append(
        {help.short_version ? u"-v, --version"_qs : u"--version"_qs,
         QCoreApplication::translate("mj::command_line_help", "Show the version and exit.")});
  for (const QCommandLineOption& o : help.options)
    options.append({option_names(o), o.description()});
  help_rows arguments;
  for (const help_argument& a : help.arguments) arguments.append({a.name, a.description});
  const int column = description_column(options, arguments);
  out += u'\n' + QCoreApplication::translate("mj::command_line_help", "Options:") + u'\n';
  add_list(out, options, column, width);
  if (!arguments.isEmpty()) {
    out += u'\n' + QCoreApplication::translate("mj::command_line_help", "Arguments:") + u'\n';
    add_list(out, arguments, column, width);
  }
  return out;
}

}  // namespace mj::platform
