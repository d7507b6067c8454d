#include "mainwindow/ui/unavailable_commands.h"

#include <QAbstractButton>

#include "mainwindow/ui/calendar_bar.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/picture_view_panel.h"
#include "mainwindow/ui/tform1.h"

namespace lumidex {

void DisableUnavailableCommands([[maybe_unused]] TForm1& window) {
  // Every control of the window has its command now; a control whose
  // command goes missing again is listed here.
  const std::initializer_list<QAbstractButton*> unavailable = {};
  const QString hint = QString::fromUtf8(kUnavailableHint);
  for (QAbstractButton* control : unavailable) {
    control->setEnabled(false);
    const QString tip = control->toolTip();
    control->setToolTip(tip.isEmpty() ? hint : tip + QLatin1Char('\n') + hint);
    control->setStatusTip(hint);
  }
}

}  // namespace lumidex
