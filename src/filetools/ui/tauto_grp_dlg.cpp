#include "filetools/ui/tauto_grp_dlg.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "foundation/file_paths.h"
#include "album/short_path_text.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

QCheckBox* AddCheck(QVBoxLayout* layout, QWidget* parent, const char* name, const QString& caption,
                    bool checked = false) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setChecked(checked);
  layout->addWidget(box);
  return box;
}

// "shortph": the history shows each folder as its root, one full stop per
// level and its own name. (Short file names do not exist here, so the
// option is named after what it shows.)
QCheckBox* ShortPathCheck(QVBoxLayout* layout, QWidget* parent, bool checked) {
  QCheckBox* box = AddCheck(layout, parent, "ShortPathCheck",
                            QStringLiteral("履歴のフォルダ名を短く表示する"), checked);
  box->setToolTip(QStringLiteral("例: /home/user/写真/2014 を /....[ 2014 ] と表示します"));
  return box;
}

}  // namespace

TAutoGrpDlg::TAutoGrpDlg(Form form, const std::string& userDir, const Initial& initial,
                         QWidget* parent)
    : QDialog(parent),
      form_(form),
      history_(FolderHistory::Load(userDir)),
      aDir_(initial.folder),
      folderEdit_(new QLineEdit(ToQString(initial.folder), this)),
      historyList_(new QListWidget(this)),
      okButton_(new QPushButton(QStringLiteral("OK"), this)) {
  setObjectName(QStringLiteral("TAutoGrpDlg"));
  const bool search = form == Form::kFolderSearch;
  setWindowTitle(search ? QStringLiteral("フォルダから検索して追加")
                        : QStringLiteral("画像の自動登録"));
  auto* layout = new QVBoxLayout(this);
  if (search) {
    layout->addWidget(new QLabel(QStringLiteral("指定フォルダからファイルを検索してアルバムに追加し"
                                                "ます。\n検索するフォルダを指定して下さい"),
                                 this));
  }
  folderEdit_->setObjectName(QStringLiteral("FolderEdit"));
  auto* browse = new QPushButton(QStringLiteral("参照"), this);
  browse->setObjectName(QStringLiteral("BrowseBtn"));
  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(folderEdit_);
  folderRow->addWidget(browse);
  layout->addLayout(folderRow);
  historyList_->setObjectName(QStringLiteral("ListBox1"));
  // The selected row is drawn on navy with white text.
  historyList_->setStyleSheet(
      QStringLiteral("QListWidget::item:selected { background: #000080; color: white; }"));
  historyList_->setTextElideMode(Qt::ElideMiddle);
  layout->addWidget(historyList_);

  if (search) {
    hidden_ = AddCheck(layout, this, "HiddenCheck", QStringLiteral("隠し属性を含める"));
    managed_ = AddCheck(layout, this, "ManagedCheck",
                        QStringLiteral("管理対象に加えたファイルを含める"), true);
    shortPath_ = ShortPathCheck(layout, this, initial.shortPaths);
    if (initial.placementOffered) {
      placement_ = AddCheck(layout, this, "PlacementCheck", QStringLiteral("配置情報を使用する"));
    }
  } else {
    subAlbums_ = AddCheck(layout, this, "SubAlbumCheck",
                          QStringLiteral("フォルダ名でサブアルバムを作成する （風景\\abc.jpg）"));
    rootToo_ = AddCheck(layout, this, "RootFolderCheck",
                        QStringLiteral("検索ルートのフォルダ名でもサブアルバムを作成する"));
    managed_ =
        AddCheck(layout, this, "ManagedCheck", QStringLiteral("管理対象に加えたファイルを含める"));
    hidden_ = AddCheck(layout, this, "HiddenCheck", QStringLiteral("隠し属性のファイルを含める"));
    exif_ =
        AddCheck(layout, this, "ExifCheck",
                 QStringLiteral("Exif形式のJPEGファイルは撮影日で振り分ける"), initial.exifDates);
    shortPath_ = ShortPathCheck(layout, this, initial.shortPaths);
  }

  auto* help = new QPushButton(QStringLiteral("ヘルプ"), this);
  help->setObjectName(QStringLiteral("HelpBtn"));
  auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
  okButton_->setObjectName(QStringLiteral("OkBtn"));
  okButton_->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(help);
  buttons->addStretch();
  buttons->addWidget(okButton_);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);

  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this,
          [this] { emit helpRequested(QStringLiteral("AutoGrp")); });
  connect(browse, &QPushButton::clicked, this, &TAutoGrpDlg::Browse);
  connect(folderEdit_, &QLineEdit::textChanged, this, &TAutoGrpDlg::UpdateOk);
  connect(shortPath_, &QCheckBox::toggled, this, &TAutoGrpDlg::FillHistory);
  connect(historyList_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
    if (item != nullptr) folderEdit_->setText(item->data(Qt::UserRole).toString());
  });
  FillHistory();
  UpdateOk();
}

void TAutoGrpDlg::FillHistory() {
  historyList_->clear();
  const QIcon icon = QFileIconProvider().icon(QFileIconProvider::Folder);
  for (const auto& folder : history_.Shown()) {
    const QString text = ToQString(shortPath_->isChecked() ? ShortPathText(folder, true) : folder);
    auto* item = new QListWidgetItem(icon, text, historyList_);
    item->setData(Qt::UserRole, ToQString(folder));
  }
}

void TAutoGrpDlg::Browse() {
  const std::string edited = folder();
  const std::string start = FolderExists(edited) ? edited : aDir_;
  const QString chosen = QFileDialog::getExistingDirectory(
      this, QStringLiteral("検索するフォルダを選択して下さい"), ToQString(start));
  if (chosen.isEmpty()) return;
  browsed_ = ToStdString(chosen);
  aDir_ = browsed_;
  folderEdit_->setText(chosen);
}

void TAutoGrpDlg::UpdateOk() { okButton_->setEnabled(FolderExists(folder())); }

std::string TAutoGrpDlg::folder() const { return ToStdString(folderEdit_->text().trimmed()); }

AutoRegisterOptions TAutoGrpDlg::options() const {
  AutoRegisterOptions options;
  options.subAlbumsByFolder = subAlbums_ != nullptr && subAlbums_->isChecked();
  options.rootFolderToo = rootToo_ != nullptr && rootToo_->isChecked();
  options.includeManaged = managed_->isChecked();
  options.includeHidden = hidden_->isChecked();
  options.exifDates = exif_ != nullptr && exif_->isChecked();
  return options;
}

bool TAutoGrpDlg::shortPaths() const { return shortPath_->isChecked(); }

bool TAutoGrpDlg::usePlacement() const { return placement_ != nullptr && placement_->isChecked(); }

void TAutoGrpDlg::done(int result) {
  if (result == QDialog::Accepted) history_.Add(folder());
  // The history is kept however the dialog closes; a failed write loses
  // only the history.
  (void)history_.Save();
  QDialog::done(result);
}

}  // namespace lumidex
