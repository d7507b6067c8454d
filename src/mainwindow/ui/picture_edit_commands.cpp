#include "mainwindow/ui/picture_edit_commands.h"

#include <unistd.h>

#include <QAbstractItemView>
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFileSystemWatcher>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QSortFilterProxyModel>
#include <QTimer>
#include <algorithm>
#include <cstdlib>

#include "album/album_store.h"
#include "desktop/desktop_entry.h"
#include "freelayout/ui/free_layout_view.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_popup_menu.h"
#include "imagelist/ui/list_view2.h"
#include "imagelist/ui/preview_card_widget.h"
#include "images/thumbnail_cache.h"
#include "images/thumbnail_maker.h"
#include "images/ui/picture_view_widget.h"
#include "mainwindow/ui/list_menu_commands.h"
#include "mainwindow/ui/picture_view_panel.h"
#include "mainwindow/ui/picture_views.h"
#include "mainwindow/ui/tform1.h"
#include "platform/image_editor.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

const QString kCannotStart = QStringLiteral("画像を編集するプログラムを起動できません。");
// After an editor replaced the file (write to a new file, rename over the
// old), the watch is put on the new file after this pause.
constexpr int kRewatchMs = 300;

std::string SearchPath() {
  const char* path = std::getenv("PATH");
  return path != nullptr ? path : "";
}

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

FileStamp StampOf(const QString& path) {
  const QFileInfo info(path);
  if (!info.isFile()) return {};
  return {info.lastModified().toMSecsSinceEpoch(), info.size()};
}

// The icon of `program`: its desktop entry's icon (a theme name or a file),
// else the file's type icon.
QIcon ProgramIcon(const std::string& program) {
  if (program.empty() || !QFileInfo(ToQString(program)).isFile()) return {};
  const std::string named = DesktopEntryIcon(
      program, ApplicationFolders(Environment("XDG_DATA_HOME"), Environment("HOME"),
                                            Environment("XDG_DATA_DIRS")));
  QIcon icon;
  if (!named.empty()) {
    icon = named.front() == '/' ? QIcon(ToQString(named)) : QIcon::fromTheme(ToQString(named));
  }
  if (icon.isNull()) icon = QFileIconProvider().icon(QFileInfo(ToQString(program)));
  return icon;
}

// The file dialog's view of programs: folders, and files that may be run.
// (QDir::Executable as a dialog filter would hide every readable file.)
class ProgramsOnly : public QSortFilterProxyModel {
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;
  void SetOn(bool on) {
    on_ = on;
    invalidateFilter();
  }

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    auto* files = qobject_cast<QFileSystemModel*>(sourceModel());
    if (!on_ || files == nullptr) return true;
    const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
    return info.isDir() || info.isExecutable();
  }

 private:
  bool on_ = true;
};

}  // namespace

PictureEditCommands::PictureEditCommands(TForm1& window, ImageListPanel& list, AlbumStore& album,
                                         PictureViews& views, ThumbnailCache* cache,
                                         QObject* parent)
    : QObject(parent), window_(window), list_(list), album_(album), views_(views), cache_(cache) {
  ListPopupMenu* listMenu = list.popupMenu();
  menu_ = new QMenu(QStringLiteral("画像の編集"), listMenu);
  menuAction_ = listMenu->addMenu(menu_);
  menuAction_->setObjectName(QStringLiteral("ImageEditMenu"));
  tool_ = menu_->addAction(QStringLiteral("ツールを開く"), this,
                           [this] { EditSelected(EditorChoice::kTool); });
  tool_->setObjectName(QStringLiteral("ToolOpenMenu"));
  paint_ = menu_->addAction(QStringLiteral("ペイント"), this,
                            [this] { EditSelected(EditorChoice::kPaint); });
  paint_->setObjectName(QStringLiteral("PaintMenu"));
  menu_->addSeparator();
  choose_ =
      menu_->addAction(QStringLiteral("編集ツールの選択"), this, &PictureEditCommands::ChooseTool);
  choose_->setObjectName(QStringLiteral("ToolSelectMenu"));
  connect(listMenu, &QMenu::aboutToShow, this, &PictureEditCommands::PrepareMenu);

  if (auto* card = list.findChild<PreviewCardWidget*>()) {
    previewEdit_ = card->editAction();
    card->SetEditorServed(true);
    connect(previewEdit_, &QAction::triggered, this, [this, card] {
      const std::string picture = card->path();
      if (!picture.empty() && QFileInfo(ToQString(picture)).isFile())
        Edit(picture, EditorChoice::kTool);
    });
  }
  watcher_ = new QFileSystemWatcher(this);
  connect(watcher_, &QFileSystemWatcher::fileChanged, this,
          &PictureEditCommands::OnWatchedFileChanged);
  paint_->setIcon(ProgramIcon(platform::FindPaintProgram(SearchPath())));
  ShowToolIcon();
}

PictureEditCommands::~PictureEditCommands() {
  // An editor still open when the window closes stays open: the picture is
  // the user's work.
  if (process_ != nullptr) {
    process_->disconnect(this);
    process_->setParent(nullptr);
    QObject::connect(process_, &QProcess::finished, process_, &QObject::deleteLater);
  }
}

void PictureEditCommands::PrepareMenu() {
  const ListMenuAdditions items = ListMenuAdditionsFor(ListMenuFactsOf(list_, cache_));
  tool_->setEnabled(items.editPictureEnabled);
  paint_->setVisible(items.paint);
  paint_->setEnabled(items.editPictureEnabled);
}

std::string PictureEditCommands::SelectedPicture(std::string* page) const {
  QVector<int> rows = list_.view()->SelectedRows();
  if (rows.isEmpty()) return {};
  std::sort(rows.begin(), rows.end());
  EditTargetFacts facts;
  facts.pageList = list_.list().mode() == ListMode::kPageList;
  facts.selected = std::string(list_.list().entries().NameAt(rows.front()));
  if (facts.pageList) {
    facts.pageCover =
        album_.PageCover(facts.selected, album_.pageIndex().GetValue("DATA", facts.selected, ""))
            .cover;
  }
  if (page != nullptr) *page = facts.pageList ? facts.selected : std::string();
  return PictureToEdit(facts,
                       [](const std::string& path) { return QFileInfo(ToQString(path)).isFile(); });
}

bool PictureEditCommands::EditSelected(EditorChoice choice) {
  std::string page;
  const std::string picture = SelectedPicture(&page);
  if (picture.empty() || !Edit(picture, choice)) return false;
  editingPage_ = page;
  return true;
}

bool PictureEditCommands::Edit(const std::string& picture, EditorChoice choice) {
  if (process_ != nullptr || picture.empty()) return false;
  const std::string program = EditorProgram(choice, window_.settings().gTool, SearchPath());
  const std::vector<std::string> arguments = platform::EditorArguments(program, picture);
  if (arguments.empty()) {
    QMessageBox::warning(&window_, QStringLiteral("画像の編集"), kCannotStart);
    return false;
  }
  process_ = new QProcess(this);
  process_->setProgram(ToQString(arguments.front()));
  QStringList rest;
  for (size_t i = 1; i < arguments.size(); ++i) rest << ToQString(arguments[i]);
  process_->setArguments(rest);
  // The editor's output is not read: it must never fill a pipe and stop.
  process_->setStandardInputFile(QProcess::nullDevice());
  process_->setStandardOutputFile(QProcess::nullDevice());
  process_->setStandardErrorFile(QProcess::nullDevice());
  connect(process_, &QProcess::finished, this, &PictureEditCommands::OnFinished);
  editing_ = picture;
  started_.start();
  process_->start();
  if (!process_->waitForStarted()) {
    process_->deleteLater();
    process_ = nullptr;
    editing_.clear();
    QMessageBox::warning(&window_, QStringLiteral("画像の編集"), kCannotStart);
    return false;
  }
  window_.setEnabled(false);
  return true;
}

void PictureEditCommands::OnFinished() {
  const int64_t runMs = started_.elapsed();
  const std::string picture = std::move(editing_);
  const std::string page = std::move(editingPage_);
  editing_.clear();
  editingPage_.clear();
  process_->deleteLater();
  process_ = nullptr;
  window_.setEnabled(true);
  if (OnEditorEnded(runMs) == EditorEnd::kRenewAndWatch) {
    const QString path = ToQString(picture);
    watch_.Watch(picture, StampOf(path));
    std::erase_if(watchedPages_, [&](const auto& entry) { return entry.first == picture; });
    watchedPages_.emplace_back(picture, page);
    if (!watcher_->files().contains(path)) watcher_->addPath(path);
  }
  RenewThumbnails(picture, page);
}

void PictureEditCommands::OnWatchedFileChanged(const QString& path) {
  const std::string picture = ToStdString(path);
  if (watch_.Changed(picture, StampOf(path))) {
    std::string page;
    for (const auto& [watched, ofPage] : watchedPages_) {
      if (watched == picture) page = ofPage;
    }
    RenewThumbnails(picture, page);
  }
  // An editor that saves by replacing the file ends the watch on the old
  // one: it is put on the new file once the rename is done.
  if (!watcher_->files().contains(path)) {
    QTimer::singleShot(kRewatchMs, this, [this, path] {
      if (!watch_.Watches(ToStdString(path)) || watcher_->files().contains(path)) return;
      if (QFileInfo(path).isFile()) {
        watcher_->addPath(path);
        OnWatchedFileChanged(path);
      }
    });
  }
}

void PictureEditCommands::RenewThumbnails(const std::string& picture, const std::string& page) {
  ImageContext context;
  context.types = &window_.environment().types;
  ThumbnailRequest request;
  request.path = picture;
  request.background = list_.listColour();
  std::optional<std::string> made;
  if (cache_ != nullptr && cache_->useCache()) {
    // A cache path given skips the cache lookup: the thumbnail is made from
    // the picture and written over the old cache file.
    request.overwrite = true;
    request.cachePath = cache_->CacheFileName(picture);
    if (Result<std::string> jpeg = MakeListThumbnail(request, context, cache_); jpeg.ok()) {
      made = std::move(jpeg).value();
    }
  }
  ImageList& list = list_.list();
  if (list.memoryCache() && list.mode() != ListMode::kPageList) {
    list.RenewThumbnail(picture, [&]() -> std::optional<std::string> {
      if (made) return made;
      Result<std::string> jpeg = RenderListThumbnail(request, context);
      return jpeg.ok() ? std::optional<std::string>(std::move(jpeg).value()) : std::nullopt;
    });
  }
  if (!page.empty() && album_.HasYear()) {
    // The page's summary holds the cover's picture of the page list and the
    // day cell; the list's content signal redraws both.
    album_.RefreshSummary(page);
    emit list_.contentChanged();
  }
  list_.view()->viewport()->update();
  if (window_.pictureView()->isVisible() && views_.view().currentPicture() == picture) {
    views_.view().ShowPicture(picture);
  }
  if (auto* card = list_.findChild<PreviewCardWidget*>();
      card != nullptr && card->isVisible() && card->path() == picture) {
    card->ShowPicture(picture);
  }
  emit thumbnailsRenewed(ToQString(picture));
}

void PictureEditCommands::ChooseTool() {
  const QString executables = QStringLiteral("画像編集ソフト (実行ファイル) (*)");
  const QString all = QStringLiteral("全てのファイル (*)");
  QFileDialog dialog(&window_, QStringLiteral("編集ツールの選択"));
  dialog.setObjectName(QStringLiteral("OpenDialog1"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setFileMode(QFileDialog::ExistingFile);
  // The first filter shows only programs (and folders to go through).
  auto* programs = new ProgramsOnly(&dialog);
  dialog.setProxyModel(programs);
  connect(
      &dialog, &QFileDialog::filterSelected, programs,
      [programs, executables](const QString& filter) { programs->SetOn(filter == executables); });
  dialog.setNameFilters({executables, all});
  const QString current = ToQString(window_.settings().gTool);
  if (!current.isEmpty() && QFileInfo(current).isFile()) {
    dialog.selectFile(current);
  } else {
    dialog.setDirectory(QStringLiteral("/usr/bin"));
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString chosen = dialog.selectedFiles().front();
  const QFileInfo info(chosen);
  if (!info.isFile() || ::access(chosen.toLocal8Bit().constData(), X_OK) != 0) {
    QMessageBox::warning(&window_, QStringLiteral("編集ツールの選択"),
                         QStringLiteral("実行できるプログラムではありません。\n") + chosen);
    return;
  }
  window_.settings().gTool = ToStdString(chosen);
  ShowToolIcon();
  // The free layout's "ツールを開く" runs the same program.
  if (auto* freeLayout = window_.findChild<FreeLayoutView*>())
    freeLayout->ApplySettings(window_.settings());
}

void PictureEditCommands::ShowToolIcon() {
  const QIcon icon = ProgramIcon(window_.settings().gTool);
  tool_->setIcon(icon);
  if (previewEdit_ != nullptr) previewEdit_->setIcon(icon);
}

}  // namespace lumidex
