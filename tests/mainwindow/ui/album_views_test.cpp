// The calendar and the image list in the real main window over an album in
// a temporary home: the month on the grid, the year switch of a month
// change, and the gestures between the calendar and the page list.
#include <sys/stat.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <ctime>
#include <memory>

#include "album/album_fixture.h"
#include "album/album_store.h"
#include "calendar/ui/calendar_controller.h"
#include "calendar/ui/calendar_controls.h"
#include "calendar/ui/calendar_grid.h"
#include "filetools/ui/clipboard_files.h"
#include "foundation/app_environment.h"
#include "foundation/text_codec.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "imagelist/ui/memo_panel.h"
#include "images/bitmap.h"
#include "images/jpeg_codec.h"
#include "images/thumbnail_maker.h"
#include "mainwindow/ui/album_calendar_source.h"
#include "mainwindow/ui/album_views.h"
#include "mainwindow/ui/calendar_file_drop.h"
#include "mainwindow/ui/calendar_popup_menu.h"
#include "mainwindow/ui/tform1.h"
#include "mainwindow/ui/window_test_album.h"
#include "platform/ui/qt_bridge.h"
#include "support/temp_home.h"

using namespace lumidex;

namespace {

constexpr CalendarDate kToday{2014, 8, 20};

using TestAlbum = lumidex::testing::WindowTestAlbum;

}  // namespace

class AlbumViewsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    album_ = std::make_unique<TestAlbum>();
    window_ = std::make_unique<TForm1>();
    window_->SetEnvironment(std::move(album_->env));
    views_ = new AlbumViews(*window_, *album_->store, nullptr, [] { return kToday; });
    views_->ShowFirstMonth();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void cleanup() {
    window_.reset();
    album_.reset();
  }

  void theGridShowsTodaysMonthWithTodaySelected() {
    QCOMPARE(window_->findChild<CalendarGrid*>(QStringLiteral("StringGrid1")),
             views_->calendar().grid());
    QCOMPARE(window_->findChild<QLabel*>(QStringLiteral("Panel8"))->text(),
             QStringLiteral("2014年8月"));
    QCOMPARE(views_->month().state().shownMonthText, std::string("2014/08/01"));
    QCOMPARE(views_->month().state().selectedDay, std::string("2014/08/20"));
    QCOMPARE(window_->findChild<QLabel*>(QStringLiteral("Label3"))->text(),
             ToQString(views_->month().dayLine()));
  }

  void aPressedDayShowsItsPageStatusUncutInTheStatusBar() {
    CalendarGrid* grid = views_->calendar().grid();
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(6, 4).center());  // 08/22
    QLabel* panel = nullptr;
    for (QLabel* label : window_->statusBar()->findChildren<QLabel*>()) {
      if (label->text() == QStringLiteral("ページなし")) panel = label;
    }
    QVERIFY(panel != nullptr);
    QVERIFY(panel->contentsRect().width() >=
            panel->fontMetrics().horizontalAdvance(panel->text()) + panel->indent());
  }

  void theFirstMonthOpensTheYearAndFillsThePageList() {
    QCOMPARE(album_->store->loadedYear(), std::string("2014"));
    const ImageList& list = views_->imageList().list();
    QCOMPARE(list.mode(), ListMode::kPageList);
    QCOMPARE(list.size(), 1);
    QCOMPARE(std::string(list.entries().NameAt(0)), std::string("08/20"));
  }

  void theYearListHoldsTheAlbumsYearsWithTheLoadedYearFromMemory() {
    views_->calendar().ShowMonth(QStringLiteral("2014/01/10"), true);
    QTest::mouseClick(window_->findChild<QAbstractButton*>(QStringLiteral("SpeedButton3")),
                      Qt::LeftButton);
    QTest::mouseClick(window_->findChild<QAbstractButton*>(QStringLiteral("SpeedButton5")),
                      Qt::LeftButton);
    // Filled from the event loop once the first month has been painted.
    auto* years = window_->findChild<QComboBox*>(QStringLiteral("ComboBox2"));
    QTRY_COMPARE(years->count(), 2);
    QCOMPARE(years->itemText(0), QStringLiteral("2013年 （1枚）"));
    QCOMPARE(years->itemText(1), QStringLiteral("2014年 （2枚） （1冊 - 1枚）"));
    // An entry not saved yet counts when the list drops down.
    album_->store->ChangeYearDocument(
        [](TMemIniFile& doc) { doc.AppendSection("09/01", {"x.jpg="}); });
    years->showPopup();
    years->hidePopup();
    QCOMPARE(years->itemText(1), QStringLiteral("2014年 （3枚） （1冊 - 1枚）"));
  }

  void theShippedHolidayFileIsInstalledForTheUser() {
    QVERIFY(lumidex::testing::FileExists(window_->environment().folders.dataDir +
                                         "NationalHoliday.txt"));
  }

  void aMonthChangeIntoAnotherYearRunsTheYearSwitch() {
    views_->calendar().ShowMonth(QStringLiteral("2014/01/10"), true);
    QCOMPARE(album_->store->loadedYear(), std::string("2014"));
    QTest::mouseClick(window_->findChild<QAbstractButton*>(QStringLiteral("SpeedButton1")),
                      Qt::LeftButton);
    QCOMPARE(views_->month().state().shownMonthText, std::string("2013/12/01"));
    QCOMPARE(album_->store->loadedYear(), std::string("2013"));
    // The 2013 page list: 08/20 has its one picture there.
    QVERIFY(album_->store->FindSummary("08/20") != nullptr);
    QCOMPARE(album_->store->FindSummary("08/20")->imageCount, 1);
    QCOMPARE(views_->imageList().list().size(), 1);
  }

  void aYearChangeLeavesAnOpenPageForThePageList() {
    OpenByDoubleClick(4, 4);
    QVERIFY(album_->store->PageOpen());
    QTest::mouseClick(window_->findChild<QAbstractButton*>(QStringLiteral("SpeedButton3")),
                      Qt::LeftButton);
    QCOMPARE(album_->store->loadedYear(), std::string("2013"));
    QVERIFY(!album_->store->PageOpen());
    QCOMPARE(views_->imageList().list().mode(), ListMode::kPageList);
  }

  void doubleClickingADayWithAPageOpensItInTheList() {
    // 2014/08/20 is a Wednesday in the fourth week of the grid.
    OpenByDoubleClick(4, 4);
    QVERIFY(album_->store->PageOpen());
    QCOMPARE(album_->store->openPage(), std::string("08/20"));
    const ImageList& list = views_->imageList().list();
    QCOMPARE(list.mode(), ListMode::kContainer);
    QCOMPARE(list.size(), 3);
    QCOMPARE(std::string(list.entries().NameAt(0)), album_->first);
  }

  void theToolbarGoesBackFromTheOpenPageAndTheNamePanelFollows() {
    QAbstractButton* back = window_->findChild<QAbstractButton*>(QStringLiteral("SpeedButton14"));
    QLabel* name = window_->findChild<QLabel*>(QStringLiteral("NamePanel"));
    QVERIFY(!back->isVisible());
    QCOMPARE(name->text(), QStringLiteral("2014年の使用ページ"));
    OpenByDoubleClick(4, 4);
    QVERIFY(back->isVisible());
    QVERIFY(!window_->findChild<QAbstractButton*>(QStringLiteral("AllPageSpBtn"))->isVisible());
    QCOMPARE(name->text(), ToQString(album_->store->ContainerTitle()));
    QTest::mouseClick(back, Qt::LeftButton);
    QVERIFY(!album_->store->PageOpen());
    QVERIFY(!back->isVisible());
    QCOMPARE(views_->imageList().list().mode(), ListMode::kPageList);
  }

  void theToolbarsSizeButtonSwitchesTheListsPictureSize() {
    QAbstractButton* size = window_->findChild<QAbstractButton*>(QStringLiteral("SpeedButton17"));
    QVERIFY(!views_->imageList().smallPictures());
    QTest::mouseClick(size, Qt::LeftButton);
    QVERIFY(views_->imageList().smallPictures());
  }

  void theCommentButtonAndTheEditorsCloseButtonFollowEachOther() {
    QAbstractButton* button = window_->findChild<QAbstractButton*>(QStringLiteral("CommentSpBtn"));
    QWidget* memo = window_->findChild<QWidget*>(QStringLiteral("MemoPanel"));
    QVERIFY(button->isChecked() && memo->isVisible());
    QTest::mouseClick(memo->findChild<QAbstractButton*>(QStringLiteral("MemoPanelCloseBtn")), Qt::LeftButton);
    QVERIFY(!memo->isVisible());
    QVERIFY(!button->isChecked());
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(memo->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!memo->isVisible());
  }

  void theAllPagesButtonListsPagesWithoutEntriesToo() {
    QTest::mouseClick(window_->findChild<QAbstractButton*>(QStringLiteral("AllPageSpBtn")),
                      Qt::LeftButton);
    QCOMPARE(views_->imageList().list().size(), 2);
    QCOMPARE(window_->findChild<QLabel*>(QStringLiteral("NamePanel"))->text(),
             QStringLiteral("全アルバムの使用ページ"));
    QTest::mouseClick(window_->findChild<QAbstractButton*>(QStringLiteral("AllPageSpBtn")),
                      Qt::LeftButton);
    QCOMPARE(views_->imageList().list().size(), 1);
  }

  void goingToTheDayOfTheOpenPageShowsItsMonth() {
    OpenByDoubleClick(4, 4);
    views_->calendar().ShowMonth(QStringLiteral("2014/03/03"), true);
    QVERIFY(album_->store->PageOpen());
    QTest::mouseClick(window_->findChild<QAbstractButton*>(QStringLiteral("SpeedButton19")),
                      Qt::LeftButton);
    QCOMPARE(views_->month().state().shownMonthText, std::string("2014/08/01"));
    QCOMPARE(views_->month().state().selectedDay, std::string("2014/08/20"));
  }

  void aPageMadeOnTheCalendarIsFilledOpenedCommentedAndSaved() {
    views_->dayMenu().PrepareFor("2014/08/25");
    views_->dayMenu().createPageAction()->trigger();
    AlbumStore& store = *album_->store;
    QVERIFY(store.SaveSection("08/25", {album_->second + "="}, false).ok());
    store.RefreshSummary("08/25");
    store.RefreshPageList();
    views_->imageList().SyncWithStore();
    views_->calendar().PagesChanged();
    OpenByDoubleClick(2, 5);  // 2014/08/25, a Monday
    QCOMPARE(store.openPage(), std::string("08/25"));

    ListView2* view = views_->imageList().view();
    const QRect item = view->visualRect(view->model()->index(0, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    MemoPanel* memo = views_->imageList().memo();
    memo->SetText(QStringLiteral("夏の海\n二日目"));
    QTest::mouseClick(memo->applyButton(), Qt::LeftButton);
    QTest::mouseClick(window_->findChild<QAbstractButton*>(QStringLiteral("SpeedButton14")),
                      Qt::LeftButton);
    QVERIFY(!store.PageOpen());

    const std::string saved = DecodeAlbumFile(
        lumidex::testing::ReadFile(window_->environment().folders.photoDir + "2014.ini"));
    QVERIFY2(
        saved.find("[08/25]\r\n" + album_->second + "=夏の海･･二日目\r\n") != std::string::npos,
        saved.c_str());
    QCOMPARE(views_->imageList().list().size(), 2);
  }

  void filesDroppedOnADayAreRegisteredOnItsNewPage() {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(ToQString(album_->first)),
                  QUrl::fromLocalFile(ToQString(album_->second))});
    CalendarGrid* grid = views_->calendar().grid();
    const QPointF at = grid->CellRect(3, 5).center();  // 2014/08/26
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid, &drop);
    AlbumStore& store = *album_->store;
    QCOMPARE(store.pageIndex().GetValue("DATA", "08/26", "-"), std::string(".alb"));
    QCOMPARE(store.FindSummary("08/26")->imageCount, 2);
    QVERIFY(AlbumPageSource(store).PageOf("08/26")->hasEntries);
    QCOMPARE(views_->imageList().list().size(), 2);
  }

  void filesDroppedOnADayOfAnotherYearAreNotRegistered() {
    views_->calendar().ShowMonth(QStringLiteral("2014/12/01"), true);
    // The last row of December 2014 shows January 2015.
    views_->fileDrop().DropOn(6, 5, {album_->first});
    QVERIFY(!album_->store->pageIndex().HasKey("DATA", "01/02"));
    views_->fileDrop().DropOn(5, 4, {album_->first});  // 2014/12/25
    QVERIFY(album_->store->pageIndex().HasKey("DATA", "12/25"));
  }

  void doubleClickingADayWhosePageHasNoEntriesOpensNothing() {
    OpenByDoubleClick(5, 4);  // 08/21
    QVERIFY(!album_->store->PageOpen());
    QCOMPARE(views_->imageList().list().mode(), ListMode::kPageList);
  }

  void selectingADaySelectsItsPageInThePageList() {
    // Today's page was selected at the first show.
    QCOMPARE(views_->imageList().view()->SelectedRows(), QVector<int>{0});
    views_->imageList().view()->clearSelection();
    views_->calendar().SelectDayCell(QStringLiteral("2014/08/21"));
    QVERIFY(views_->imageList().view()->SelectedRows().isEmpty());
    views_->calendar().SelectDayCell(QStringLiteral("2014/08/20"));
    QCOMPARE(views_->imageList().view()->SelectedRows(), QVector<int>{0});
  }

  void clickingAPageOfThePageListShowsItsDay() {
    views_->calendar().ShowMonth(QStringLiteral("2014/03/03"), true);
    ListView2* view = views_->imageList().view();
    const QRect item = view->visualRect(view->model()->index(0, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    QCOMPARE(views_->month().state().shownMonthText, std::string("2014/08/01"));
    QCOMPARE(views_->month().state().selectedDay, std::string("2014/08/20"));
  }

  void theDayCellsReadTheirPagesFromTheStore() {
    AlbumPageSource pages(*album_->store);
    const std::optional<DayPageView> filled = pages.PageOf("08/20");
    QVERIFY(filled.has_value());
    QVERIFY(filled->autoCover);
    QVERIFY(filled->hasEntries);
    QVERIFY(!filled->coverJpeg.empty());
    QVERIFY(filled->usedInOtherYears);
    QCOMPARE(pages.SubAlbumNames("08/20"), std::vector<std::string>{"旅行"});
    const std::optional<DayPageView> empty = pages.PageOf("08/21");
    QVERIFY(empty.has_value());
    QVERIFY(!empty->hasEntries);
    QVERIFY(empty->coverJpeg.empty());
    QVERIFY(!pages.PageOf("08/22").has_value());
  }

  void aFailedYearSwitchKeepsTheYearAndTellsNoView() {
    AlbumStore& store = *album_->store;
    store.ChangeYearDocument([](TMemIniFile& doc) { doc.AppendSection("09/01", {"x.jpg="}); });
    album_->files.failWrites = true;
    int told = 0;
    AlbumYearSwitch yearSwitch(store, [&told] { ++told; });
    QVERIFY(!yearSwitch.SwitchYear(2013).ok());
    QCOMPARE(store.loadedYear(), std::string("2014"));
    QCOMPARE(told, 0);
    album_->files.failWrites = false;
    QVERIFY(yearSwitch.SwitchYear(2013).ok());
    QCOMPARE(store.loadedYear(), std::string("2013"));
    QCOMPARE(told, 1);
  }

  void theDayMenuCreatesThePageOfADayWithoutOne() {
    CalendarPopupMenu& menu = views_->dayMenu();
    QVERIFY(menu.PrepareFor("2014/08/25"));
    QVERIFY(menu.createPageAction()->isVisible());
    QVERIFY(!menu.createSubAlbumAction()->isVisible());
    QVERIFY(!menu.deleteAction()->isVisible());
    menu.createPageAction()->trigger();
    QCOMPARE(window_->environment().pageIndex->GetValue("DATA", "08/25", "-"), std::string(".alb"));
    QVERIFY(AlbumPageSource(*album_->store).PageOf("08/25").has_value());
  }

  void theDayMenuKeepsAPageThatAnotherYearUses() {
    CalendarPopupMenu& menu = views_->dayMenu();
    QVERIFY(menu.PrepareFor("2014/08/20"));
    QVERIFY(!menu.createPageAction()->isVisible());
    QVERIFY(menu.createSubAlbumAction()->isVisible());
    QVERIFY(!menu.deleteAction()->isVisible());
    QVERIFY(menu.PrepareFor("2014/08/21"));
    QVERIFY(menu.deleteAction()->isVisible());
  }

  void theDayMenuPastesCopiedFilesOntoTheDaysPage() {
    QApplication::clipboard()->setMimeData(FileListMimeData({album_->first}, false).release());
    CalendarPopupMenu& menu = views_->dayMenu();
    QVERIFY(menu.PrepareFor("2014/08/22"));
    QVERIFY(menu.pasteAction()->isVisible());
    QVERIFY(!menu.pasteAction()->isEnabled());  // no page on that day
    QVERIFY(!menu.addImagesAction()->isVisible());
    QVERIFY(menu.PrepareFor("2014/08/21"));
    QVERIFY(menu.addImagesAction()->isVisible());
    QVERIFY(menu.pasteAction()->isEnabled());
    menu.pasteAction()->trigger();
    QCOMPARE(album_->store->yearDocument().KeyNames("08/21"),
             std::vector<std::string>{album_->first});
    QCOMPARE(views_->imageList().list().size(), 2);
    QVERIFY(AlbumPageSource(*album_->store).PageOf("08/21")->hasEntries);
  }

  void theDayMenuSetsTheRegistrationDateAsTheFilesDate() {
    CalendarPopupMenu& menu = views_->dayMenu();
    QVERIFY(menu.PrepareFor("2014/08/21"));
    auto* fileDates = menu.findChild<QAction*>(QStringLiteral("N2"));
    QVERIFY(fileDates != nullptr && !fileDates->isVisible());  // no content that year
    QVERIFY(menu.PrepareFor("2014/08/20"));
    QVERIFY(fileDates->isVisible());
    lumidex::testing::YesToQuestions answer;
    fileDates->trigger();
    QCOMPARE(answer.lastQuestion, QStringLiteral("2014/08/20に登録しているファイルの更新日に登録日を設定します。よろしいですか？"));
    struct stat info {};
    QCOMPARE(::stat(album_->first.c_str(), &info), 0);
    std::tm local{};
    localtime_r(&info.st_mtime, &local);
    QCOMPARE(local.tm_year + 1900, 2014);
    QCOMPARE(local.tm_mon + 1, 8);
    QCOMPARE(local.tm_mday, 20);
  }

  void theDayMenuOffersADayOfAnotherYearOnlyTheDayList() {
    CalendarPopupMenu& menu = views_->dayMenu();
    QVERIFY(menu.PrepareFor("2013/08/20"));  // a page of that year, yet not the shown one
    QStringList shown;
    for (QAction* action : menu.actions()) {
      if (action->isVisible() && !action->isSeparator()) shown << action->objectName();
    }
    QCOMPARE(shown, QStringList{QStringLiteral("N30")});
  }

 private:
  void OpenByDoubleClick(int column, int row) {
    CalendarGrid* grid = views_->calendar().grid();
    const QPoint at = grid->CellRect(column, row).center();
    QTest::mouseClick(grid, Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid, Qt::LeftButton, {}, at);
  }

  std::unique_ptr<TestAlbum> album_;
  std::unique_ptr<TForm1> window_;
  AlbumViews* views_ = nullptr;
};

QTEST_MAIN(AlbumViewsTest)
#include "album_views_test.moc"
