// The standard dialogs read Japanese once the window's look is applied: the
// month chooser's calendar, message box buttons and the file dialog. With
// LUMIDEX_SCREENSHOTS set to a folder, each dialog is also saved there as a
// PNG to be looked at.
#include <QAbstractItemModel>
#include <QApplication>
#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "calendar/ui/tyear_chg_dlg.h"
#include "mainwindow/ui/application_look.h"

using namespace lumidex;

namespace {

void Shoot(QWidget& dialog, const QString& name) {
  const QString shots = qEnvironmentVariable("LUMIDEX_SCREENSHOTS");
  if (shots.isEmpty()) return;
  QDir().mkpath(shots);
  dialog.show();
  QApplication::processEvents();
  dialog.grab().save(shots + QLatin1Char('/') + name + QStringLiteral(".png"));
  dialog.hide();
}

// The texts of every label and button of `dialog`.
QStringList Texts(const QWidget& dialog) {
  QStringList texts;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
  for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
    texts << button->text();
  return texts;
}

}  // namespace

class JapaneseDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { translated_ = ApplyApplicationLook(*qApp); }

  void theMonthChooserShowsJapaneseMonthsAndWeekdaysFromSundayWithoutWeekNumbers() {
    TYearChgDlg dialog(CalendarDate{2014, 8, 20});
    const QCalendarWidget* calendar = dialog.calendarWidget();
    const auto* month =
        calendar->findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"));
    QVERIFY(month != nullptr);
    QCOMPARE(month->text(), QStringLiteral("8月"));
    const QAbstractItemModel* days =
        calendar->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"))->model();
    QCOMPARE(days->columnCount(), 7);  // no week number column
    QStringList header;
    for (int column = 0; column < 7; ++column) header << days->index(0, column).data().toString();
    QCOMPARE(header, QStringList({"日", "月", "火", "水", "木", "金", "土"}));
    Shoot(dialog, QStringLiteral("month-chooser"));
  }

  void messageBoxesAndFileDialogsReadJapanese() {
    if (!translated_) QSKIP("Qt's Japanese translations (qt6-translations-l10n) are not installed");
    QMessageBox box(QMessageBox::Question, QStringLiteral("確認"), QStringLiteral("削除しますか？"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel);
    QVERIFY(box.button(QMessageBox::Yes)->text().startsWith(QStringLiteral("はい")));
    QVERIFY(box.button(QMessageBox::No)->text().startsWith(QStringLiteral("いいえ")));
    QVERIFY(box.button(QMessageBox::Cancel)->text().startsWith(QStringLiteral("キャンセル")));
    Shoot(box, QStringLiteral("message-box"));

    QFileDialog files(nullptr, QStringLiteral("ファイルを選択"), QDir::tempPath());
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.setFileMode(QFileDialog::ExistingFiles);
    const QStringList texts = Texts(files);
    QVERIFY(texts.contains(QStringLiteral("ファイル名(&N):")));
    QVERIFY(texts.contains(QStringLiteral("開く(&O)")));
    QVERIFY(texts.contains(QStringLiteral("キャンセル")));
    Shoot(files, QStringLiteral("file-dialog"));
  }

 private:
  bool translated_ = false;
};

QTEST_MAIN(JapaneseDialogsTest)
#include "japanese_dialogs_test.moc"
