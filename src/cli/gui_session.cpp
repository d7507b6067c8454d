#include "cli/gui_session.h"

#include <cstdlib>

namespace lumidex::cli {

std::unique_ptr<QGuiApplication> StartGuiApplication() {
  if (QGuiApplication::instance() != nullptr) return nullptr;
  if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
      std::getenv("WAYLAND_DISPLAY") == nullptr) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  static int argc = 1;
  static char name[] = "lumidex-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace lumidex::cli
