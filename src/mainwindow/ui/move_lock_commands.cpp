#include "mainwindow/ui/move_lock_commands.h"

#include <QAbstractButton>

#include "freelayout/ui/free_layout_canvas.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/tform1.h"

namespace lumidex {

MoveLockCommands::MoveLockCommands(TForm1& window) : QObject(&window), window_(window) {
  const PageSidePanel::Toolbar& toolbar = window.pageSide()->toolbar();
  QAbstractButton* freeLayout = toolbar.freeLayout;
  QAbstractButton* banMove = toolbar.banMove;
  // The view may refuse to close (its save question) and put the button
  // down again without a signal: the state is read after the switch ran.
  connect(freeLayout, &QAbstractButton::toggled, this,
          [freeLayout, banMove] { banMove->setVisible(freeLayout->isChecked()); });
  connect(banMove, &QAbstractButton::toggled, this, &MoveLockCommands::Apply);
  banMove->setVisible(freeLayout->isChecked());
  Apply(banMove->isChecked());
}

void MoveLockCommands::Apply(bool locked) {
  QAbstractButton* banMove = window_.pageSide()->toolbar().banMove;
  banMove->setText(locked ? QStringLiteral("固定") : QStringLiteral("移動"));
  window_.pageSide()->freeLayout().canvas->SetMovesLocked(locked);
}

}  // namespace lumidex
