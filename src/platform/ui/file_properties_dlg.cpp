#include "platform/ui/file_properties_dlg.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QMimeDatabase>
#include <QVBoxLayout>

namespace lumidex::platform {
namespace {

QString SizeText(const QFileInfo& info) {
  if (info.isDir()) return QStringLiteral("-");
  return QLocale(QLocale::Japanese).toString(info.size()) + QStringLiteral(" バイト");
}

QString TimeText(const QDateTime& time) {
  return time.isValid() ? time.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")) : QStringLiteral("-");
}

}  // namespace

FilePropertiesDlg::FilePropertiesDlg(const QString& path, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FilePropertiesDlg"));
  const QFileInfo info(path);
  setWindowTitle(info.fileName().isEmpty() ? path : info.fileName());

  auto* form = new QFormLayout;
  if (!info.exists()) {
    form->addRow(QStringLiteral("名前:"), PropertyValue(info.fileName(), this));
    form->addRow(QStringLiteral("場所:"), PropertyValue(info.absolutePath(), this));
    form->addRow(QString(), PropertyValue(QStringLiteral("ファイルが見つかりません"), this));
  } else {
    const QMimeType type = QMimeDatabase().mimeTypeForFile(info);
    form->addRow(QStringLiteral("名前:"), PropertyValue(info.fileName(), this));
    form->addRow(QStringLiteral("種類:"), PropertyValue(info.isDir() ? QStringLiteral("フォルダ") : type.comment(), this));
    form->addRow(QStringLiteral("場所:"), PropertyValue(info.absolutePath(), this));
    form->addRow(QStringLiteral("サイズ:"), PropertyValue(SizeText(info), this));
    form->addRow(QStringLiteral("更新日時:"), PropertyValue(TimeText(info.lastModified()), this));
    form->addRow(QStringLiteral("アクセス日時:"), PropertyValue(TimeText(info.lastRead()), this));
    QStringList access;
    access << (info.isReadable() ? QStringLiteral("読み取り可") : QStringLiteral("読み取り不可"));
    access << (info.isWritable() ? QStringLiteral("書き込み可") : QStringLiteral("読み取り専用"));
    form->addRow(QStringLiteral("属性:"), PropertyValue(access.join(QStringLiteral("、")), this));
  }

  LayOutPropertiesForm(*this, form);
}

QLabel* PropertyValue(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label->setWordWrap(true);
  return label;
}

void LayOutPropertiesForm(QDialog& dialog, QFormLayout* form) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(form);
  layout->addWidget(buttons);
  dialog.setMinimumWidth(360);
}

}  // namespace lumidex::platform
