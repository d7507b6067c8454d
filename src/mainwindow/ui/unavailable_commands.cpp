#include "mainwindow/ui/unavailable_commands.h"

#include <QAbstractButton>

#include "mainwindow/ui/calendar_bar.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/picture_view_panel.h"
#include "mainwindow/ui/tform1.h"

namespace lumidex {

void DisableUnavailableCommands(TForm1& window) {
  const PageSidePanel::Toolbar& toolbar = window.pageSide()->toolbar();
  const QString hint = QString::fromUtf8(kUnavailableHint);
  for (QAbstractButton* control : {toolbar.moreTools}) {
    control->setEnabled(false);
    const QString tip = control->toolTip();
    control->setToolTip(tip.isEmpty() ? hint : tip + QLatin1Char('\n') + hint);
    control->setStatusTip(hint);
  }
}

}  // namespace lumidex
