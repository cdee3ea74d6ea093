// SPDX-License-Identifier: MIT
#include "writer/message_file_name.h"

#include <QStringView>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <string_view>

#include "platform/paths.h"

namespace mj::writer {

namespace {

constexpr std::u32string_view kRefusedPunctuation = U"\\/;:,.*?<>|\"";

// Only the first characters of a message can reach its name: the limit allows
// at most 255 units, so a longer kept prefix never changes the result, and
// looking no further keeps huge messages cheap.
constexpr auto kKeptUnitsConsidered = static_cast<qsizetype>(2 * platform::kFileNameLimit + 2);

QString kept_characters(const QString& message) {
  QString kept;
  for (qsizetype i = 0; i < message.size() && kept.size() < kKeptUnitsConsidered;) {
    const QChar unit = message.at(i);
    const bool pair =
        unit.isHighSurrogate() && i + 1 < message.size() && message.at(i + 1).isLowSurrogate();
    const qsizetype length = pair ? 2 : 1;
    const char32_t c = pair ? QChar::surrogateToUcs4(unit, message.at(i + 1)) : unit.unicode();
    // A lone surrogate is no character at all and has no UTF-8 form.
    if (!unit.isSurrogate() || pair) {
      if (!is_refused_in_file_name(c)) kept.append(QStringView(message).mid(i, length));
    }
    i += length;
  }
  return kept;
}

// The longest prefix of `text` that ends on a character boundary (so neither
// a surrogate pair nor a letter with its accents is split), holds at most
// `max_characters` characters, and fits the file system behind `suffix`.
QString fitting_prefix(const QString& text, int max_characters, const QString& suffix) {
  QTextBoundaryFinder boundaries(QTextBoundaryFinder::Grapheme, text);
  qsizetype end = 0;
  for (int count = 0; count < max_characters; ++count) {
    const qsizetype next = boundaries.toNextBoundary();
    if (next < 0 || !fits_file_system(text.left(next) + suffix)) break;
    end = next;
  }
  return text.left(end);
}

}  // namespace

bool is_refused_in_file_name(char32_t character) {
  if (character < 32 || character == 127) return true;
  return kRefusedPunctuation.find(character) != std::u32string_view::npos;
}

bool fits_file_system(const QString& name) {
  return platform::file_name_units((name + kMessageExtension).toStdU16String()) <=
         platform::kFileNameLimit;
}

QString file_name_from_message(const QString& message) {
  return fitting_prefix(kept_characters(message), kNameCharacters, QString());
}

QString numbered_file_name(const QString& name, int n) {
  if (n <= 1) return name;
  const QString suffix = QStringLiteral(" (%1)").arg(n);
  return fitting_prefix(name, std::max<int>(static_cast<int>(name.size()), 1), suffix) + suffix;
}

QString date_time_file_name(const QDateTime& stored_at) {
  return stored_at.toString(QStringLiteral("yyyy-MM-dd HHmmss"));
}

}  // namespace mj::writer
