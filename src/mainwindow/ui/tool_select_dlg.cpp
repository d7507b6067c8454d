#include "mainwindow/ui/tool_select_dlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "foundation/message_format.h"
#include "mainwindow/ui/album_list_pictures.h"
#include "platform/ui/clipboard_file_list.h"
#include "platform/ui/control_hint.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

constexpr char kAlbumLabel[] = "全てのアルバムと画像数\n  （画像総数)  (サブアルバム数 - サブアルバムの画像数）";

}  // namespace

TToolSelectDlg::TToolSelectDlg(Album album, bool withoutSubAlbums, QWidget* parent)
    : QDialog(parent), album_(std::move(album)) {
  setObjectName(QStringLiteral("ToolSelectDlg"));
  setModal(false);
  auto* column = new QVBoxLayout(this);
  label_ = new QLabel(this);
  column->addWidget(label_);
  excludeSubAlbums_ = new QCheckBox(QStringLiteral("サブアルバムは除く"), this);
  excludeSubAlbums_->setChecked(withoutSubAlbums);
  column->addWidget(excludeSubAlbums_);
  auto* row = new QHBoxLayout;
  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("ListView1"));
  list_->setRootIsDecorated(false);
  list_->setColumnCount(1);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->header()->setSectionsClickable(true);
  row->addWidget(list_, 1);
  auto* buttons = new QVBoxLayout;
  subAlbumsButton_ = MakeSpeedButton(this, "SubAlbSpBtn", QStringLiteral("サブアルバム"), QStringLiteral("サブアルバムの一覧"));
  pagesButton_ = MakeSpeedButton(this, "PageSpBtn", QStringLiteral("ページ"), QStringLiteral("ページの一覧"));
  filesButton_ = MakeSpeedButton(this, "AllFileSpBtn", QStringLiteral("全てのファイル"), QStringLiteral("ファイルの一覧"));
  backButton_ = MakeSpeedButton(this, "SpeedButton1", QStringLiteral("戻る"), QStringLiteral("戻る"));
  goButton_ = MakeSpeedButton(this, "SpeedButton19", QStringLiteral("この年に移動"), QStringLiteral("この年に移動"));
  iconViewButton_ =
      MakeSpeedButton(this, "IconViewSpBtn", QStringLiteral("アイコン表示"), QStringLiteral("画像を小さく表示する"));
  iconViewButton_->setCheckable(true);
  auto* close = MakeSpeedButton(this, "CloseBtn", QStringLiteral("閉じる"), QStringLiteral("閉じる"));
  for (QAbstractButton* button :
       {subAlbumsButton_, pagesButton_, filesButton_, backButton_, goButton_, iconViewButton_, close}) {
    buttons->addWidget(button);
  }
  buttons->addStretch(1);
  row->addLayout(buttons);
  column->addLayout(row, 1);

  menu_ = new QMenu(this);
  menu_->setObjectName(QStringLiteral("PopupMenu1"));
  goAction_ = menu_->addAction(QStringLiteral("この年に移動"), this, &TToolSelectDlg::GoToSelected);
  subAlbumsAction_ = menu_->addAction(QStringLiteral("サブアルバムの一覧"), this, &TToolSelectDlg::ShowSubAlbums);
  pagesAction_ = menu_->addAction(QStringLiteral("ページの一覧"), this, &TToolSelectDlg::ShowPages);
  QMenu* files = menu_->addMenu(QStringLiteral("ファイルの一覧"));
  filesAction_ = files->menuAction();
  files->addAction(QStringLiteral("全て"), this, [this] { ShowFiles(FileListKind::kAll); });
  files->addAction(QStringLiteral("画像"), this, [this] { ShowFiles(FileListKind::kImages); });
  files->addAction(QStringLiteral("画像以外"), this, [this] { ShowFiles(FileListKind::kOthers); });
  menu_->addAction(QStringLiteral("コピー(&C)"), this, &TToolSelectDlg::CopySelected);
  deleteAction_ = menu_->addAction(QStringLiteral("削除(&D)"), this, &TToolSelectDlg::DeleteSelected);
  deleteAction_->setObjectName(QStringLiteral("Delete1"));
  deleteAction_->setShortcut(QKeySequence::Delete);
  deleteAction_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  list_->addAction(deleteAction_);
  fileDatesAction_ =
      menu_->addAction(QStringLiteral("更新日に登録日を設定"), this, &TToolSelectDlg::SetFileDatesOfSelected);
  fileDatesAction_->setObjectName(QStringLiteral("N9"));
  list_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(list_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { menu_->popup(list_->viewport()->mapToGlobal(at)); });
  // A double click or Enter goes to the row; a hit of the search is gone to
  // as soon as it is selected.
  connect(list_, &QTreeWidget::activated, this, &TToolSelectDlg::GoToSelected);
  connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] {
    if (mode_ == Mode::kResults && list_->selectedItems().size() == 1) GoToSelected();
  });
  connect(list_->header(), &QHeaderView::sectionClicked, this, &TToolSelectDlg::SortByText);
  connect(subAlbumsButton_, &QAbstractButton::clicked, this, &TToolSelectDlg::ShowSubAlbums);
  connect(pagesButton_, &QAbstractButton::clicked, this, &TToolSelectDlg::ShowPages);
  connect(filesButton_, &QAbstractButton::clicked, this, [this] { ShowFiles(FileListKind::kAll); });
  connect(backButton_, &QAbstractButton::clicked, this, &TToolSelectDlg::Back);
  connect(goButton_, &QAbstractButton::clicked, this, &TToolSelectDlg::GoToSelected);
  connect(close, &QAbstractButton::clicked, this, &QWidget::close);
  pictures_ = new AlbumListPictures(*list_, album_.picture, this);
  connect(iconViewButton_, &QAbstractButton::toggled, pictures_, &AlbumListPictures::SetIconView);
  resize(520, 480);
}

bool TToolSelectDlg::withoutSubAlbums() const { return excludeSubAlbums_->isChecked(); }

void TToolSelectDlg::ShowAlbum() {
  setWindowTitle(QStringLiteral("全てのアルバム"));
  label_->setText(QString::fromUtf8(kAlbumLabel));
  SetMode(Mode::kYears);
  SetRows(album_.yearRows ? album_.yearRows() : std::vector<AlbumListRow>());
  show();
  raise();
}

void TToolSelectDlg::ShowResults(const QString& caption, const QString& message, std::vector<AlbumListRow> rows) {
  setWindowTitle(caption);
  label_->setText(message);
  SetMode(Mode::kResults);
  SetRows(std::move(rows));
  show();
  raise();
}

void TToolSelectDlg::SetMode(Mode mode) {
  mode_ = mode;
  const bool years = mode == Mode::kYears;
  for (QAbstractButton* button : {subAlbumsButton_, pagesButton_, filesButton_}) button->setVisible(years);
  for (QAction* action : {subAlbumsAction_, pagesAction_, filesAction_, fileDatesAction_}) action->setVisible(years);
  backButton_->setVisible(mode == Mode::kYearList);
  deleteAction_->setVisible(mode != Mode::kResults);
  iconViewButton_->setVisible(mode == Mode::kYearList && album_.picture);
  if (mode != Mode::kYearList) iconViewButton_->setChecked(false);
  excludeSubAlbums_->setVisible(mode != Mode::kResults);
  const QString go = years ? QStringLiteral("この年に移動") : QStringLiteral("この日に移動");
  goButton_->setText(go);
  goAction_->setText(go);
}

void TToolSelectDlg::SetRows(std::vector<AlbumListRow> rows) {
  rows_ = std::move(rows);
  list_->clear();
  AddItems(0);
}

void TToolSelectDlg::AppendResults(const QString& message, const std::vector<AlbumListRow>& rows) {
  label_->setText(message);
  const size_t first = rows_.size();
  rows_.insert(rows_.end(), rows.begin(), rows.end());
  AddItems(first);
}

// Items for the rows from `first` on, the header's count and the pictures
// (which also grey the rows whose file is gone, for the rows in sight).
void TToolSelectDlg::AddItems(size_t first) {
  std::vector<std::string> paths;
  paths.reserve(rows_.size() - first);
  for (size_t i = first; i < rows_.size(); ++i) {
    new QTreeWidgetItem(list_, {ToQString(rows_[i].text)});
    paths.push_back(rows_[i].path);
  }
  list_->setHeaderLabels({ToQString("[ " + WithThousandsSeparators(static_cast<long long>(rows_.size())) + " ]")});
  if (first == 0) {
    pictures_->SetPaths(std::move(paths));
  } else {
    pictures_->AppendPaths(std::move(paths));
  }
}

std::vector<int> TToolSelectDlg::SelectedRows() const {
  std::vector<int> rows;
  for (QTreeWidgetItem* item : list_->selectedItems()) rows.push_back(list_->indexOfTopLevelItem(item));
  std::sort(rows.begin(), rows.end());
  return rows;
}

std::string TToolSelectDlg::SelectedYear() const {
  const std::vector<int> selected = SelectedRows();
  if (mode_ != Mode::kYears || selected.size() != 1) return {};
  return rows_[selected.front()].year;
}

void TToolSelectDlg::ShowSubAlbums() {
  const std::string year = SelectedYear();
  if (year.empty() || !album_.withYear) return;
  std::vector<AlbumListRow> rows;
  album_.withYear(year, [&](const YearDocuments& docs) {
    rows = SubAlbumRows(year, docs, [&](std::string_view page) { return album_.locked(year, page); });
  });
  yearSelected_ = year;
  listYear_ = year;
  label_->setText(ToQString(SubAlbumListLabel(year)));
  SetMode(Mode::kYearList);
  SetRows(std::move(rows));
}

void TToolSelectDlg::ShowPages() {
  const std::string year = SelectedYear();
  if (year.empty() || !album_.withYear) return;
  std::vector<AlbumListRow> rows;
  album_.withYear(year, [&](const YearDocuments& docs) {
    rows = PageRows(year, docs, [&](std::string_view page) { return album_.locked(year, page); });
  });
  yearSelected_ = year;
  listYear_ = year;
  label_->setText(ToQString(PageListLabel(year)));
  SetMode(Mode::kYearList);
  SetRows(std::move(rows));
}

void TToolSelectDlg::ShowFiles(FileListKind kind) {
  const std::string year = SelectedYear();
  if (year.empty() || !album_.withYear) return;
  std::vector<AlbumListRow> rows;
  SilentOperation silent;
  LongOperation& progress = album_.progress != nullptr ? *album_.progress : silent;
  const bool without = withoutSubAlbums();
  album_.withYear(year, [&](const YearDocuments& docs) {
    rows = FileRows(year, docs, kind, without, [&](std::string_view page) { return album_.locked(year, page); },
                    progress);
  });
  yearSelected_ = year;
  listYear_ = year;
  label_->setText(ToQString(FileListLabel(year, kind, without)));
  SetMode(Mode::kYearList);
  SetRows(std::move(rows));
}

void TToolSelectDlg::Back() {
  if (mode_ != Mode::kYearList) return;
  label_->setText(QString::fromUtf8(kAlbumLabel));
  SetMode(Mode::kYears);
  // The years are counted again: rows of the year's list may have been
  // deleted meanwhile.
  SetRows(album_.yearRows ? album_.yearRows() : std::vector<AlbumListRow>());
  for (size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].year == yearSelected_) list_->setCurrentItem(list_->topLevelItem(static_cast<int>(i)));
  }
}

void TToolSelectDlg::GoToSelected() {
  const std::vector<int> selected = SelectedRows();
  if (selected.empty() || !album_.goTo) return;
  album_.goTo(rows_[selected.front()]);
}

void TToolSelectDlg::CopySelected() {
  if (mode_ == Mode::kYears || !album_.filesOf) return;
  std::vector<std::string> paths;
  for (int index : SelectedRows()) {
    for (std::string& path : album_.filesOf(rows_[index])) paths.push_back(std::move(path));
  }
  if (!paths.empty()) QApplication::clipboard()->setMimeData(FileListMimeData(paths, false).release());
}

void TToolSelectDlg::DeleteSelected() {
  if (mode_ == Mode::kResults || !album_.deleteRows) return;
  const std::vector<int> selected = SelectedRows();
  if (selected.empty()) return;
  std::vector<AlbumListRow> chosen;
  for (int index : selected) chosen.push_back(rows_[index]);
  const std::vector<size_t> deleted = album_.deleteRows(chosen);
  if (deleted.empty()) return;
  std::vector<bool> gone(rows_.size(), false);
  for (size_t index : deleted) gone[selected[index]] = true;
  std::vector<AlbumListRow> kept;
  for (size_t i = 0; i < rows_.size(); ++i) {
    if (!gone[i]) kept.push_back(std::move(rows_[i]));
  }
  SetRows(std::move(kept));
}

void TToolSelectDlg::SetFileDatesOfSelected() {
  if (mode_ != Mode::kYears || !album_.setFileDates) return;
  std::vector<std::string> years;
  for (int index : SelectedRows()) {
    if (!rows_[index].year.empty()) years.push_back(rows_[index].year);
  }
  if (!years.empty()) album_.setFileDates(years);
}

void TToolSelectDlg::SortByText() {
  std::stable_sort(rows_.begin(), rows_.end(), [this](const AlbumListRow& a, const AlbumListRow& b) {
    return ascending_ ? a.text < b.text : b.text < a.text;
  });
  ascending_ = !ascending_;
  SetRows(std::move(rows_));
}

}  // namespace lumidex
