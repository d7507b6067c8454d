#include "mainwindow/ui/command_lock.h"

#include <QMenuBar>

#include "mainwindow/ui/status_area.h"
#include "mainwindow/ui/tform1.h"

namespace lumidex {

CommandLock::CommandLock(TForm1& window) {
  QVector<QWidget*> regions{window.menuBar()};
  for (QWidget* child :
       window.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child != window.statusArea()) regions.push_back(child);
  }
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
