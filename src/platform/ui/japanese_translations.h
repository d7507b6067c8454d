#pragma once

class QCoreApplication;

namespace lumidex::platform {

// Makes Japanese the language of the standard dialogs (file dialogs,
// message box buttons, the month calendar's month and weekday names):
// sets the default locale to Japanese (Japan) and installs Qt's own
// Japanese translations ("qt_ja.qm" of Qt's translations folder, with
// qtbase_ja.qm and the others it names; Debian's qt6-translations-l10n)
// into `app`.
//
// Returns true when the translations were installed. Without them (the
// package is missing) the locale is still Japanese, the standard dialogs
// keep Qt's English texts and the program runs on. Call once, before the
// first widget is created. Main thread only.
bool InstallJapaneseTranslations(QCoreApplication& app);

}  // namespace lumidex::platform
