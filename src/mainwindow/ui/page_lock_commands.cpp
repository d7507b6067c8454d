#include "mainwindow/ui/page_lock_commands.h"

#include <QAction>
#include <QMenu>
#include <QThread>

#include "album/album_store.h"
#include "album/album_text.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_popup_menu.h"
#include "imagelist/ui/list_view2.h"
#include "mainwindow/list_menu_additions.h"
#include "mainwindow/ui/list_menu_commands.h"
#include "mainwindow/ui/tform1.h"
#include "pagelock/ui/password_dlg.h"
#include "platform/environment.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

// The pause between the check of the current password and the question for
// the new one, so that a double Enter does not answer both.
constexpr unsigned long kChangePauseMs = 500;

}  // namespace

PageLockCommands::PageLockCommands(TForm1& window, AlbumStore& album, ImageListPanel& list)
    : QObject(&window),
      window_(window),
      album_(album),
      list_(list),
      settings_(SettingsFilePath(platform::SettingsFolder())),
      remembered_(std::make_unique<PagePassword>(settings_, window.settings().listlck)),
      asker_(&TPasswordDlg::Ask) {
  ListPopupMenu* menu = list_.popupMenu();
  lock_ = new QAction(QStringLiteral("ロックとアンロック"), menu);
  lock_->setObjectName(QStringLiteral("LockMenu"));
  static_cast<QMenu*>(menu)->insertAction(menu->deleteAction(), lock_);
  connect(lock_, &QAction::triggered, this, &PageLockCommands::ToggleLockOfSelectedPages);
  // The panel prepares its items before the menu shows; this item follows.
  connect(menu, &QMenu::aboutToShow, this, [this] {
    const ListMenuAdditions items = ListMenuAdditionsFor(ListMenuFactsOf(list_, nullptr));
    lock_->setVisible(items.lock);
    lock_->setEnabled(items.lockEnabled);
  });

  // The main menu shows the item while the window's settings hold a
  // registered password (KeepStoredForm keeps them up to date).
  password_ = window_.mainMenu().passwordChange;
  password_->setVisible(remembered_->registered());
  connect(password_, &QAction::triggered, this, &PageLockCommands::ChangePassword);
}

PageLockCommands::~PageLockCommands() = default;

AskPassword PageLockCommands::Ask() {
  return [this](PasswordQuestion question) { return asker_(question, &window_); };
}

bool PageLockCommands::InPageList() const { return list_.MenuFacts().mode == ListMode::kPageList; }

void PageLockCommands::ToggleLockOfSelectedPages() {
  if (!InPageList()) return;
  std::vector<std::string> pages;
  const std::vector<std::string>& lines = album_.Lines();
  for (size_t index : list_.SelectedLines()) {
    if (index < lines.size() && IsPageLine(lines[index])) pages.push_back(lines[index].substr(0, 5));
  }
  if (pages.empty()) return;
  const bool wasRegistered = remembered_->registered();
  Result<ToggleOutcome> outcome =
      ToggleLocks(*window_.environment().lockList, *remembered_, album_.loadedYear(), pages, Ask());
  if (!wasRegistered && remembered_->registered()) KeepStoredForm();
  if (!outcome.ok()) Report(outcome.status());
  list_.view()->viewport()->update();
}

void PageLockCommands::ChangePassword() {
  Result<bool> changed = lumidex::ChangePassword(*remembered_, Ask(), [] { QThread::msleep(kChangePauseMs); });
  if (!changed.ok()) {
    Report(changed.status());
  } else if (changed.value()) {
    KeepStoredForm();
  }
}

void PageLockCommands::KeepStoredForm() { window_.settings().listlck = remembered_->StoredForm(); }

void PageLockCommands::Report(const Status& status) { TForm1::ReportError(status); }

}  // namespace lumidex
