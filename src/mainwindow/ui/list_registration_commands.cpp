#include "mainwindow/ui/list_registration_commands.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

#include "album/album_store.h"
#include "filetools/ui/clipboard_files.h"
#include "filetools/ui/registration_actions.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_popup_menu.h"
#include "imagelist/ui/list_view2.h"
#include "mainwindow/ui/command_lock.h"

namespace lumidex {

ListRegistrationCommands::ListRegistrationCommands(TForm1& window, ImageListPanel& list,
                                                   AlbumStore& album,
                                                   RegistrationContext& registration,
                                                   std::function<void(const Status&)> registered,
                                                   QObject* parent)
    : QObject(parent),
      window_(window),
      list_(list),
      album_(album),
      registration_(registration),
      registered_(std::move(registered)) {
  list.SetPasteTest([] { return CanPaste(QApplication::clipboard()->mimeData()); });
  ListPopupMenu* menu = list.popupMenu();
  connect(menu->addFromFolderAction(), &QAction::triggered, this,
          &ListRegistrationCommands::AddFromFolder);
  connect(menu->addFromDialogAction(), &QAction::triggered, this,
          &ListRegistrationCommands::AddFromDialog);
  connect(menu->cutAction(), &QAction::triggered, this, &ListRegistrationCommands::Cut);
  connect(menu->insertAction(), &QAction::triggered, this, &ListRegistrationCommands::Insert);
  connect(menu->copyAction(), &QAction::triggered, this,
          [this] { copiedComments_ = CopyFilesCommand(registration_, list_.SelectedLines()); });
  connect(menu->copyAlbumInfoAction(), &QAction::triggered, this,
          [this] { CopyAlbumInfoCommand(registration_, list_.SelectedLines()); });
  connect(menu->pasteAction(), &QAction::triggered, this, &ListRegistrationCommands::Paste);
  list.view()->installEventFilter(this);
}

std::string ListRegistrationCommands::TargetPage() const {
  if (album_.PageOpen()) return album_.openPage();
  const std::vector<size_t> rows = list_.SelectedLines();
  if (rows.empty() || list_.list().mode() != ListMode::kPageList) return {};
  return std::string(list_.list().entries().NameAt(static_cast<int>(rows.front())));
}

void ListRegistrationCommands::AddFromFolder() {
  const std::string page = TargetPage();
  if (page.empty()) return;
  {
    CommandLock lock(window_);
    AddFromFolderCommand(registration_, page);
  }
  registered_(Status::Ok());
}

void ListRegistrationCommands::AddFromDialog() {
  const std::string page = TargetPage();
  if (page.empty()) return;
  AddFromDialogCommand(registration_, page);
  registered_(Status::Ok());
}

void ListRegistrationCommands::Cut() {
  if (!album_.PageOpen()) return;
  const std::vector<size_t> selection = list_.SelectedLines();
  if (selection.empty()) return;
  CutCommand(registration_, selection);
  list_.view()->clearSelection();
  registered_(Status::Ok());
}

void ListRegistrationCommands::Insert() {
  if (!album_.PageOpen()) return;
  const std::vector<size_t> selection = list_.SelectedLines();
  const size_t before = selection.empty() ? album_.Lines().size() : selection.front();
  const std::vector<size_t> inserted = InsertCommand(registration_, before);
  registered_(Status::Ok());
  list_.view()->SelectRows(QVector<int>(inserted.begin(), inserted.end()));
}

void ListRegistrationCommands::Paste() {
  const std::string page = TargetPage();
  if (page.empty()) return;
  PasteCommand(registration_, page);
  registered_(Status::Ok());
}

void ListRegistrationCommands::RunIfOffered(QAction* action) {
  list_.popupMenu()->Prepare(list_.MenuFacts());
  if (action->isVisible() && action->isEnabled()) action->trigger();
}

bool ListRegistrationCommands::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched == list_.view()) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Copy)) {
      RunIfOffered(list_.popupMenu()->copyAction());
      return true;
    }
    if (key->matches(QKeySequence::Paste)) {
      RunIfOffered(list_.popupMenu()->pasteAction());
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace lumidex
