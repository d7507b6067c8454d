#include "mainwindow/ui/desktop_shortcut_commands.h"

#include <QMenu>
#include <QMessageBox>

#include "desktop/desktop_entry.h"
#include "mainwindow/ui/error_reporting_application.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {

DesktopShortcutCommands::DesktopShortcutCommands(QMenu& tools, QWidget& window, FileStore& store,
                                                 std::string entryPath, std::string runningProgram)
    : QObject(&tools),
      window_(window),
      store_(store),
      entryPath_(std::move(entryPath)),
      runningProgram_(std::move(runningProgram)) {
  repair_ = tools.addAction(QStringLiteral("ショートカットアイコンの修正"));
  repair_->setObjectName(QStringLiteral("N96"));
  connect(&tools, &QMenu::aboutToShow, this, &DesktopShortcutCommands::DecideVisibility);
  connect(repair_, &QAction::triggered, this, &DesktopShortcutCommands::N96Click);
  DecideVisibility();
}

void DesktopShortcutCommands::DecideVisibility() {
  const DesktopEntryState state = ReadDesktopEntry(store_, entryPath_);
  if (state.kind == DesktopEntryState::Kind::kReadable) remembered_ = state.target;
  repair_->setVisible(ShortcutRepairOffered(state, runningProgram_));
}

void DesktopShortcutCommands::N96Click() {
  const QMessageBox::StandardButton answer = QMessageBox::question(
      &window_, ToQString(kShortcutRepairCaption),
      ToQString(ShortcutRepairQuestion(remembered_, runningProgram_)), QMessageBox::Yes | QMessageBox::No);
  if (answer != QMessageBox::Yes) return;
  if (Status repaired = RepairDesktopEntry(store_, entryPath_, runningProgram_); !repaired.ok()) {
    ErrorReportingApplication::ShowErrorBox(repaired.message());
  }
  DecideVisibility();
}

}  // namespace lumidex
