// SPDX-License-Identifier: MIT
#include "platform/day_record.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QSettings>
#include <charconv>
#include <filesystem>

#include "base/wording.h"
#include "platform/capsule_root.h"
#include "platform/settings_store.h"

namespace mj::platform {

namespace {

const QString kDefaultSection = QStringLiteral("date");
const QString kServedKey = QStringLiteral("prev_date");
const QString kUnfinishedKey = QStringLiteral("unfinished");
const QString kPathKey = QStringLiteral("root");

QSettings open_store() { return open_settings_store(); }

std::string without_final_separator(std::string path) {
  while (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) path.pop_back();
  return path;
}

// The default capsule root keeps the section earlier versions wrote.
QString section_of(const std::string& canonical_root) {
  static const std::string default_root = canonical_root_path(resolve_capsule_root("").full_path());
  if (canonical_root == default_root) return kDefaultSection;
  const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(canonical_root),
                                                   QCryptographicHash::Sha256)
                              .toHex()
                              .left(16);
  return QStringLiteral("capsule_") + QString::fromLatin1(hash);
}

failure damaged(const QString& detail) {
  return make_failure(
      failure_code::type_mismatch,
      fill(localized("mj::platform::day_record",
                     "The record of the days already served, in %1, cannot be read (%2)"),
           {day_record_location().toStdString(), detail.toStdString()}));
}

// A stored value that must be a plain text: absent is fine, anything else
// (a list, a stored variant, "@Invalid()") is damage.
result<std::optional<QString>> text_value(const QSettings& store, const QString& key) {
  if (!store.contains(key)) return std::optional<QString>();
  const QVariant value = store.value(key);
  if (value.typeId() != QMetaType::QString)
    return damaged(
        fill(localized("mj::platform::day_record", "%1 is not a single value"), {key.toStdString()})
            .c_str());
  return std::optional<QString>(value.toString());
}

result<void> written(QSettings& store) {
  store.sync();
  // A format error met while reading stays in the status: only an access
  // error says that writing failed.
  if (store.status() != QSettings::AccessError) return {};
  return make_failure(
      failure_code::path_access,
      fill(localized("mj::platform::day_record", "the settings store %1 cannot be written"),
           {store.fileName().toStdString()}));
}

}  // namespace

std::string canonical_root_path(const std::string& root_path) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path path(without_final_separator(root_path));
  fs::path canonical = fs::canonical(path, error);
  if (error) canonical = fs::absolute(path, error).lexically_normal();
  return without_final_separator(canonical.string());
}

QString day_record_location() { return open_store().fileName(); }

std::string format_record_day(date d) {
  std::string text = format_iso_date(d);
  for (char& c : text)
    if (c == '-') c = '/';
  return text;
}

std::optional<date> parse_record_day(std::string_view text) {
  int parts[3] = {0, 0, 0};
  size_t at = 0;
  for (int i = 0; i < 3; ++i) {
    if (i > 0) {
      if (at >= text.size() || text[at] != '/') return std::nullopt;
      ++at;
    }
    const char* begin = text.data() + at;
    const auto [end, error] = std::from_chars(begin, text.data() + text.size(), parts[i]);
    if (error != std::errc() || end == begin || end - begin > 4) return std::nullopt;
    at += static_cast<size_t>(end - begin);
  }
  if (at != text.size()) return std::nullopt;
  const std::chrono::year_month_day ymd{std::chrono::year{parts[0]},
                                        std::chrono::month{static_cast<unsigned>(parts[1])},
                                        std::chrono::day{static_cast<unsigned>(parts[2])}};
  if (!ymd.ok() || !in_supported_range(date{ymd})) return std::nullopt;
  return date{ymd};
}

result<day_record> read_day_record(const std::string& canonical_root) {
  QSettings store = open_store();
  switch (store.status()) {
    case QSettings::NoError:
      break;
    case QSettings::AccessError:
      return damaged(localized("mj::platform::day_record", "the file cannot be read").c_str());
    case QSettings::FormatError:
      return damaged(localized("mj::platform::day_record", "the file is damaged").c_str());
  }
  store.beginGroup(section_of(canonical_root));
  day_record record;
  const auto served = text_value(store, kServedKey);
  if (!served.ok()) return served.error();
  if (*served && !(*served)->isEmpty()) {
    record.served_through = parse_record_day((*served)->toStdString());
    if (!record.served_through)
      return damaged(fill(localized("mj::platform::day_record", "%1 is not a date: \"%2\""),
                          {kServedKey.toStdString(), (*served)->toStdString()})
                         .c_str());
  }
  const auto unfinished = text_value(store, kUnfinishedKey);
  if (!unfinished.ok()) return unfinished.error();
  if (*unfinished) {
    for (const QString& word : (*unfinished)->split(' ', Qt::SkipEmptyParts)) {
      const std::optional<date> day = parse_record_day(word.toStdString());
      if (!day)
        return damaged(fill(localized("mj::platform::day_record", "%1 is not a date: \"%2\""),
                            {kUnfinishedKey.toStdString(), word.toStdString()})
                           .c_str());
      record.unfinished.push_back(*day);
    }
    std::sort(record.unfinished.begin(), record.unfinished.end());
  }
  return record;
}

result<void> record_run_started(const std::string& canonical_root, date day) {
  QSettings store = open_store();
  store.beginGroup(section_of(canonical_root));
  QStringList days = store.value(kUnfinishedKey).toString().split(' ', Qt::SkipEmptyParts);
  const QString text = QString::fromStdString(format_record_day(day));
  if (days.contains(text)) return {};
  days.append(text);
  store.setValue(kUnfinishedKey, days.join(' '));
  if (store.group() != kDefaultSection)
    store.setValue(kPathKey, QString::fromStdString(canonical_root));
  return written(store);
}

result<void> record_day_served(const std::string& canonical_root, date day) {
  QSettings store = open_store();
  store.beginGroup(section_of(canonical_root));
  QStringList later;
  for (const QString& word :
       store.value(kUnfinishedKey).toString().split(' ', Qt::SkipEmptyParts)) {
    const std::optional<date> d = parse_record_day(word.toStdString());
    if (d && *d > day) later.append(word);
  }
  store.setValue(kServedKey, QString::fromStdString(format_record_day(day)));
  if (later.isEmpty())
    store.remove(kUnfinishedKey);
  else
    store.setValue(kUnfinishedKey, later.join(' '));
  if (store.group() != kDefaultSection)
    store.setValue(kPathKey, QString::fromStdString(canonical_root));
  return written(store);
}

}  // namespace mj::platform
