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

QLabel* Value(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label->setWordWrap(true);
  return label;
}

}  // namespace

FilePropertiesDlg::FilePropertiesDlg(const QString& path, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FilePropertiesDlg"));
  const QFileInfo info(path);
  setWindowTitle(info.fileName().isEmpty() ? path : info.fileName());

  auto* form = new QFormLayout;
  if (!info.exists()) {
    form->addRow(QStringLiteral("名前:"), Value(info.fileName(), this));
    form->addRow(QStringLiteral("場所:"), Value(info.absolutePath(), this));
    form->addRow(QString(), Value(QStringLiteral("ファイルが見つかりません"), this));
  } else {
    const QMimeType type = QMimeDatabase().mimeTypeForFile(info);
    form->addRow(QStringLiteral("名前:"), Value(info.fileName(), this));
    form->addRow(QStringLiteral("種類:"), Value(info.isDir() ? QStringLiteral("フォルダ") : type.comment(), this));
    form->addRow(QStringLiteral("場所:"), Value(info.absolutePath(), this));
    form->addRow(QStringLiteral("サイズ:"), Value(SizeText(info), this));
    form->addRow(QStringLiteral("更新日時:"), Value(TimeText(info.lastModified()), this));
    form->addRow(QStringLiteral("アクセス日時:"), Value(TimeText(info.lastRead()), this));
    QStringList access;
    access << (info.isReadable() ? QStringLiteral("読み取り可") : QStringLiteral("読み取り不可"));
    access << (info.isWritable() ? QStringLiteral("書き込み可") : QStringLiteral("読み取り専用"));
    form->addRow(QStringLiteral("属性:"), Value(access.join(QStringLiteral("、")), this));
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  setMinimumWidth(360);
}

}  // namespace lumidex::platform
