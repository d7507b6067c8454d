#include "mainwindow/ui/error_reporting_application.h"

#include <QMessageBox>
#include <exception>

#include "foundation/app_identity.h"
#include "mainwindow/error_text.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {

ErrorReportingApplication::ErrorReportingApplication(int& argc, char** argv)
    : QApplication(argc, argv), reporter_(&ShowErrorBox) {}

bool ErrorReportingApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    reporter_(error.what());
    return false;
  }
}

void ErrorReportingApplication::ShowErrorBox(const std::string& errorText) {
  QMessageBox box(QMessageBox::Critical, ToQString(kAppTitle), ToQString(ErrorReportText(errorText)), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

}  // namespace lumidex
