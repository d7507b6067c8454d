#include "desktop/ui/wallpaper_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "desktop/desktop_wallpaper.h"
#include "desktop/wallpaper_folder.h"
#include "images/picture_loader.h"
#include "images/ui/bitmap_bridge.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

constexpr int kPreviewWidth = 240;
constexpr int kPreviewHeight = 180;
const QString kCaption = QStringLiteral("デスクトップの背景変更");
const QString kRemoveItem = QStringLiteral("[ 設定解除 ]");

}  // namespace

WallpaperDialog::WallpaperDialog(DesktopWallpaper& wallpaper, const QString& picture,
                                 QWidget* parent)
    : QDialog(parent), wallpaper_(wallpaper), picture_(picture) {
  setObjectName(QStringLiteral("TDayListDlg"));
  setWindowTitle(kCaption);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("Panel3"));
  outer->addWidget(panel);
  auto* grid = new QGridLayout(panel);

  grid->addWidget(new QLabel(QStringLiteral("背景にするファイル"), panel), 0, 0);
  edit_ = new QLineEdit(picture, panel);
  edit_->setObjectName(QStringLiteral("Edit1"));
  grid->addWidget(edit_, 1, 0);
  preview_ = new QLabel(panel);
  preview_->setObjectName(QStringLiteral("Image1"));
  preview_->setFixedSize(kPreviewWidth, kPreviewHeight);
  preview_->setAlignment(Qt::AlignCenter);
  preview_->setFrameShape(QFrame::StyledPanel);
  grid->addWidget(preview_, 2, 0, Qt::AlignCenter);
  auto* styleRow = new QHBoxLayout;
  styleRow->addWidget(new QLabel(QStringLiteral("画像の位置"), panel));
  styleBox_ = new QComboBox(panel);
  styleBox_->setObjectName(QStringLiteral("ComboBox2"));
  for (const std::string_view caption : kWallpaperStyleCaptions)
    styleBox_->addItem(ToQString(caption));
  styleBox_->setCurrentIndex(static_cast<int>(wallpaper_.CurrentStyle()));
  styleRow->addWidget(styleBox_, 1);
  grid->addLayout(styleRow, 3, 0);

  grid->addWidget(new QLabel(QStringLiteral("背景にしたファイル"), panel), 0, 1);
  list_ = new QListWidget(panel);
  list_->setObjectName(QStringLiteral("ListBox1"));
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setContextMenuPolicy(Qt::CustomContextMenu);
  grid->addWidget(list_, 1, 1, 3, 1);
  grid->setColumnStretch(1, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* ok = new QPushButton(QStringLiteral("OK"), panel);
  ok->setObjectName(QStringLiteral("OKBtn"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("キャンセル"), panel);
  cancel->setObjectName(QStringLiteral("CancelBtn"));
  auto* help = new QPushButton(QStringLiteral("Help"), panel);
  help->setObjectName(QStringLiteral("HelpBtn"));
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addWidget(help);
  grid->addLayout(buttons, 4, 0, 1, 2);

  listMenu_ = new QMenu(this);
  listMenu_->addAction(QStringLiteral("削除(&D)"), this, &WallpaperDialog::DeleteSelected);

  connect(ok, &QPushButton::clicked, this, &WallpaperDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &WallpaperDialog::reject);
  connect(help, &QPushButton::clicked, this, [this] {
    if (help_) help_(QStringLiteral("DsktopBackGrp"));
  });
  connect(list_, &QListWidget::itemClicked, this, &WallpaperDialog::ItemClicked);
  connect(list_, &QListWidget::itemDoubleClicked, this, &WallpaperDialog::ItemDoubleClicked);
  connect(list_, &QWidget::customContextMenuRequested, this, &WallpaperDialog::ShowListMenu);

  FillList();
  ShowPreview(picture);
  resize(560, 340);
}

void WallpaperDialog::FillList() {
  list_->clear();
  list_->addItem(kRemoveItem);
  for (const std::string& name : ListWallpaperFiles(wallpaper_.folder()))
    list_->addItem(ToQString(name));
}

void WallpaperDialog::ShowPreview(const QString& path) {
  preview_->clear();
  if (path.isEmpty()) return;
  JpegDecodeOptions options;
  options.coverWidth = kPreviewWidth;
  options.coverHeight = kPreviewHeight;
  const Result<Bitmap> bitmap = LoadPicture(ToStdString(path), options);
  if (!bitmap.ok() || bitmap.value().empty()) return;
  const QImage image =
      WrapAsQImage(bitmap.value())
          .scaled(kPreviewWidth, kPreviewHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  preview_->setPixmap(QPixmap::fromImage(image));
}

void WallpaperDialog::ItemClicked(QListWidgetItem* item) {
  const bool first = list_->row(item) == 0;
  const QString name = first ? QString() : item->text();
  list_->setToolTip(name);
  list_->setStatusTip(name);
  if (!first) ShowPreview(ToQString(wallpaper_.folder()) + name);
}

void WallpaperDialog::ItemDoubleClicked(QListWidgetItem* item) {
  const QString path =
      list_->row(item) == 0 ? picture_ : ToQString(wallpaper_.folder()) + item->text();
  edit_->setText(path);
  ShowPreview(path);
}

void WallpaperDialog::ShowListMenu(const QPoint& at) {
  for (const QListWidgetItem* item : list_->selectedItems()) {
    if (list_->row(item) > 0) {
      listMenu_->popup(list_->viewport()->mapToGlobal(at));
      return;
    }
  }
}

void WallpaperDialog::DeleteSelected() {
  std::vector<int> rows;
  for (const QListWidgetItem* item : list_->selectedItems()) {
    if (const int row = list_->row(item); row > 0) rows.push_back(row);
  }
  std::sort(rows.begin(), rows.end());
  std::vector<std::string> names;
  for (const int row : rows) names.push_back(ToStdString(list_->item(row)->text()));
  const Status deleted = DeleteWallpaperFiles(wallpaper_.folder(), names);
  // The list shows what is left in the folder, also after a failure.
  FillList();
  Report(deleted);
}

bool WallpaperDialog::Report(const Status& status) {
  if (status.ok()) return true;
  QMessageBox::warning(this, kCaption, ToQString(status.message()));
  return false;
}

void WallpaperDialog::accept() {
  const std::string path = ToStdString(edit_->text().trimmed());
  if (path.empty()) {
    if (Report(wallpaper_.Remove())) QDialog::accept();
    return;
  }
  const Result<std::string> set = wallpaper_.Set(path, styleBox_->currentIndex());
  if (set.ok()) {
    QDialog::accept();
  } else {
    Report(set.status());
    FillList();
  }
}

}  // namespace lumidex
