#include "platform/ui/japanese_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace lumidex::platform {

bool InstallJapaneseTranslations(QCoreApplication& app) {
  const QLocale japanese(QLocale::Japanese, QLocale::Japan);
  QLocale::setDefault(japanese);
  // The translator lives as long as the application, which asks it for
  // every text it translates.
  auto* translator = new QTranslator(&app);
  if (!translator->load(japanese, QStringLiteral("qt"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  app.installTranslator(translator);
  return true;
}

}  // namespace lumidex::platform
