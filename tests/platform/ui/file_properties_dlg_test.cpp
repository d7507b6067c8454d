// The properties window used when the desktop offers none.
#include <QLabel>
#include <QTest>

#include "platform/ui/file_properties_dlg.h"
#include "support/temp_home.h"

using namespace lumidex;

namespace {

QStringList Texts(const QWidget& dialog) {
  QStringList texts;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
  return texts;
}

}  // namespace

class FilePropertiesDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void showsNameFolderAndSizeOfAFile() {
    testing::TempHome home;
    const std::string path = home.Join("写真/旅行.jpg");
    testing::WriteFile(path, std::string(12345, 'x'));
    platform::FilePropertiesDlg dialog(QString::fromStdString(path));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("旅行.jpg"));
    const QStringList texts = Texts(dialog);
    QVERIFY(texts.contains(QStringLiteral("旅行.jpg")));
    QVERIFY(texts.contains(QString::fromStdString(home.Join("写真"))));
    QVERIFY(texts.contains(QStringLiteral("12,345 バイト")));
  }

  void saysWhenTheFileIsMissing() {
    testing::TempHome home;
    platform::FilePropertiesDlg dialog(QString::fromStdString(home.Join("gone.png")));
    QVERIFY(Texts(dialog).contains(QStringLiteral("ファイルが見つかりません")));
  }
};

QTEST_MAIN(FilePropertiesDlgTest)
#include "file_properties_dlg_test.moc"
