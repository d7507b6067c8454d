#pragma once

#include <QSplashScreen>

namespace lumidex {

// The 200 x 80 start-up picture shown centred on the screen while the window
// is built: white with a grey frame, the title in bold blue mincho, the
// loading text and the maker's name.
class SplashScreen : public QSplashScreen {
 public:
  SplashScreen();
};

}  // namespace lumidex
