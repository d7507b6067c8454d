// lumidex-album: the window program. AlbumProgram runs the start in its
// fixed order, the message loop, and the exit when the window closes.
#include <exception>

#include "app/album_program.h"
#include "mainwindow/ui/application_look.h"
#include "mainwindow/ui/error_reporting_application.h"
#include "mainwindow/ui/version_box.h"

int main(int argc, char** argv) {
  lumidex::ErrorReportingApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("lumidex-album"));
  // The desktop matches the windows to the menu entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("lumidex-album"));
  QApplication::setWindowIcon(lumidex::ProgramIcon());
  lumidex::ApplyApplicationLook(app);
  try {
    lumidex::AlbumProgram program;
    return program.Run(app);
  } catch (const std::exception& error) {
    // An error that escapes the start itself ends the program after its report.
    lumidex::ErrorReportingApplication::ShowErrorBox(error.what());
    return 1;
  }
}
