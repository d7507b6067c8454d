#include "mainwindow/ui/opened_files_commands.h"

#include <QMessageBox>
#include <QStatusBar>

#include "album/album_store.h"
#include "calendar/ui/calendar_controller.h"
#include "filetools/auto_registration.h"
#include "filetools/opened_files.h"
#include "foundation/app_identity.h"
#include "foundation/message_format.h"
#include "mainwindow/ui/album_views.h"
#include "mainwindow/ui/command_lock.h"
#include "mainwindow/ui/tform1.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {

void RegisterOpenedFiles(TForm1& window, AlbumStore& store, AlbumViews& views,
                         const std::vector<std::string>& arguments, const std::string& currentFolder) {
  if (arguments.empty() || !window.hasEnvironment()) return;
  const OpenedFiles files = SortOpenedFiles(arguments, currentFolder, window.environment().types);
  if (!files.pictures.empty()) {
    AutoRegisterOptions options;
    options.exifDates = true;
    options.includeManaged = true;
    const Result<AutoRegisterReport> report = [&] {
      CommandLock lock(window);
      AutoRegistration registration(store, window.environment().types);
      return registration.RunOnFiles(files.pictures, options, window.longOperation());
    }();
    Status status = report.status();
    if (report.ok()) {
      const AutoRegisterReport& done = report.value();
      for (const std::string& message : done.saveErrors) TForm1::ReportError(Status::Error(message));
      if (const std::string skipped = SkippedFilesMessage(done); !skipped.empty()) {
        QMessageBox::information(&window, ToQString(kAppTitle), ToQString(skipped));
      }
      window.statusBar()->showMessage(ToQString(FormatMessage(
          "%s 個のファイルを撮影日のページに登録しました", {std::to_string(done.added())})));
      status = Status::Ok();
    }
    views.EntriesRegistered(status);
    // The calendar goes to the earliest day that got a picture, so the user
    // sees where they went.
    if (report.ok() && !report.value().addedPerDate.empty()) {
      views.calendar().ShowMonth(ToQString(report.value().addedPerDate.begin()->first), true);
    }
  }
  if (const std::string refused = RefusedFilesMessage(files); !refused.empty()) {
    QMessageBox::warning(&window, ToQString(kAppTitle), ToQString(refused));
  }
}

}  // namespace lumidex
