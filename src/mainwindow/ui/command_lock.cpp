#include "mainwindow/ui/command_lock.h"

#include <QMenuBar>
#include <QSplitter>

#include "mainwindow/ui/calendar_bar.h"
#include "mainwindow/ui/tform1.h"

namespace lumidex {

CommandLock::CommandLock(TForm1& window) {
  // Every region of the window but the status area.
  QWidget* const regions[] = {window.menuBar(), window.calendarBar(), window.splitter()};
  for (QWidget* region : regions) {
    if (region == nullptr || !region->isEnabled()) continue;
    region->setEnabled(false);
    disabled_.push_back(region);
  }
}

CommandLock::~CommandLock() {
  for (const QPointer<QWidget>& region : disabled_) {
    if (region) region->setEnabled(true);
  }
}

}  // namespace lumidex
