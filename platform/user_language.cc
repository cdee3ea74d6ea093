#include "platform/user_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

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

void drop(std::unique_ptr<QTranslator>& translator) {
  if (!translator) return;
  QCoreApplication::removeTranslator(translator.get());
  translator.reset();
}

}  // namespace

user_language use_user_language(const QLocale& locale) {
  drop(own_translator());
  drop(qt_translator());
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
