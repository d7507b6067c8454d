#include "mainwindow/ui/application_look.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

#include "platform/ui/japanese_translations.h"

namespace lumidex {

bool ApplyApplicationLook(QApplication& app) {
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QFont font(QStringLiteral("Noto Sans CJK JP"));
  font.setPixelSize(12);
  QApplication::setFont(font);
  return platform::InstallJapaneseTranslations(app);
}

}  // namespace lumidex
