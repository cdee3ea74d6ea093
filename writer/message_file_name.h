// SPDX-License-Identifier: MIT
// Names of message files: made from the message itself, so that the user
// recognises a capsule by its name when it is opened again.
#pragma once

#include <QDateTime>
#include <QString>

namespace mj::writer {

inline constexpr int kNameCharacters = 100;
inline const QString kMessageExtension = QStringLiteral(".txt");

// Whether `character` (a Unicode code point) is left out of file names: the
// path and wildcard characters "\/;:,.*?<>|", the double quote, and every
// control character (codes below 32, and 127). Full-width forms are kept.
bool is_refused_in_file_name(char32_t character);

// The file name (without ".txt") of a message: its characters without the
// refused ones, at most the first 100 characters, and cut further at a
// character boundary until the name with ".txt" fits the file system.
// Empty when the message has no character that may stand in a name.
QString file_name_from_message(const QString& message);

// `name` with " (n)" for the n-th message stored under the same name (n >= 2;
// n <= 1 gives `name` itself), shortened at a character boundary so that the
// whole file name with ".txt" still fits the file system.
QString numbered_file_name(const QString& name, int n);

// The name of a message whose own characters make no name: the moment it was
// stored, "yyyy-mm-dd hhmmss".
QString date_time_file_name(const QDateTime& stored_at);

// Whether `name` with ".txt" fits the file system's limit.
bool fits_file_system(const QString& name);

}  // namespace mj::writer
