// The main window as the user sees it: regions and names, hints, colour
// schemes on screen, the abort flag, help, the option dialog, the close
// sequence and the report of unhandled errors.
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <stdexcept>

#include "foundation/app_identity.h"
#include "mainwindow/exit_sequence.h"
#include "mainwindow/ui/error_reporting_application.h"
#include "mainwindow/ui/help_window.h"
#include "mainwindow/ui/status_area.h"
#include "mainwindow/ui/tform1.h"
#include "mainwindow/ui/toption_dlg.h"
#include "platform/ui/qt_bridge.h"
#include "support/temp_home.h"

using namespace lumidex;

namespace {

// Counts the exit steps; the free layout's answer is set by the test.
class CountingExit : public ExitSteps {
 public:
  bool allowClose = true;
  int exits = 0;
  bool ConfirmFreeLayoutClose() override { return allowClose; }
  void CloseHelpWindow() override {}
  void CloseToolWindows() override {}
  void StopDayWatcher() override {}
  bool DeleteCacheAtExit() const override { return false; }
  void DeleteCacheFiles() override {}
  void StopWorkers() override {}
  Status SaveAlbum() override { return Status::Ok(); }
  Status StoreSettings() override { return ++exits, Status::Ok(); }
  void ReportError(const Status&) override {}
};

OptionContext Context(const std::string& cacheDir, std::vector<std::string> managedTypes) {
  OptionContext context;
  context.cacheDir = cacheDir;
  context.managedTypes = std::move(managedTypes);
  return context;
}

QStringList Lines(const QListWidget* list) {
  QStringList lines;
  for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
  return lines;
}

QColor PixelAtCentreOf(QWidget* window, const char* name) {
  QWidget* control = window->findChild<QWidget*>(QString::fromLatin1(name));
  if (!control) return {};
  const QImage shot = window->grab().toImage();
  // A point near the left edge, clear of text.
  const QPoint at = control->mapTo(window, QPoint(1, control->height() / 2));
  return shot.pixelColor(at);
}

}  // namespace

class TForm1Test : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    home_ = std::make_unique<testing::TempHome>();
    window_ = std::make_unique<TForm1>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void cleanup() {
    window_.reset();
    home_.reset();
  }

  void everyRegionCarriesItsControlName() {
    for (const char* name :
         {"StringGrid1", "Panel12", "Image2", "Panel14", "Panel1", "CheckListBox1", "Splitter2", "GrpPanel", "Panel13",
          "NamePanel", "ListView2", "Image3", "Panel15", "ListView3", "FreeAlbumPanel",
          "TabControl1", "FreePanel", "PaintBox1", "TreeView1", "ListPanel", "ListView1", "SpeedButton30", "CloseBtn",
          "CheckBox6", "StatusBar1", "Label3", "ProgressBar1", "SpeedButton4", "StaticText2", "SpeedButton26",
          "SpeedButton27", "SpeedButton39", "SpeedButton44", "SpeedButton10", "OptionSpBtn", "SpeedButton13",
          "SpeedButton20", "CalendarBarControls", "MugPlayBtn", "CheckBox10", "MyTrackBar1"}) {
      QVERIFY2(window_->findChild<QWidget*>(QString::fromLatin1(name)), name);
    }
    QCOMPARE(window_->findChild<QLabel*>(QStringLiteral("NamePanel"))->text(), QStringLiteral("アルバムのページ"));
    QCOMPARE(window_->windowTitle(), ToQString(kAppTitle));
    for (const char* timer : {"Timer1", "Timer2", "Timer3"}) QVERIFY(window_->findChild<QTimer*>(timer));
    QCOMPARE(window_->timer1()->interval(), 50);
    QCOMPARE(window_->timer2()->interval(), 100);
    QVERIFY(window_->timer3()->isSingleShot());
  }

  void hintsSplitIntoToolTipAndStatusTip() {
    auto* start = window_->findChild<QWidget*>(QStringLiteral("SpeedButton18"));
    QCOMPARE(start->toolTip(), QStringLiteral("Start"));
    QCOMPARE(start->statusTip(), QStringLiteral("スライドショーを開始する"));
    auto* level = window_->findChild<QWidget*>(QStringLiteral("StaticText2"));
    QCOMPARE(level->toolTip(), QStringLiteral("レベルの増減"));
  }

  void windowIsResizableWithItsLeastHeightAndSplitterMinimum() {
    QCOMPARE(window_->minimumHeight(), TForm1::kMinimumHeight);
    window_->resize(1000, 700);
    QTRY_COMPARE(window_->width(), 1000);
    auto* splitter = window_->findChild<QSplitter*>();
    splitter->setSizes({10, 2000});
    QVERIFY(splitter->sizes().at(0) >= TForm1::kSplitterMinimum);
    splitter->setSizes({2000, 10});
    QVERIFY(splitter->sizes().at(1) >= TForm1::kSplitterMinimum);
  }

  void pictureViewKeepsTheWidthItsBarNeeds() {
    auto* splitter = window_->findChild<QSplitter*>();
    QWidget* calendarSide = splitter->widget(0);
    QCOMPARE(calendarSide->minimumWidth(), TForm1::kSplitterMinimum);
    auto* pictureView = window_->findChild<QWidget*>(QStringLiteral("Panel12"));
    auto* follow = window_->findChild<QWidget*>(QStringLiteral("CheckBox10"));
    pictureView->show();
    QVERIFY(calendarSide->minimumWidth() > TForm1::kSplitterMinimum);
    QTRY_VERIFY(follow->isVisible());
    QVERIFY(calendarSide->minimumWidth() >= follow->mapTo(calendarSide, QPoint(follow->width(), 0)).x() + 16);
    pictureView->hide();
    QCOMPARE(calendarSide->minimumWidth(), TForm1::kSplitterMinimum);
  }

  void schemeColoursShowOnScreenAndChangeAtOnce() {
    for (int n = 0; n < kSchemeCount; ++n) {
      window_->ApplyColourScheme(n);
      const ColourScheme& s = ColourSchemeFor(n);
      QCOMPARE(PixelAtCentreOf(window_.get(), "StatusBar1"), ToQColor(s.Row(28)));
      QCOMPARE(PixelAtCentreOf(window_.get(), "Panel13"), ToQColor(s.Row(37)));
      QCOMPARE(PixelAtCentreOf(window_.get(), "Panel2"), ToQColor(s.Row(35)));
      QCOMPARE(PixelAtCentreOf(window_.get(), "NamePanel"), ToQColor(s.Row(39)));
    }
  }

  void calendarBarShowsThePatternStrip() {
    window_->ApplyColourScheme(4);
    auto* bar = window_->findChild<QWidget*>(QStringLiteral("CalendarBar"));
    const QImage shot = bar->grab().toImage();
    const ColourScheme& green = ColourSchemeFor(4);
    // The 43 rows are stretched over 27 pixels: the top row shows row 0,
    // the bottom row shows row 42.
    QCOMPARE(shot.pixelColor(0, 0), ToQColor(green.Row(0)));
    QCOMPARE(shot.pixelColor(0, shot.height() - 1), ToQColor(green.Row(42)));
  }

  void abortButtonSetsTheFlagThatStopsALongOperation() {
    LongOperation& operation = window_->longOperation();
    auto* abort = window_->findChild<QAbstractButton*>(QStringLiteral("SpeedButton4"));
    QVERIFY(abort->isHidden());
    operation.Begin(10);
    QVERIFY(abort->isVisible());
    QVERIFY(!operation.Step(1, "/photos/a.jpg"));
    QTest::mouseClick(abort, Qt::LeftButton);
    QVERIFY(operation.Step(2, "/photos/b.jpg"));
    QCOMPARE(window_->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))->value(), 2);
    operation.End();
    QVERIFY(abort->isHidden());
    operation.Begin(3);  // a new operation starts with the flag cleared
    QVERIFY(!operation.AbortRequested());
    operation.End();
  }

  void f1OpensTheTopicOfWhatIsInFront() {
    auto* list = window_->findChild<QWidget*>(QStringLiteral("ListView2"));
    list->setFocus();
    QTRY_VERIFY(list->hasFocus());
    window_->HelpFile1Click();
    QVERIFY(window_->helpWindow());
    QCOMPARE(window_->helpWindow()->topic(), QStringLiteral("GrpOnList"));
    QCOMPARE(window_->helpWindow()->browser()->source().fragment(), QStringLiteral("GrpOnList"));
    QVERIFY(window_->helpWindow()->browser()->toPlainText().contains(QStringLiteral("画像のリスト")));

    window_->findChild<QAbstractButton*>(QStringLiteral("FreeAlbSpBtn"))->setChecked(true);
    HelpWindow* first = window_->helpWindow();
    window_->HelpFile1Click();
    QCOMPARE(window_->helpWindow(), first);  // one window, reused
    QCOMPARE(first->topic(), QStringLiteral("FreeAlb"));

    // Escape closes it, as it closes a dialog.
    QTest::keyClick(first->browser(), Qt::Key_Escape);
    QVERIFY(!first->isVisible());
  }

  void f1InTheAlbumListWindowOpensItsTopic() {
    QWidget albums;
    auto* list = new QListWidget(&albums);
    albums.show();
    QVERIFY(QTest::qWaitForWindowExposed(&albums));
    window_->SetAlbumListWindow(&albums);
    albums.activateWindow();
    list->setFocus();
    QTRY_VERIFY(list->hasFocus());
    window_->HelpFile1Click();
    QCOMPARE(window_->helpWindow()->topic(), QStringLiteral("AllAlbum"));
  }

  void optionDialogHelpFollowsTheShownTab() {
    TOptionDlg dialog(Settings{}, Context("/tmp/data/jpgdat/", {}), window_.get());
    QStringList topics;
    connect(&dialog, &TOptionDlg::helpRequested, [&](const QString& topic) { topics << topic; });
    for (int tab = 0; tab < 5; ++tab) {
      dialog.tabs()->setCurrentIndex(tab);
      QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("HelpBtn")), Qt::LeftButton);
    }
    QCOMPARE(topics, (QStringList{"Option", "Option-GrpOn", "Option-2", "Option-Free", "Printer2"}));
  }

  void optionDialogShowsAndHandsBackEveryValue() {
    Settings s;
    s.monday = true;
    s.clrNo = 3;
    s.alfha = 77;
    s.hispc = {".bmp", ".png"};
    s.bigsiz = 120;
    s.imgspace = 24;
    s.printSoftName = false;
    TOptionDlg dialog(s, Context("/tmp/album/data/jpgdat/", {".pdf", ".txt"}), window_.get());
    QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("HispcEdit"))->text(), QStringLiteral(".bmp.png"));
    QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("WorkFolderEdit"))->text(), QStringLiteral("/tmp/album/data"));
    QCOMPARE(dialog.findChild<QComboBox*>(QStringLiteral("BigSizBox"))->currentText(), QStringLiteral("120"));
    QCOMPARE(dialog.findChild<QListWidget*>(QStringLiteral("TypesList"))->count(), 2);
    const Settings back = dialog.Edited();
    QVERIFY(back.monday);
    QCOMPARE(back.clrNo, 3);
    QCOMPARE(back.alfha, 77);
    QCOMPARE(back.hispc, (std::vector<std::string>{".bmp", ".png"}));
    QCOMPARE(back.bigsiz, 120);
    QCOMPARE(back.imgspace, 24);
    QVERIFY(!back.printSoftName);
    QVERIFY(back == s);
  }

  void deleteAtExitIsOfferedOnlyWhileTheDiskCacheIsUsed() {
    TOptionDlg dialog(Settings{}, Context("/tmp/data/jpgdat/", {}), window_.get());
    dialog.EnableCacheCommands();
    auto* hdd = dialog.findChild<QAbstractButton*>(QStringLiteral("HddChk"));
    auto* delhdd = dialog.findChild<QWidget*>(QStringLiteral("DelHddChk"));
    auto* fill = dialog.findChild<QWidget*>(QStringLiteral("FillCacheBtn"));
    QVERIFY(delhdd->isEnabled());
    QVERIFY(fill->isEnabled());
    hdd->setChecked(false);
    QVERIFY(!delhdd->isEnabled());
    QVERIFY(!fill->isEnabled());
  }

  void managedTypeButtonsEditTheList() {
    TOptionDlg dialog(Settings{}, Context("/tmp/data/jpgdat/", {".pdf"}), window_.get());
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("TypeEdit"));
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("TypesList"));
    edit->setText(QStringLiteral("doc"));
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("AddTypeBtn")), Qt::LeftButton);
    QCOMPARE(list->count(), 2);
    list->setCurrentRow(0);
    edit->setText(QStringLiteral(".txt"));
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ReplaceTypeBtn")), Qt::LeftButton);
    QCOMPARE(Lines(list), (QStringList{".txt", "doc"}));
    list->setCurrentRow(1);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("DeleteTypeBtn")), Qt::LeftButton);
    QCOMPARE(Lines(list), QStringList{".txt"});
    QCOMPARE(dialog.Edited().extlist, (std::vector<std::string>{".txt"}));
  }

  void optionOkRecoloursTheWindowAndCancelChangesNothing() {
    window_->settings().clrNo = 1;
    window_->ApplyColourScheme(1);
    // Cancel with a changed scheme box.
    QTimer::singleShot(0, this, [] {
      auto* dialog = qobject_cast<TOptionDlg*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      dialog->findChild<QComboBox*>(QStringLiteral("ColourSchemeBox"))->setCurrentIndex(4);
      dialog->reject();
    });
    window_->OptionSpBtnClick();
    QCOMPARE(window_->settings().clrNo, 1);
    QCOMPARE(PixelAtCentreOf(window_.get(), "StatusBar1"), ToQColor(ColourSchemeFor(1).Row(28)));

    int recoloured = 0;
    connect(window_.get(), &TForm1::colourSchemeChanged, [&] { ++recoloured; });
    QTimer::singleShot(0, this, [] {
      auto* dialog = qobject_cast<TOptionDlg*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      dialog->findChild<QComboBox*>(QStringLiteral("ColourSchemeBox"))->setCurrentIndex(4);
      dialog->accept();
    });
    window_->OptionSpBtnClick();
    QCOMPARE(window_->settings().clrNo, 4);
    QCOMPARE(recoloured, 1);
    QCOMPARE(PixelAtCentreOf(window_.get(), "StatusBar1"), ToQColor(ColourSchemeFor(4).Row(28)));
  }

  void closeIsRefusedByTheFreeLayoutAndTheExitRunsOnce() {
    CountingExit exit;
    window_->SetExitSteps(&exit);
    exit.allowClose = false;
    QVERIFY(!window_->close());
    QVERIFY(window_->isVisible());
    QCOMPARE(exit.exits, 0);
    QVERIFY(!window_->exitRan());
    exit.allowClose = true;
    QVERIFY(window_->close());
    QCOMPARE(exit.exits, 1);
    QVERIFY(window_->exitRan());
    window_->show();  // a second close does not run the exit again
    QVERIFY(window_->close());
    QCOMPARE(exit.exits, 1);
  }

  void placedViewTakesThePlaceholdersNameAndPlace() {
    auto* grid = new QListWidget;
    window_->PlaceCalendarGrid(grid);
    QCOMPARE(window_->findChild<QWidget*>(QStringLiteral("StringGrid1")), grid);
    QCOMPARE(window_->calendarGrid(), static_cast<QWidget*>(grid));
    QVERIFY(grid->isVisible());
    auto* list = new QListWidget;
    window_->PlaceImageList(list);
    QCOMPARE(window_->findChild<QWidget*>(QStringLiteral("ListView2")), list);
    QVERIFY(list->isVisible());
  }

  void unhandledErrorIsReportedAndTheWindowStaysUsable() {
    auto* app = static_cast<ErrorReportingApplication*>(QApplication::instance());
    std::vector<std::string> reports;
    app->SetReporter([&](const std::string& text) { reports.push_back(text); });
    auto* button = window_->findChild<QAbstractButton*>(QStringLiteral("SpeedButton20"));
    int clicks = 0;
    connect(button, &QAbstractButton::clicked, [&] {
      ++clicks;
      throw std::runtime_error("ファイル /x/2026.ini を作成できません");
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);
    app->SetReporter(&ErrorReportingApplication::ShowErrorBox);
    QCOMPARE(clicks, 2);
    QCOMPARE(reports.size(), size_t(2));
    QCOMPARE(reports[0], std::string("ファイル /x/2026.ini を作成できません"));
    QVERIFY(window_->isVisible());
  }

 private:
  std::unique_ptr<testing::TempHome> home_;
  std::unique_ptr<TForm1> window_;
};

int main(int argc, char** argv) {
  ErrorReportingApplication app(argc, argv);
  TForm1Test test;
  return QTest::qExec(&test, argc, argv);
}

#include "tform1_test.moc"
