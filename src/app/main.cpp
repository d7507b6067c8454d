// lumidex-album: the window program. Start order: single-instance lock, data
// folders and documents, then the main window behind the splash.
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <exception>

#include "foundation/app_environment.h"
#include "foundation/app_identity.h"
#include "foundation/data_folders.h"
#include "mainwindow/error_text.h"
#include "mainwindow/ui/splash_screen.h"
#include "mainwindow/ui/tform1.h"
#include "platform/environment.h"
#include "platform/single_instance_lock.h"

namespace {

QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void ShowStartError(const std::string& text) {
  QMessageBox::critical(nullptr, Utf8(lumidex::kAppTitle), Utf8(lumidex::ErrorReportText(text)));
}

int RunAlbum(QApplication& app) {
  using namespace lumidex;
  const std::string base = platform::ApplicationBaseFolder();
  MakeFolders(platform::RuntimeFolder());
  auto lock = platform::SingleInstanceLock::TryAcquire(platform::SingleInstanceLock::LockFileFor(base));
  if (!lock) {
    QMessageBox::information(nullptr, Utf8(kAppTitle),
                             Utf8(std::string(kAppTitle) + std::string(kAlreadyRunningSuffix)));
    return 0;
  }

  SplashScreen splash;
  splash.show();
  app.processEvents();

  auto environment = AppEnvironment::Open(base, platform::LoginName());
  if (!environment.ok()) {
    splash.close();
    ShowStartError(environment.status().message());
    return 1;
  }
  TForm1 window(std::move(environment).value());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    window.move(screen->availableGeometry().center() - window.rect().center());
  }
  window.show();
  splash.finish(&window);
  return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("lumidex-album"));
  try {
    return RunAlbum(app);
  } catch (const std::exception& e) {
    ShowStartError(e.what());
    return 1;
  }
}
