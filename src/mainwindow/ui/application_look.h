#pragma once

class QApplication;

namespace lumidex {

// The look every window of the program shares, set once before the first
// widget: the Fusion style, the Japanese gothic of fonts-noto-cjk at 12
// pixels as the font, and Japanese standard dialogs
// (platform::InstallJapaneseTranslations). Returns whether Qt's Japanese
// translations were installed; without them the program runs on with
// English standard dialogs. Main thread only.
bool ApplyApplicationLook(QApplication& app);

}  // namespace lumidex
