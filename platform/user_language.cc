// SPDX-License-Identifier: MIT
#include "platform/user_language.h"

#include <QCoreApplication>
#include <QDate>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

#include "base/wording.h"

namespace mj::platform {

namespace {

// The translators in use; kept for the life of the program, replaced by a
// later call.
std::unique_ptr<QTranslator>& own_translator() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
}

std::unique_ptr<QTranslator>& qt_translator() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
}

// The sentences of the plain C++ code through the installed translations,
// and days in the locale's long date format with short names where the
// locale writes in Latin letters ("Tue, Dec 8, 2026" in the US, "Tue, 8 Dec
// 2026" in Britain, "2026年12月8日火曜日" in Japan). The C locale, which
// states no preference, keeps the programs' own "Tue 8 Dec 2026".
class locale_wording final : public wording {
 public:
  explicit locale_wording(const QLocale& locale) : locale_(locale) {
    format_ = locale.dateFormat(QLocale::LongFormat);
    if (locale.script() == QLocale::LatinScript) {
      format_.replace(QStringLiteral("dddd"), QStringLiteral("ddd"));
      format_.replace(QStringLiteral("MMMM"), QStringLiteral("MMM"));
    }
  }

  std::string translate(const char* context, const char* english) const override {
    return QCoreApplication::translate(context, english).toStdString();
  }

  std::string day(date d) const override {
    if (locale_.language() == QLocale::C) return wording::day(d);
    using namespace std::chrono;
    const year_month_day ymd{d};
    const QDate qdate(static_cast<int>(ymd.year()), static_cast<int>(unsigned{ymd.month()}),
                      static_cast<int>(unsigned{ymd.day()}));
    return locale_.toString(qdate, format_).toStdString();
  }

 private:
  QLocale locale_;
  QString format_;
};

std::unique_ptr<locale_wording>& own_wording() {
  static std::unique_ptr<locale_wording> wording;
  return wording;
}

void drop(std::unique_ptr<QTranslator>& translator) {
  if (!translator) return;
  QCoreApplication::removeTranslator(translator.get());
  translator.reset();
}

}  // namespace

user_language use_user_language(const QLocale& locale) {
  drop(own_translator());
  drop(qt_translator());
  // The wording follows the locale even without a translation, for its days.
  auto words = std::make_unique<locale_wording>(locale);
  use_wording(words.get());
  own_wording() = std::move(words);
  user_language chosen;
  // The programs' translations are embedded as resources, built from
  // translations/morrowjar_<language>.ts.
  auto own = std::make_unique<QTranslator>();
  if (!own->load(locale, QStringLiteral("morrowjar"), QStringLiteral("_"),
                 QStringLiteral(":/i18n")))
    return chosen;
  chosen.language = own->language();
  QCoreApplication::installTranslator(own.get());
  own_translator() = std::move(own);

  auto qt = std::make_unique<QTranslator>();
  if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt.get());
    qt_translator() = std::move(qt);
    chosen.qt_translation = true;
  }
  return chosen;
}

}  // namespace mj::platform
