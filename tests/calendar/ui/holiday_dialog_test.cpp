// The holiday editor dialog over a fake file store: a failed apply is told
// and leaves "適用" enabled; a rule is listed with its date and a "*".
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "calendar/ui/tholiday_dlg.h"
#include "support/fake_file_store.h"

using namespace lumidex;

class HolidayDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    store_ = std::make_unique<testing::FakeFileStore>();
    store_->files[path_] = "0000900001/01=元日\r\n";
    dialog_ = std::make_unique<THolidayDlg>(folders_, *store_, path_, CalendarDate{2014, 9, 1});
  }
  void cleanup() { dialog_.reset(); }

  void aRuleIsAddedWithItsDateInWordsAndListedWithAStar() {
    Find<QLineEdit>("Edit6")->setText(QStringLiteral("市民の日"));
    auto* n = Find<QComboBox>("ComboBox1");
    auto* weekday = Find<QComboBox>("ComboBox2");
    QCOMPARE(n->currentText(), QStringLiteral("なし"));
    QCOMPARE(weekday->currentText(), QStringLiteral("なし"));
    QCOMPARE(Find<QLabel>("Panel5")->text(), QStringLiteral("09月01日 (月)"));
    Choose(n, QStringLiteral("3"));
    QVERIFY(!Find<QPushButton>("Button1")->isEnabled());  // one rule box alone
    Choose(weekday, QStringLiteral("金"));
    QCOMPARE(Find<QLabel>("Panel5")->text(), QStringLiteral("09月の第3金曜日"));
    Find<QPushButton>("Button1")->click();
    auto* list = Find<QListWidget>("ListBox1");
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(1)->text(), QStringLiteral("0000900009金3=市民の日"));
    QCOMPARE(list->item(1)->data(Qt::UserRole + 1).toString(), QStringLiteral("09/19*"));
    QVERIFY(list->item(1)->isSelected());
    Choose(weekday, QStringLiteral("なし"));
    QCOMPARE(n->currentText(), QStringLiteral("なし"));
  }

  void aFailedApplyIsToldAndKeepsApplyEnabled() {
    Find<QLineEdit>("Edit6")->setText(QStringLiteral("防災の日"));
    Find<QPushButton>("Button1")->click();
    auto* apply = Find<QAbstractButton>("SpeedButton2");
    QVERIFY(apply->isEnabled());
    store_->failWrites = true;
    QString told;
    QTimer::singleShot(0, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        told = box->text();
        box->accept();
      }
    });
    apply->click();
    QVERIFY(told.contains(QStringLiteral("を作成できません")));
    QVERIFY(apply->isEnabled());
    QCOMPARE(store_->files[path_], std::string("0000900001/01=元日\r\n"));
    QVERIFY(!dialog_->changed());

    store_->failWrites = false;
    apply->click();
    QVERIFY(!apply->isEnabled());
    QVERIFY(dialog_->changed());
    QVERIFY(store_->files[path_].find("09/01=") != std::string::npos);
  }

 private:
  static void Choose(QComboBox* box, const QString& text) {
    box->setCurrentIndex(box->findText(text));
    emit box->activated(box->currentIndex());
  }
  template <typename T>
  T* Find(const char* name) {
    T* widget = dialog_->findChild<T*>(QString::fromLatin1(name));
    if (widget == nullptr) qFatal("no %s", name);
    return widget;
  }

  DataFolders folders_ = DataFolders::ForBase("/album", "me");
  const std::string path_ = "/album/data/NationalHoliday.txt";
  std::unique_ptr<testing::FakeFileStore> store_;
  std::unique_ptr<THolidayDlg> dialog_;
};

QTEST_MAIN(HolidayDialogTest)
#include "holiday_dialog_test.moc"
