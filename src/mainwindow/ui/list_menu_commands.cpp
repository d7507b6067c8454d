#include "mainwindow/ui/list_menu_commands.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <cstdlib>

#include "album/album_clipboard.h"
#include "album/album_store.h"
#include "album/album_text.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_popup_menu.h"
#include "imagelist/ui/list_view2.h"
#include "images/cache_commands.h"
#include "images/thumbnail_cache.h"
#include "images/thumbnail_maker.h"
#include "mainwindow/file_set_properties.h"
#include "mainwindow/ui/file_set_properties_dlg.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/tform1.h"
#include "platform/image_editor.h"
#include "platform/ui/control_hint.h"
#include "platform/ui/qt_bridge.h"
#include "platform/ui/shell_services.h"

namespace lumidex {
namespace {

// The order of the menu's items by object name; "" is a separator.
// Items not named here (added later by another command) follow at the end.
constexpr const char* kOrder[] = {"FileAddMenu2",
                                  "CreateSubAlbumMenu2",
                                  "OpenMenu",
                                  "GoToDayMenu",
                                  "CommentMenu",
                                  "RevertMenu",
                                  "",
                                  "ImageEditMenu",
                                  "FavoriteMenu",
                                  "N90",
                                  "",
                                  "ArrangeMenu",
                                  "CopyMenu",
                                  "CopyAlbumInfoMenu",
                                  "PasteMenu2",
                                  "",
                                  "ChangeMenu",
                                  "FileCopyMenu",
                                  "N5",
                                  "RepairMenu2",
                                  "CacheUpdateMenu",
                                  "N34",
                                  "",
                                  "SearchMenu",
                                  "LockMenu",
                                  "DeleteMenu",
                                  "",
                                  "HiQuoMenu",
                                  "ExifMenu",
                                  "Property2"};

bool IsFile(const std::string& path) { return QFileInfo(ToQString(path)).isFile(); }

}  // namespace

ListMenuAdditionFacts ListMenuFactsOf(ImageListPanel& list, const ThumbnailCache* cache) {
  const ListPopupFacts popup = list.MenuFacts();
  ListMenuAdditionFacts facts;
  switch (popup.mode) {
    case ListMode::kPageList:
      facts.shows = ListMenuAdditionFacts::Shows::kPageList;
      break;
    case ListMode::kContainer:
      facts.shows = ListMenuAdditionFacts::Shows::kContainer;
      break;
    case ListMode::kFolder:
      facts.shows = ListMenuAdditionFacts::Shows::kFolder;
      break;
  }
  facts.selectedCount = popup.selectedCount;
  switch (popup.firstKind) {
    case ListPopupFacts::Kind::kNone:
      facts.firstKind = ListMenuAdditionFacts::Kind::kNone;
      break;
    case ListPopupFacts::Kind::kPage:
      facts.firstKind = ListMenuAdditionFacts::Kind::kPage;
      break;
    case ListPopupFacts::Kind::kSubAlbum:
      facts.firstKind = ListMenuAdditionFacts::Kind::kSubAlbum;
      break;
    case ListPopupFacts::Kind::kFile:
      facts.firstKind = ListMenuAdditionFacts::Kind::kFile;
      break;
  }
  const char* path = std::getenv("PATH");
  facts.paintInstalled = !platform::FindPaintProgram(path != nullptr ? path : "").empty();
  facts.diskCache = cache != nullptr && cache->useCache();
  return facts;
}

ListMenuCommands::ListMenuCommands(TForm1& window, ImageListPanel& list, AlbumStore& album,
                                   ThumbnailCache* cache,
                                   std::function<void(const std::string& date)> pageUse,
                                   QObject* parent)
    : QObject(parent),
      window_(window),
      list_(list),
      album_(album),
      cache_(cache),
      pageUse_(std::move(pageUse)) {
  ListPopupMenu* menu = list.popupMenu();
  goToDay_ = AddMenuCommand(menu, "GoToDayMenu", QStringLiteral("この日に移動"));
  cacheUpdate_ = AddMenuCommand(menu, "CacheUpdateMenu", QStringLiteral("ディスクキャッシュの更新"));
  cacheUpdate_->setStatusTip(QStringLiteral("選択したファイルを更新"));
  exif_ = AddMenuCommand(menu, "ExifMenu", QStringLiteral("Exif(&I)"));
  exif_->setCheckable(true);
  properties_ = AddMenuCommand(menu, "Property2", QStringLiteral("プロパティ"));

  QAbstractButton* goToDay = window.pageSide()->bottomBar().goToDay;
  connect(goToDay_, &QAction::triggered, goToDay, &QAbstractButton::click);
  connect(cacheUpdate_, &QAction::triggered, this, &ListMenuCommands::UpdateCache);
  connect(properties_, &QAction::triggered, this, &ListMenuCommands::ShowProperties);
  // "Exif(&I)", the page side's "Exif" (CheckBox5) and the list's own box
  // are one switch of the list's Exif tooltips.
  exifBox_ = list.findChild<QCheckBox*>(QStringLiteral("ExifCheckBox"));
  QAbstractButton* pageSideExif = window.pageSide()->bottomBar().exif;
  if (exifBox_ != nullptr) {
    exif_->setChecked(exifBox_->isChecked());
    pageSideExif->setChecked(exifBox_->isChecked());
    connect(exif_, &QAction::toggled, exifBox_, &QAbstractButton::setChecked);
    connect(exifBox_, &QAbstractButton::toggled, exif_, &QAction::setChecked);
    connect(pageSideExif, &QAbstractButton::toggled, exifBox_, &QAbstractButton::setChecked);
    connect(exifBox_, &QAbstractButton::toggled, pageSideExif, &QAbstractButton::setChecked);
  }
  connect(menu, &QMenu::aboutToShow, this, &ListMenuCommands::Prepare);
}

void ListMenuCommands::Arrange() {
  if (arranged_) return;
  arranged_ = true;
  ListPopupMenu* menu = list_.popupMenu();
  QList<QAction*> actions = menu->actions();
  const auto find = [&actions](const QString& name) -> QAction* {
    for (QAction* action : actions) {
      if (action->objectName() == name) return action;
    }
    return nullptr;
  };
  // "名前" beside "ファイルパス名" under "変更".
  QAction* change = find(QStringLiteral("ChangeMenu"));
  QAction* rename = menu->renameAction();
  if (change != nullptr && change->menu() != nullptr && rename != nullptr) {
    QMenu* sub = change->menu();
    menu->removeAction(rename);
    sub->insertAction(sub->actions().isEmpty() ? nullptr : sub->actions().front(), rename);
  }
  // "検索(&F)" and "次を検索(&S)" under "検索(&S)".
  QAction* find1 = find(QStringLiteral("FindMenu"));
  QAction* findNext = find(QStringLiteral("FindNextMenu"));
  if (find1 != nullptr && findNext != nullptr) {
    auto* sub = new QMenu(QStringLiteral("検索(&S)"), menu);
    search_ = sub->menuAction();
    search_->setObjectName(QStringLiteral("SearchMenu"));
    for (QAction* action : {find1, findNext}) {
      menu->removeAction(action);
      sub->addAction(action);
    }
    find1->setShortcut(QKeySequence(QStringLiteral("Ctrl+F")));
    findNext->setShortcut(QKeySequence(Qt::Key_F3));
    // Shown as a context menu's hint only: the main menu's items own the keys.
    find1->setShortcutContext(Qt::WidgetShortcut);
    findNext->setShortcutContext(Qt::WidgetShortcut);
    actions = menu->actions();
    actions.append(search_);
  }
  for (QAction* action : menu->actions()) {
    menu->removeAction(action);
    if (action->isSeparator()) action->deleteLater();
  }
  QList<QAction*> placed;
  bool separatorDue = false;
  for (const char* name : kOrder) {
    if (*name == '\0') {
      separatorDue = !placed.isEmpty();
      continue;
    }
    QAction* action = find(QString::fromLatin1(name));
    if (action == nullptr || placed.contains(action)) continue;
    if (separatorDue) menu->addSeparator();
    separatorDue = false;
    menu->addAction(action);
    placed.append(action);
  }
  for (QAction* action : actions) {
    if (!action->isSeparator() && !placed.contains(action) && action != rename && action != find1 &&
        action != findNext) {
      menu->addAction(action);
    }
  }
}

void ListMenuCommands::Prepare() {
  // Commands made after this one add their items too; the order is set
  // when the menu first opens.
  if (!arranged_) Arrange();
  ListMenuAdditionFacts facts = ListMenuFactsOf(list_, cache_);
  facts.modified = album_.modified();
  const ListMenuAdditions items = ListMenuAdditionsFor(facts);
  list_.popupMenu()->revertAction()->setEnabled(items.revertEnabled);
  goToDay_->setVisible(items.goToDay);
  cacheUpdate_->setVisible(items.cacheUpdate);
  cacheUpdate_->setEnabled(items.cacheUpdateEnabled);
  properties_->setEnabled(items.propertiesEnabled);
  if (exifBox_ != nullptr) exif_->setChecked(exifBox_->isChecked());
  // The submenu shows while one of its searches does (they follow the
  // open page, decided by their own command before this).
  if (search_ != nullptr) {
    const QList<QAction*> searches = search_->menu()->actions();
    search_->setVisible(
        std::any_of(searches.begin(), searches.end(), [](QAction* a) { return a->isVisible(); }));
  }
}

std::vector<std::string> ListMenuCommands::SelectedFiles() const {
  if (list_.list().mode() != ListMode::kFolder)
    return CopyFiles(album_, list_.SelectedLines()).paths;
  QVector<int> rows = list_.view()->SelectedRows();
  std::sort(rows.begin(), rows.end());
  std::vector<std::string> files;
  for (int row : rows) files.emplace_back(list_.list().entries().NameAt(row));
  return files;
}

void ListMenuCommands::ShowProperties() {
  QVector<int> rows = list_.view()->SelectedRows();
  if (rows.isEmpty()) return;
  std::sort(rows.begin(), rows.end());
  const std::string first(list_.list().entries().NameAt(rows.front()));
  // In the page list the first selected page decides: an automatic cover
  // shows the page's use in other years, a fixed cover that file's
  // properties, or with several pages selected those of their files.
  const bool pageList = list_.list().mode() == ListMode::kPageList;
  const auto showPageUse = [this, &first] {
    if (pageUse_) pageUse_(album_.loadedYear() + "/" + first);
  };
  if (pageList &&
      (rows.size() == 1 || IsAutomaticCover(album_.pageIndex().GetValue("DATA", first, "")))) {
    showPageUse();
    return;
  }
  if (first.empty() || first.front() == '@') return;
  std::vector<std::string> files;
  {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    files = PropertyFiles(SelectedFiles(), IsFile);
    QApplication::restoreOverrideCursor();
  }
  if (pageList && files.empty()) {
    showPageUse();
    return;
  }
  if (files.empty()) return;
  if (files.size() == 1) {
    platform::ShowFileProperties(ToQString(files.front()), &window_);
    return;
  }
  const FileSetProperties summary = SummariseFiles(files, [](const std::string& path) -> int64_t {
    const QFileInfo info(ToQString(path));
    return info.isFile() ? info.size() : -1;
  });
  FileSetPropertiesDlg dialog(summary, &window_);
  dialog.exec();
}

bool ListMenuCommands::UpdateCache() {
  if (cache_ == nullptr || !cache_->useCache() || list_.list().mode() == ListMode::kFolder)
    return false;
  QMessageBox question(
      QMessageBox::Question, QStringLiteral("更新の確認"),
      QStringLiteral("選択した画像のディスクキャッシュを更新します。よろしいですか？"),
      QMessageBox::Yes | QMessageBox::No, &window_);
  question.button(QMessageBox::Yes)->setText(QStringLiteral("はい"));
  question.button(QMessageBox::No)->setText(QStringLiteral("いいえ"));
  auto* overwrite = new QCheckBox(QStringLiteral("全て上書きする"), &question);
  question.setCheckBox(overwrite);
  if (question.exec() != QMessageBox::Yes) return false;

  const Settings& settings = window_.settings();
  ImageContext context;
  context.types = &window_.environment().types;
  context.highQualityTypes = settings.hispc;
  context.bigIcons = settings.bigico;
  std::vector<std::string> paths = CopyFiles(album_, list_.SelectedLines()).paths;
  UpdateSelectedCache(std::move(paths), overwrite->isChecked(), *cache_, context,
                      window_.longOperation());

  // The thumbnails held in memory of the open container's selection follow
  // the cache.
  ImageList& list = list_.list();
  ImageContext listContext;
  listContext.types = context.types;
  if (list.mode() == ListMode::kContainer && list.memoryCache()) {
    for (int row : list_.view()->SelectedRows()) {
      const std::string name(list.entries().NameAt(row));
      if (name.empty() || name.front() == '@' || !IsFile(name)) continue;
      list.RenewThumbnail(name, [&]() -> std::optional<std::string> {
        ThumbnailRequest request;
        request.path = name;
        request.background = list_.listColour();
        Result<std::string> jpeg = MakeListThumbnail(request, listContext, cache_);
        if (!jpeg.ok() || jpeg.value().empty()) return std::nullopt;
        return std::move(jpeg).value();
      });
    }
  }
  list_.view()->viewport()->update();
  return true;
}

}  // namespace lumidex
