#include "filetools/ui/torganise_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <QVBoxLayout>

#include "foundation/file_paths.h"
#include "foundation/settings.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {

TOrganiseDlg::TOrganiseDlg(Settings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
  setObjectName(QStringLiteral("TOrganiseDlg"));
  setWindowTitle(QStringLiteral("画像ファイルの整理"));
  auto* label = new QLabel(ToQString(kOrganiseLabel), this);
  label->setWordWrap(true);

  auto* folders = new QGridLayout;
  auto addFolder = [&](int row, const QString& caption, const std::string& value,
                       const QString& title, bool destination) {
    auto* edit = new QLineEdit(ToQString(value), this);
    auto* browse = new QPushButton(QStringLiteral("参照"), this);
    auto* open = new QPushButton(caption, this);
    open->setToolTip(QStringLiteral("開く"));
    folders->addWidget(open, row, 0);
    folders->addWidget(edit, row, 1);
    folders->addWidget(browse, row, 2);
    connect(browse, &QPushButton::clicked, this,
            [this, edit, title, destination] { Browse(edit, title, destination); });
    connect(open, &QPushButton::clicked, this, [edit] {
      if (FolderExists(ToStdString(edit->text())))
        QDesktopServices::openUrl(QUrl::fromLocalFile(edit->text()));
    });
    connect(edit, &QLineEdit::textChanged, this, &TOrganiseDlg::UpdateControls);
    return edit;
  };
  destination_ = addFolder(0, QStringLiteral("整理先"), settings.dir1,
                           QStringLiteral("整理先（コピー先）のフォルダを選択して下さい"), true);
  source_ = addFolder(1, QStringLiteral("整理元"), settings.dir2,
                      QStringLiteral("整理するフォルダを選択して下さい"), false);

  auto* unitBox = new QGroupBox(QStringLiteral("纏める単位"), this);
  auto* unitLayout = new QHBoxLayout(unitBox);
  auto* unitGroup = new QButtonGroup(this);
  const QString unitNames[3] = {QStringLiteral("年"), QStringLiteral("年月"),
                                QStringLiteral("年月日")};
  for (int i = 0; i < 3; ++i) {
    units_[i] = new QRadioButton(unitNames[i], unitBox);
    unitGroup->addButton(units_[i], i);
    unitLayout->addWidget(units_[i]);
  }
  units_[std::clamp(settings.cpMod, 0, 2)]->setChecked(true);

  subfolders_ = new QCheckBox(QStringLiteral("サブフォルダのファイルも整理する"), this);
  subfolders_->setChecked(settings.subfld);
  move_ = new QCheckBox(QStringLiteral("ファイルを移動する（整理元ファイルは削除）"), this);
  removeEmptied_ = new QCheckBox(QStringLiteral("空に成ったフォルダを削除する"), this);
  removeEmptied_->setChecked(settings.mvdelsw);
  managed_ = new QCheckBox(QStringLiteral("管理対象に加えたファイルを含める"), this);
  rename_ = new QCheckBox(QStringLiteral("ファイルの名前を更新日に変更する(画像のみ)"), this);
  exifDates_ = new QCheckBox(QStringLiteral("Exif形式のJPEGファイルは撮影日で纏める"), this);
  exifDates_->setChecked(settings.exifdate);
  connect(move_, &QCheckBox::toggled, this, &TOrganiseDlg::UpdateControls);

  auto* buttons = new QDialogButtonBox(this);
  run_ = buttons->addButton(QStringLiteral("実行"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
  QPushButton* help = buttons->addButton(QStringLiteral("ヘルプ"), QDialogButtonBox::HelpRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this,
          [this] { emit helpRequested(QStringLiteral("kataduke")); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addLayout(folders);
  layout->addWidget(unitBox);
  for (QWidget* box : {static_cast<QWidget*>(subfolders_), static_cast<QWidget*>(move_),
                       static_cast<QWidget*>(removeEmptied_), static_cast<QWidget*>(managed_),
                       static_cast<QWidget*>(rename_), static_cast<QWidget*>(exifDates_)}) {
    layout->addWidget(box);
  }
  layout->addWidget(buttons);
  resize(460, sizeHint().height());
  UpdateControls();
}

void TOrganiseDlg::Browse(QLineEdit* edit, const QString& title, bool destination) {
  const QString chosen = QFileDialog::getExistingDirectory(this, title, edit->text());
  if (chosen.isEmpty()) return;
  edit->setText(chosen);
  (destination ? settings_.dir1 : settings_.dir2) = ToStdString(chosen);
}

void TOrganiseDlg::UpdateControls() {
  const std::string destination = ToStdString(destination_->text());
  const std::string source = ToStdString(source_->text());
  run_->setEnabled(FolderExists(destination) && FolderExists(source));
  // Moving is safe across file systems here (copy, sync, then unlink), so
  // it only needs two different folders.
  move_->setEnabled(!destination.empty() && !source.empty() &&
                    WithoutTrailingSlash(destination) != WithoutTrailingSlash(source));
  removeEmptied_->setEnabled(move_->isEnabled() && move_->isChecked());
}

OrganiseOptions TOrganiseDlg::options() const {
  OrganiseOptions options;
  options.destination = ToStdString(destination_->text());
  options.source = ToStdString(source_->text());
  for (int i = 0; i < 3; ++i) {
    if (units_[i]->isChecked()) options.unit = static_cast<OrganiseUnit>(i);
  }
  options.withSubfolders = subfolders_->isChecked();
  options.move = move_->isEnabled() && move_->isChecked();
  options.removeEmptied = options.move && removeEmptied_->isChecked();
  options.includeManaged = managed_->isChecked();
  options.renameToDate = rename_->isChecked();
  options.exifDates = exifDates_->isChecked();
  return options;
}

void TOrganiseDlg::accept() {
  const OrganiseOptions chosen = options();
  settings_.dir1 = chosen.destination;
  settings_.dir2 = chosen.source;
  settings_.cpMod = static_cast<int>(chosen.unit);
  settings_.subfld = chosen.withSubfolders;
  settings_.mvdelsw = removeEmptied_->isChecked();
  settings_.exifdate = chosen.exifDates;
  QDialog::accept();
}

}  // namespace lumidex
