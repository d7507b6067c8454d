#include "mainwindow/ui/favourites_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTreeWidget>
#include <algorithm>

#include "album/album_prompts.h"
#include "album/album_store.h"
#include "album/album_text.h"
#include "calendar/ui/calendar_controller.h"
#include "foundation/file_paths.h"
#include "foundation/file_types.h"
#include "foundation/mem_ini_file.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_popup_menu.h"
#include "mainwindow/favourites_menu_rules.h"
#include "mainwindow/ui/entry_navigation.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/tform1.h"
#include "platform/ui/clipboard_file_list.h"
#include "platform/ui/control_hint.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {

FavouritesView::FavouritesView(TForm1& window, ImageListPanel& list, AlbumStore& album,
                               CalendarController& calendar, AlbumPrompts& prompts)
    : QObject(&window), window_(window), list_(list), album_(album), calendar_(calendar), prompts_(prompts) {
  const PageSidePanel& side = *window.pageSide();
  const PageSidePanel::Favourites& parts = side.favourites();
  connect(side.toolbar().favourites, &QAbstractButton::toggled, this, &FavouritesView::Show);
  connect(parts.close, &QAbstractButton::clicked, side.toolbar().favourites, [&side] {
    side.toolbar().favourites->setChecked(false);
  });
  connect(parts.list, &QTreeWidget::itemDoubleClicked, this,
          [this, &parts](QTreeWidgetItem* item) { Open(parts.list->indexOfTopLevelItem(item)); });
  connect(parts.list, &QTreeWidget::currentItemChanged, this, [this, &parts](QTreeWidgetItem* item) {
    const int row = item != nullptr ? parts.list->indexOfTopLevelItem(item) : -1;
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    const FavouriteRow& favourite = rows_[row];
    emit list_.statusText(ToQString(favourite.isSubAlbum() ? favourite.SubAlbumColumn() : favourite.key));
  });

  menu_ = new QMenu(parts.list);
  menu_->setObjectName(QStringLiteral("PopupMenu5"));
  const auto add = [this](const char* name, const QString& caption, auto slot, const QString& hint = {}) {
    return AddMenuCommand(menu_, name, caption, this, slot, hint);
  };
  QAction* open = add("Open3", QStringLiteral("開く(&O)"), [this] {
    const std::vector<int> selected = SelectedRows();
    if (!selected.empty()) Open(selected.front());
  }, QStringLiteral("選択したファイルのページを開く（リストのダブルクリックでも可能）"));
  QAction* copy = add("Copy3", QStringLiteral("コピー(&C)"), [this] { CopySelected(); });
  QAction* paste = add("Paste6", QStringLiteral("貼り付け(&P)"), [this] { Paste(); },
                       QStringLiteral("一時的に保持する（お気に入りには登録されません。）"));
  QAction* selectAll =
      AddMenuCommand(menu_, "A1", QStringLiteral("全て選択(&A)"), parts.list, &QTreeWidget::selectAll);
  QAction* remove = add("Delete4", QStringLiteral("削除(&D)"), [this] { DeleteSelected(); },
                        QStringLiteral("お気に入りから削除する"));
  connect(menu_, &QMenu::aboutToShow, this, [this, &parts, open, copy, paste, selectAll, remove] {
    FavouritesMenuState state;
    state.rowCount = parts.list->topLevelItemCount();
    state.selectedCount = static_cast<int>(SelectedRows().size());
    state.clipboardHasFiles = ClipboardHoldsFiles();
    const FavouritesMenuOffer offer = FavouritesMenuOfferFor(state);
    open->setEnabled(offer.open);
    copy->setEnabled(offer.copy);
    paste->setEnabled(offer.paste);
    selectAll->setEnabled(offer.selectAll);
    remove->setEnabled(offer.remove);
  });
  parts.list->viewport()->installEventFilter(this);
  parts.list->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(parts.list, &QWidget::customContextMenuRequested, this,
          [this, &parts](const QPoint& at) { menu_->popup(parts.list->viewport()->mapToGlobal(at)); });

  ListPopupMenu* listMenu = list.popupMenu();
  addToFavourites_ =
      AddMenuCommand(listMenu, "FavoriteMenu", QStringLiteral("お気に入りに追加"), this, &FavouritesView::AddSelected);
  connect(listMenu, &QMenu::aboutToShow, this, [this] {
    addToFavourites_->setVisible(
        FavouriteAdditionOffered(album_.PageOpen(), static_cast<int>(list_.SelectedLines().size())));
  });
  // A page opened or left, another year: the panel follows.
  const auto refreshShown = [this] {
    if (window_.pageSide()->favourites().panel->isVisible()) Refresh();
  };
  connect(&list, &ImageListPanel::contentChanged, this, refreshShown);
  // The free layout view shown by album name lists the whole year's
  // favourites, so the panel follows the view and its way switch too.
  connect(side.toolbar().freeLayout, &QAbstractButton::toggled, this, refreshShown);
  connect(side.toolbar().byDate, &QAbstractButton::toggled, this, refreshShown);
}

std::string FavouritesView::Document() const {
  return FavouritesFile(window_.environment().folders.myPhotoDir, album_.loadedYear());
}

void FavouritesView::Show(bool shown) {
  const PageSidePanel::Favourites& parts = window_.pageSide()->favourites();
  parts.panel->setVisible(shown);
  if (shown) {
    Refresh();
  } else {
    parts.list->clear();
    rows_.clear();
  }
}

void FavouritesView::Refresh() {
  const PageSidePanel::Favourites& parts = window_.pageSide()->favourites();
  parts.list->clear();
  rows_.clear();
  if (!album_.HasYear()) return;
  const std::string year = album_.loadedYear();
  const bool byAlbumName = window_.pageSide()->toolbar().freeLayout->isChecked() && window_.settings().freemode;
  const std::string page = album_.PageOpen() && !byAlbumName ? album_.openPage() : std::string();
  parts.title->setText(ToQString(FavouritesTitle(year, page)));
  Result<std::unique_ptr<TMemIniFile>> doc = TMemIniFile::Open(Document());
  if (!doc.ok()) {
    prompts_.Inform(doc.status().message());
    return;
  }
  const auto locked = [&](std::string_view section) { return album_.IsPageLocked(year, section); };
  for (const FavouriteRow& row : FavouriteRows(*doc.value(), page, locked)) AppendRow(row);
}

void FavouritesView::AppendRow(const FavouriteRow& row) {
  QTreeWidget& list = *window_.pageSide()->favourites().list;
  auto* item = new QTreeWidgetItem(
      &list, {ToQString(row.DateColumn()), ToQString(row.SubAlbumColumn()), ToQString(row.FileNameColumn())});
  item->setToolTip(2, ToQString(row.isSubAlbum() ? row.SubAlbumColumn() : row.key));
  rows_.push_back(row);
}

std::vector<int> FavouritesView::SelectedRows() const {
  const QTreeWidget& list = *window_.pageSide()->favourites().list;
  std::vector<int> rows;
  for (QTreeWidgetItem* item : list.selectedItems()) rows.push_back(list.indexOfTopLevelItem(item));
  std::sort(rows.begin(), rows.end());
  return rows;
}

void FavouritesView::AddSelected() {
  if (!album_.PageOpen()) return;
  std::vector<std::string> lines;
  for (size_t index : list_.SelectedLines()) {
    if (index < album_.Lines().size()) lines.push_back(album_.Lines()[index]);
  }
  if (lines.empty()) return;
  Result<std::unique_ptr<TMemIniFile>> doc = TMemIniFile::Open(Document());
  if (!doc.ok()) {
    prompts_.Inform(doc.status().message());
    return;
  }
  const std::string subAlbum = album_.SubAlbumOpen() ? album_.currentSection() : std::string();
  const std::vector<FavouriteRow> added = AddFavourites(*doc.value(), album_.openPage(), subAlbum, lines);
  if (Status saved = doc.value()->Save(); !saved.ok()) {
    prompts_.Inform(saved.message());
    return;
  }
  // The new rows stay at the end until the next fill.
  if (window_.pageSide()->favourites().panel->isVisible()) {
    for (const FavouriteRow& row : added) AppendRow(row);
  }
}

void FavouritesView::Open(int index) {
  if (index < 0 || index >= static_cast<int>(rows_.size()) || rows_[index].temporary) return;
  const FavouriteRow row = rows_[index];
  EntryPlace place;
  place.date = album_.loadedYear() + "/" + row.Page();
  if (!row.isSubAlbum() && !row.value.empty() && row.value[0] == '@') place.subAlbumSection = row.value.substr(1);
  place.entry = row.key;
  if (Status status = GoToEntry(place, album_, calendar_, list_); !status.ok()) prompts_.Inform(status.message());
}

void FavouritesView::DeleteSelected() {
  const std::vector<int> selected = SelectedRows();
  if (selected.empty()) return;
  std::vector<FavouriteRow> rows;
  for (int index : selected) rows.push_back(rows_[index]);
  if (!prompts_.Confirm(FavouriteDeleteQuestion(rows), "削除確認")) return;
  Result<std::unique_ptr<TMemIniFile>> doc = TMemIniFile::Open(Document());
  if (!doc.ok()) {
    prompts_.Inform(doc.status().message());
    return;
  }
  DeleteFavourites(*doc.value(), rows);
  if (Status saved = doc.value()->Save(); !saved.ok()) {
    prompts_.Inform(saved.message());
    return;
  }
  QTreeWidget& list = *window_.pageSide()->favourites().list;
  for (auto index = selected.rbegin(); index != selected.rend(); ++index) {
    delete list.takeTopLevelItem(*index);
    rows_.erase(rows_.begin() + *index);
  }
}

std::vector<std::string> FavouritesView::FilesOf(const std::vector<int>& rows) const {
  std::vector<std::string> paths;
  for (int index : rows) {
    const FavouriteRow& row = rows_[index];
    if (!row.isSubAlbum()) {
      if (FileExists(row.key)) paths.push_back(row.key);
      continue;
    }
    for (const std::string& line : album_.subAlbumDocument().SectionLines(row.key.substr(1))) {
      const std::string path(EntryNameOf(line));
      if (FileExists(path)) paths.push_back(path);
    }
  }
  return paths;
}

void FavouritesView::CopySelected() {
  const std::vector<std::string> paths = FilesOf(SelectedRows());
  if (!paths.empty()) QApplication::clipboard()->setMimeData(FileListMimeData(paths, false).release());
}

bool FavouritesView::eventFilter(QObject* watched, QEvent* event) {
  // Only mouse events are looked at: the others come also while the window
  // is being taken down, when its panels may no longer be asked for.
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease) {
    return false;
  }
  QTreeWidget& list = *window_.pageSide()->favourites().list;
  if (watched != list.viewport()) return false;
  // While the free layout view is shown, a press near the list's left edge
  // picks the favourite up, to be dropped onto the page.
  if (event->type() == QEvent::MouseButtonPress) {
    const auto* press = static_cast<QMouseEvent*>(event);
    const bool pick = press->button() == Qt::LeftButton && press->position().x() < kDragEdge &&
                      window_.pageSide()->toolbar().freeLayout->isChecked();
    dragFrom_ = pick ? press->position().toPoint() : QPoint(-1, -1);
  } else if (event->type() == QEvent::MouseMove && dragFrom_.x() >= 0) {
    const auto* move = static_cast<QMouseEvent*>(event);
    if ((move->position().toPoint() - dragFrom_).manhattanLength() < QApplication::startDragDistance()) return false;
    QTreeWidgetItem* item = list.itemAt(dragFrom_);
    dragFrom_ = QPoint(-1, -1);
    if (item == nullptr) return false;
    const int row = list.indexOfTopLevelItem(item);
    if (row < 0 || row >= static_cast<int>(rows_.size())) return false;
    const std::vector<std::string> paths = FilesOf({row});
    if (paths.empty()) return false;
    auto* drag = new QDrag(&list);
    drag->setMimeData(FileListMimeData(paths, false).release());
    drag->exec(Qt::CopyAction);
    return true;
  } else if (event->type() == QEvent::MouseButtonRelease) {
    dragFrom_ = QPoint(-1, -1);
  }
  return false;
}

void FavouritesView::Paste() {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  if (data == nullptr) return;
  for (const std::string& path : LocalFilesOf(*data)) {
    if (FileTypeLists::IsImageType(ExtensionOf(path))) AppendRow({path, std::string(), true});
  }
}

}  // namespace lumidex
