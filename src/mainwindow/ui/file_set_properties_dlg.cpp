#include "mainwindow/ui/file_set_properties_dlg.h"

#include <QFormLayout>
#include <QLabel>
#include <QLocale>

#include "images/format_byte_size.h"
#include "platform/ui/file_properties_dlg.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

QLabel* Value(const QString& text, QWidget* parent, const char* name) {
  QLabel* label = platform::PropertyValue(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

}  // namespace

FileSetPropertiesDlg::FileSetPropertiesDlg(const FileSetProperties& properties, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("FileSetPropertiesDlg"));
  setWindowTitle(QStringLiteral("プロパティ"));
  const QLocale japanese(QLocale::Japanese);
  QStringList types;
  for (const TypeCount& type : properties.types) {
    types << ToQString(type.caption) + QStringLiteral(" (") +
                 japanese.toString(qulonglong(type.count)) + QStringLiteral(" 個)");
  }
  QString size = ToQString(FormatByteSize(static_cast<int64_t>(properties.totalBytes), true)) +
                 QStringLiteral(" (") + japanese.toString(qulonglong(properties.totalBytes)) +
                 QStringLiteral(" バイト)");
  if (properties.unreadable > 0) {
    size += QStringLiteral("\n") + japanese.toString(qulonglong(properties.unreadable)) +
            QStringLiteral(" 個のファイルはサイズを読めません");
  }

  auto* form = new QFormLayout;
  form->addRow(
      QStringLiteral("ファイル数:"),
      Value(japanese.toString(qulonglong(properties.count)) + QStringLiteral(" 個のファイル"), this,
            "CountLabel"));
  form->addRow(QStringLiteral("種類:"),
               Value(types.join(QStringLiteral("\n")), this, "TypesLabel"));
  form->addRow(QStringLiteral("場所:"), Value(ToQString(properties.folder), this, "FolderLabel"));
  form->addRow(QStringLiteral("サイズ:"), Value(size, this, "SizeLabel"));

  platform::LayOutPropertiesForm(*this, form);
}

}  // namespace lumidex
