#include "imagelist/ui/detail_list_panel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelection>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "album/album_path.h"
#include "album/album_prompts.h"
#include "album/album_store.h"
#include "album/album_text.h"
#include "album/page_operations.h"
#include "album/short_path_text.h"
#include "album/sub_album_names.h"
#include "foundation/file_paths.h"
#include "foundation/mem_ini_file.h"
#include "foundation/text_compare.h"
#include "imagelist/detail_rename.h"
#include "imagelist/side_menu_rules.h"
#include "imagelist/ui/detail_list_model.h"
#include "platform/ui/clipboard_file_list.h"
#include "platform/ui/control_hint.h"
#include "platform/ui/control_hint.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

constexpr int kFileColumnWidths[kFirstExifColumn] = {200, 36, 70, 100, 120};
constexpr int kExifNameWidth = 150;
constexpr int kExifColumnWidth = 50;
// Rows filled between two looks at the event loop while every row is filled.
constexpr int kFillStep = 50;

}  // namespace

DetailListPanel::DetailListPanel(AlbumStore& store, AlbumPrompts& prompts, QWidget* parent)
    : QWidget(parent), store_(store), prompts_(prompts) {
  setObjectName(QStringLiteral("ListPanel"));
  setAutoFillBackground(true);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  auto* bar = new QHBoxLayout;
  upButton_ = MakeSpeedButton(this, "SpeedButton30", QStringLiteral("上へ"), QStringLiteral("上へ"));
  exifBox_ = MakeCheckBox(this, "CheckBox6", QStringLiteral("Jpeg Exif Info"),
                          QStringLiteral("撮影情報|JPEGの撮影情報をリストで表示"));
  auto* close = MakeSpeedButton(this, "CloseBtn", QStringLiteral("閉じる"), QStringLiteral("Close|閉じる"));
  bar->addWidget(upButton_);
  bar->addWidget(exifBox_);
  bar->addStretch(1);
  bar->addWidget(close);
  column->addLayout(bar);

  model_ = new DetailListModel(this);
  view_ = new QTableView(this);
  view_->setObjectName(QStringLiteral("ListView1"));
  view_->setModel(model_);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setShowGrid(false);
  view_->setWordWrap(false);
  view_->verticalHeader()->hide();
  view_->verticalHeader()->setDefaultSectionSize(20);
  view_->horizontalHeader()->setSectionsClickable(true);
  view_->horizontalHeader()->setHighlightSections(false);
  view_->setContextMenuPolicy(Qt::CustomContextMenu);
  view_->installEventFilter(this);
  column->addWidget(view_, 1);

  menu_ = new QMenu(this);
  menu_->setObjectName(QStringLiteral("PopupMenu3"));
  const auto add = [this](const char* name, const QString& caption, auto slot, const QString& hint = {}) {
    return AddMenuCommand(menu_, name, caption, this, slot, hint);
  };
  open_ = add("DetailOpenMenu", QStringLiteral("開く"), [this] {
    const auto rows = SelectedRows();
    if (!rows.empty()) OpenRow(static_cast<int>(rows.front()));
  });
  rename_ = add("DetailRenameMenu", QStringLiteral("名前の変更"), [this] { RenameSelected(); });
  delete_ = add("DetailDeleteMenu", QStringLiteral("削除"), [this] { DeleteSelected(); },
                QStringLiteral("アルバムから削除する"));
  delete_->setShortcut(QKeySequence(Qt::Key_Delete));
  delete_->setShortcutContext(Qt::WidgetShortcut);
  menu_->addSeparator();
  copy_ = add("DetailCopyMenu", QStringLiteral("コピー(&C)"), [this] { CopySelected(); },
              QStringLiteral("ファイルだけをコピーする"));
  paste_ = add("DetailPasteMenu", QStringLiteral("貼り付け(&P)"), [this] { Paste(); });
  menu_->addSeparator();
  selectMissing_ = add("DetailMissingMenu", QStringLiteral("不明ファイルの選択"), [this] { SelectMissing(); });
  explore_ = add("DetailExploreMenu", QStringLiteral("エクスプローラ"), [this] { ExploreSelected(); });
  properties_ = add("DetailPropertyMenu", QStringLiteral("プロパティ"), [this] { ShowProperties(); });

  connect(view_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) {
            PrepareMenu();
            menu_->popup(view_->viewport()->mapToGlobal(at));
          });
  connect(view_, &QAbstractItemView::doubleClicked, this,
          [this](const QModelIndex& index) { OpenRow(index.row()); });
  connect(view_->horizontalHeader(), &QHeaderView::sectionClicked, this, &DetailListPanel::SortBy);
  connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (!current.isValid() || current.row() >= static_cast<int>(model_->rows().size())) return;
            const DetailRow& row = model_->rows()[current.row()];
            std::string text = row.isSubAlbum ? row.caption : row.key;
            if (!row.isSubAlbum && row.filled && row.dateText.empty()) text = "不明 > " + row.key;
            emit rowSelected(ToQString(text));
            emit lineSelected(static_cast<int>(row.lineIndex));
          });
  connect(exifBox_, &QCheckBox::toggled, this, [this](bool shown) {
    model_->SetExifShown(shown);
    ApplyColumns();
  });
  connect(upButton_, &QAbstractButton::clicked, this, &DetailListPanel::GoUp);
  connect(close, &QAbstractButton::clicked, this, &DetailListPanel::closeRequested);
  upButton_->setEnabled(false);
  ApplyColumns();
}

void DetailListPanel::ShowPage(const std::string& page) {
  if (!store_.HasYear()) return;
  const auto countOf = [this](std::string_view sub) {
    return static_cast<int>(store_.subAlbumDocument().SectionLines(sub).size());
  };
  Load(DetailRowsOf(LinesOf(page, false), page, countOf), page, false);
}

void DetailListPanel::ShowSubAlbum(const std::string& section) {
  if (!store_.HasYear()) return;
  Load(DetailRowsOf(LinesOf(section, true), section, nullptr), section, true);
}

namespace {

// Rows of folder-view files; their line indexes count on from `first`, the
// number of files already shown.
std::vector<DetailRow> FolderRows(const std::vector<std::string>& paths, size_t first) {
  std::vector<std::string> lines;
  lines.reserve(paths.size());
  for (const auto& path : paths) lines.push_back(path + "=");
  std::vector<DetailRow> rows = DetailRowsOf(lines, "", nullptr);
  for (DetailRow& row : rows) row.lineIndex += first;
  return rows;
}

}  // namespace

void DetailListPanel::ShowFolder(const std::vector<std::string>& paths) {
  Load(FolderRows(paths, 0), "", false);
}

void DetailListPanel::AppendFolder(const std::vector<std::string>& paths) {
  if (!section_.empty()) return;
  model_->AppendRows(FolderRows(paths, model_->rows().size()));
  sort_.RowsAdded();
}

void DetailListPanel::SetThumbnailCache(const ThumbnailCache* cache) { model_->SetThumbnailCache(cache); }

void DetailListPanel::Load(std::vector<DetailRow> rows, std::string section, bool subAlbum) {
  section_ = std::move(section);
  subAlbum_ = subAlbum;
  sort_.RowsLoaded();
  view_->horizontalHeader()->setSortIndicatorShown(false);
  model_->SetRows(std::move(rows));
  upButton_->setEnabled(subAlbum_);
  ApplyColumns();
}

void DetailListPanel::ApplyColumns() {
  const bool exif = exifBox_->isChecked();
  QHeaderView& header = *view_->horizontalHeader();
  for (int column = 0; column < kDetailColumnCount; ++column) {
    bool hidden = exif ? column > kNameColumn && column < kFirstExifColumn : column >= kFirstExifColumn;
    // Files counts the entries of sub-albums, which only a page holds.
    if (column == kFilesColumn && (subAlbum_ || section_.empty())) hidden = true;
    view_->setColumnHidden(column, hidden);
    if (hidden) continue;
    const int width = column >= kFirstExifColumn ? kExifColumnWidth
                      : (exif && column == kNameColumn) ? kExifNameWidth
                                                        : kFileColumnWidths[column];
    header.resizeSection(column, width);
  }
}

std::vector<size_t> DetailListPanel::SelectedRows() const {
  std::vector<size_t> rows;
  for (const QModelIndex& index : view_->selectionModel()->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

bool DetailListPanel::FillAll() {
  const int count = model_->rowCount();
  QProgressDialog progress(QString(), QStringLiteral("中止"), 0, count, this);
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(500);
  for (int row = 0; row < count; ++row) {
    model_->FillNow(row);
    if (row % kFillStep == 0) {
      progress.setValue(row);
      if (progress.wasCanceled()) return false;
    }
  }
  progress.setValue(count);
  return true;
}

void DetailListPanel::SortBy(int column) {
  if (column < 0 || column >= kDetailColumnCount) return;
  if (sort_.NeedsFill(column)) {
    if (!FillAll()) return;
    sort_.MarkFilled();
  }
  const bool ascending = sort_.Click(column);
  model_->ChangeRows([&](std::vector<DetailRow>& rows) { SortDetailRows(rows, column, ascending); });
  QHeaderView& header = *view_->horizontalHeader();
  header.setSortIndicatorShown(true);
  header.setSortIndicator(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

std::vector<std::string> DetailListPanel::LinesOf(const std::string& section, bool subAlbum) const {
  // The open container's lines may hold edits not yet saved: rows are made
  // from them, and rename and delete write them, so no edit is lost.
  if (store_.PageOpen() && EqualsNoCase(store_.currentSection(), section)) return store_.Lines();
  const TMemIniFile& doc = subAlbum ? store_.subAlbumDocument() : store_.yearDocument();
  return doc.SectionLines(section);
}

std::vector<std::string> DetailListPanel::SectionLines() const { return LinesOf(section_, subAlbum_); }

bool DetailListPanel::WriteSection(std::vector<std::string> lines) {
  Status status = Status::Ok();
  if (store_.PageOpen() && EqualsNoCase(store_.currentSection(), section_)) {
    Result<bool> saved = store_.SaveSection(section_, std::move(lines), false);
    if (!saved.ok()) status = saved.status();
  } else {
    const auto replace = [&](TMemIniFile& doc) {
      doc.DropSection(section_);
      doc.AppendSection(section_, std::move(lines));
    };
    if (subAlbum_) {
      store_.ChangeSubAlbumDocument(replace);
      status = SaveSubAlbums();
    } else {
      store_.ChangeYearDocument(replace);
      status = store_.SaveYearDocument();
    }
  }
  if (!status.ok()) {
    prompts_.Inform(status.message());
    return false;
  }
  emit albumChanged();
  return true;
}

void DetailListPanel::RenameSelected() {
  const std::vector<size_t> selected = SelectedRows();
  if (selected.empty() || section_.empty()) return;
  const DetailRow& first = model_->rows()[selected.front()];
  if (first.isSubAlbum) {
    RenameSubAlbums(selected);
    return;
  }
  const auto typed = prompts_.AskName({"名前の変更", "新しい名前を入力", std::string(StemOf(first.key)), {}});
  if (!typed || typed->empty()) return;
  // A full path is allowed: it re-points a missing file.
  if (const std::string_view problem = NewEntryNameProblem(*typed, false); !problem.empty()) {
    prompts_.Inform(std::string(problem));
    return;
  }
  std::vector<std::string> lines = SectionLines();
  int changed = 0;
  model_->ChangeRows([&](std::vector<DetailRow>& rows) {
    changed = RenameDetailRows(rows, selected, lines, *typed);
  });
  if (changed > 0) WriteSection(std::move(lines));
}

void DetailListPanel::RenameSubAlbums(const std::vector<size_t>& selected) {
  // Sub-albums live on pages only; a sub-album's rows are all files.
  if (subAlbum_) return;
  const DetailRow& first = model_->rows()[selected.front()];
  const auto typed = prompts_.AskName({"名前の変更", "新しい名前を入力", first.caption, SubAlbumNameChoices(store_)});
  if (!typed || typed->empty()) return;
  if (const std::string_view problem = NewEntryNameProblem(*typed, false); !problem.empty()) {
    prompts_.Inform(std::string(problem));
    return;
  }
  std::vector<std::string> lines = SectionLines();
  PageOperations operations(store_, prompts_);
  bool renamed = false;
  model_->ChangeRows([&](std::vector<DetailRow>& rows) {
    for (size_t index : selected) {
      DetailRow& row = rows[index];
      if (!row.isSubAlbum || !operations.RenameSubAlbumEntry(lines, row.lineIndex, section_, *typed)) continue;
      row.key = std::string(EntryNameOf(lines[row.lineIndex]));
      row.caption = std::string(SubAlbumNameOf(std::string_view(row.key).substr(1)));
      renamed = true;
    }
  });
  if (renamed && WriteSection(std::move(lines))) {
    if (Status status = SaveSubAlbums(); !status.ok()) prompts_.Inform(status.message());
  }
}

void DetailListPanel::SelectMissing() {
  const std::vector<size_t> missing = MissingFileRows(model_->rows());
  QItemSelection selection;
  for (size_t row : missing) {
    selection.select(model_->index(static_cast<int>(row), 0),
                     model_->index(static_cast<int>(row), kDetailColumnCount - 1));
  }
  view_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  if (!missing.empty()) view_->scrollTo(model_->index(static_cast<int>(missing.front()), 0));
  QMessageBox::information(this, QStringLiteral("不明ファイルの選択"),
                           QString::number(missing.size()) + QStringLiteral(" 個の不明なファイルを選択しました。"));
}

void DetailListPanel::DeleteSelected() {
  const std::vector<size_t> selected = SelectedRows();
  if (selected.empty() || section_.empty()) return;
  if (!prompts_.Confirm(DetailDeleteQuestion(model_->rows(), selected), "削除確認")) return;
  std::vector<std::string> lines = SectionLines();
  std::vector<std::string> subSections;
  model_->ChangeRows([&](std::vector<DetailRow>& rows) { subSections = DeleteDetailRows(rows, selected, lines); });
  if (!subSections.empty()) {
    store_.ChangeSubAlbumDocument([&](TMemIniFile& doc) {
      for (const auto& sub : subSections) doc.DropSection(sub);
    });
  }
  if (WriteSection(std::move(lines)) && !subSections.empty()) {
    if (Status status = SaveSubAlbums(); !status.ok()) prompts_.Inform(status.message());
  }
}

Status DetailListPanel::SaveSubAlbums() {
  // Saving the album also writes the open container's lines: only when they
  // hold no edits of the user, else the sub-album document waits for the
  // container's own save.
  if (store_.PageOpen() && store_.modified()) return Status::Ok();
  return store_.SaveCurrent(false);
}

void DetailListPanel::CopySelected() {
  std::vector<std::string> paths;
  for (size_t index : SelectedRows()) {
    const DetailRow& row = model_->rows()[index];
    if (!row.isSubAlbum) {
      paths.push_back(row.key);
      continue;
    }
    for (const auto& line : store_.subAlbumDocument().SectionLines(row.key.substr(1))) {
      paths.emplace_back(EntryNameOf(line));
    }
  }
  if (!paths.empty()) QApplication::clipboard()->setMimeData(FileListMimeData(paths, false).release());
}

void DetailListPanel::Paste() {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  if (data == nullptr || section_.empty()) return;
  const std::vector<std::string> files = LocalFilesOf(*data);
  if (files.empty()) return;
  std::vector<std::string> lines = SectionLines();
  for (const auto& file : files) {
    if (file.find('=') == std::string::npos && FileExists(file)) lines.push_back(file + "=");
  }
  if (WriteSection(lines)) {
    if (subAlbum_) {
      ShowSubAlbum(section_);
    } else {
      ShowPage(section_);
    }
  }
}

void DetailListPanel::OpenRow(int index) {
  if (index < 0 || index >= static_cast<int>(model_->rows().size())) return;
  const DetailRow row = model_->rows()[index];
  if (row.isSubAlbum) {
    ShowSubAlbum(row.key.substr(1));
    emit subAlbumOpened(static_cast<int>(row.lineIndex));
  } else if (FileExists(row.key)) {
    prompts_.OpenWithSystem(row.key);
  }
}

void DetailListPanel::PrepareMenu() {
  const std::vector<size_t> selected = SelectedRows();
  DetailMenuState state;
  state.folderView = section_.empty();
  state.rowCount = static_cast<int>(model_->rows().size());
  state.selectedCount = static_cast<int>(selected.size());
  state.firstIsSubAlbum = !selected.empty() && model_->rows()[selected.front()].isSubAlbum;
  state.clipboardHasFiles = ClipboardHoldsFiles();
  const DetailMenuOffer offer = DetailMenuOfferFor(state);
  open_->setEnabled(offer.open);
  rename_->setVisible(offer.renameShown);
  rename_->setEnabled(offer.rename);
  delete_->setVisible(offer.removeShown);
  delete_->setEnabled(offer.remove);
  copy_->setEnabled(offer.copy);
  paste_->setVisible(offer.pasteShown);
  paste_->setEnabled(offer.paste);
  selectMissing_->setEnabled(offer.selectMissing);
  explore_->setEnabled(offer.explore);
  properties_->setEnabled(offer.properties);
}

void DetailListPanel::ExploreSelected() {
  const std::vector<size_t> selected = SelectedRows();
  if (selected.empty()) return;
  const DetailRow& row = model_->rows()[selected.front()];
  if (row.isSubAlbum) return;
  const std::string folder = FolderOf(row.key);
  if (!FolderExists(folder)) {
    prompts_.Inform(ShortPathText(folder, true) + "\n保存先フォルダが不明です。");
    return;
  }
  prompts_.ExploreFolder(folder);
}

void DetailListPanel::ShowProperties() {
  const std::vector<size_t> selected = SelectedRows();
  if (selected.empty()) return;
  const DetailRow& row = model_->rows()[selected.front()];
  QString text = ToQString(row.key);
  for (int column = kFilesColumn; column < kFirstExifColumn; ++column) {
    const std::string cell = DetailCellText(row, column);
    if (!cell.empty()) text += QStringLiteral("\n") + model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString() +
                                QStringLiteral(": ") + ToQString(cell);
  }
  QMessageBox::information(this, QStringLiteral("プロパティ"), text);
}

void DetailListPanel::GoUp() {
  if (!subAlbum_) return;
  const std::string sub = section_;
  ShowPage(sub.substr(0, 5));
  const auto& rows = model_->rows();
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].isSubAlbum && EqualsNoCase(rows[i].key.substr(1), sub)) {
      view_->selectRow(static_cast<int>(i));
      break;
    }
  }
}

bool DetailListPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Backspace) {
    GoUp();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace lumidex
