#include <QAbstractButton>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

#include "calendar/cell_style.h"
#include "calendar_fixture.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

QColor PixelOf(const QImage& image, const QPoint& point) { return image.pixelColor(point); }

class CalendarGridTest : public QObject {
  Q_OBJECT

 private:
  // The grid rendered as it is painted now.
  static QImage Render(CalendarGrid* grid) { return grid->grab().toImage(); }
  // A point in the lower part of a cell's picture area, clear of numbers,
  // marks and labels.
  static QPoint PictureSpot(CalendarGrid* grid, int column, int row) {
    const QRect cell = grid->CellRect(column, row);
    return QPoint(cell.left() + cell.width() / 2, cell.top() + 30);
  }
  // A point on the date strip, left of the day number.
  static QPoint StripSpot(CalendarGrid* grid, int column, int row) {
    const QRect cell = grid->CellRect(column, row);
    return QPoint(cell.left() + 14, cell.top() + 6);
  }

 private slots:
  void pressOnAnotherMonthsDaySelectsItWithoutChangingTheMonth() {
    testing::CalendarFixture f;
    f.controller.ShowMonth("2014/08/02", true);
    QSignalSpy selected(&f.controller, &CalendarController::daySelected);
    QSignalSpy pressed(&f.controller, &CalendarController::dayPressed);
    QTest::mouseClick(f.controller.grid(), Qt::LeftButton, {},
                      StripSpot(f.controller.grid(), 1, 1));
    QCOMPARE(f.calendar.state().selectedDay, std::string("2014/07/27"));
    QCOMPARE(f.calendar.state().shownMonth, 8);
    QVERIFY(f.calendar.state().stripHit);
    QCOMPARE(selected.count(), 1);
    QCOMPARE(pressed.takeFirst().at(1).toBool(), true);
    // Lower down in the cell clears the strip flag.
    QTest::mouseClick(f.controller.grid(), Qt::LeftButton, {},
                      PictureSpot(f.controller.grid(), 1, 1));
    QVERIFY(!f.calendar.state().stripHit);
  }

  void pressReportsTheDayStatusText() {
    testing::CalendarFixture f;
    f.controller.ShowMonth("2014/08/02", true);
    f.album.AddPage("08/05", 200, 30, 30);
    f.album.pages["08/06"] = DayPageView{};
    QSignalSpy status(&f.controller, &CalendarController::dayStatusChanged);
    QTest::mouseClick(f.controller.grid(), Qt::LeftButton, {},
                      PictureSpot(f.controller.grid(), 3, 2));
    QTest::mouseClick(f.controller.grid(), Qt::LeftButton, {},
                      PictureSpot(f.controller.grid(), 4, 2));
    QTest::mouseClick(f.controller.grid(), Qt::LeftButton, {},
                      PictureSpot(f.controller.grid(), 5, 2));
    QCOMPARE(status.count(), 3);
    QCOMPARE(status.at(0).at(0).toString(), QStringLiteral("旅行"));
    QCOMPARE(status.at(1).at(0).toString(), QStringLiteral("2014年08月06日は、画像が未登録です。"));
    QCOMPARE(status.at(2).at(0).toString(), QStringLiteral("ページなし"));
    // Another button leaves the current cell and reports its page again.
    QTest::mouseClick(f.controller.grid(), Qt::RightButton, {},
                      PictureSpot(f.controller.grid(), 3, 2));
    QCOMPARE(status.count(), 4);
    QCOMPARE(status.at(3).at(0).toString(), QStringLiteral("ページなし"));
    QCOMPARE(f.calendar.state().selectedDay, std::string("2014/08/07"));
  }

  void buttonsStepMonthsAndYearsAndTheCaptionFollows() {
    testing::CalendarFixture f;
    f.controller.ShowMonth("2014/01/31", true);
    CalendarControls* controls = f.controller.controls();
    controls->stepButton(MonthCalendar::Step::kMonthOn)->click();
    QCOMPARE(f.calendar.state().selectedDay, std::string("2014/02/28"));
    QCOMPARE(controls->caption()->text(), QStringLiteral("2014年2月"));
    controls->stepButton(MonthCalendar::Step::kYearOn)->click();
    QCOMPARE(f.calendar.state().selectedDay, std::string("2015/02/28"));
    QCOMPARE(f.album.switches, (std::vector<int>{2014, 2015}));
    controls->stepButton(MonthCalendar::Step::kYearBack)->click();
    controls->stepButton(MonthCalendar::Step::kMonthBack)->click();
    QCOMPARE(f.calendar.state().selectedDay, std::string("2014/01/28"));
  }

  void cancelledYearChangeLeavesEverything() {
    testing::CalendarFixture f;
    f.controller.ShowMonth("2014/12/10", true);
    int asked = 0;
    f.controller.SetYearChangeCheck([&](int year) {
      ++asked;
      return year != 2015;
    });
    f.controller.controls()->stepButton(MonthCalendar::Step::kMonthOn)->click();
    QCOMPARE(asked, 1);
    QCOMPARE(f.calendar.state().shownMonthText, std::string("2014/12/01"));
    f.controller.controls()->stepButton(MonthCalendar::Step::kMonthBack)->click();
    QCOMPARE(asked, 1);  // same year: not asked
    QCOMPARE(f.calendar.state().shownMonthText, std::string("2014/11/01"));
  }

  void todayPanelShowsTodayAndGoesBackToIt() {
    testing::CalendarFixture f({2020, 6, 1});
    f.controller.ShowMonth("2011/03/05", true);
    QAbstractButton* panel = f.controller.controls()->todayPanel();
    QCOMPARE(panel->text(), QStringLiteral("2020/06/01(月)"));
    QCOMPARE(panel->toolTip(), QStringLiteral("令和2年"));
    QCOMPARE(panel->statusTip(), QStringLiteral("今日の日付（クリックで戻る）"));
    panel->click();
    QCOMPARE(f.calendar.state().selectedDay, std::string("2020/06/01"));
    QCOMPARE(f.calendar.state().shownMonthText, std::string("2020/06/01"));
  }

  void yearListChoiceKeepsMonthAndDay() {
    testing::CalendarFixture f;
    f.controller.SetYearListProvider([] {
      return std::vector<std::string>{"2012年 （3枚）", "2014年 （1,234枚）"};
    });
    f.controller.ShowMonth("2014/08/02", true);
    QComboBox* list = f.controller.controls()->yearList();
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->currentIndex(), 1);
    emit list->activated(0);
    QCOMPARE(f.calendar.state().selectedDay, std::string("2012/08/02"));
    QCOMPARE(list->currentIndex(), 0);
    // Dropping the list down asks for the items again.
    int asked = 0;
    f.controller.SetYearListProvider([&asked] {
      ++asked;
      return std::vector<std::string>{"2012年 （3枚）", "2013年 （0枚）", "2014年 （1,234枚）"};
    });
    asked = 0;
    list->showPopup();
    QCOMPARE(asked, 1);
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->currentIndex(), 0);
    list->hidePopup();
  }

  void dayLineFollowsTheSelection() {
    testing::CalendarFixture f;
    f.UseHolidays("08/02=甲\r\n08/02=$花火\r\n");
    QSignalSpy line(&f.controller, &CalendarController::dayLineChanged);
    f.controller.ShowMonth("2014/08/02", true);
    QVERIFY(line.count() >= 1);
    QCOMPARE(line.last().at(0).toString(), QStringLiteral("甲、花火"));
  }

  void cellsArePaintedInTheirDecidedColours() {
    testing::CalendarFixture f;
    f.UseHolidays("08/11=山の日\r\n");
    f.controller.ShowMonth("2014/08/02", true);
    CellSettings settings;
    settings.holSw = true;
    f.controller.SetCellSettings(settings);
    f.controller.EnablePainting();
    CalendarGrid* grid = f.controller.grid();
    const QImage image = Render(grid);
    // Row 1: 07/27 (previous month Sunday) ... 08/02 (Saturday).
    QCOMPARE(PixelOf(image, PictureSpot(grid, 1, 1)),
             ToQColor(Blend(cell_colours::kSunday, kWhite, 60)));
    QCOMPARE(PixelOf(image, PictureSpot(grid, 3, 2)), ToQColor(cell_colours::kWeekdayShownMonth));
    // 08/11 is Monday of row 3: holiday background.
    QCOMPARE(PixelOf(image, PictureSpot(grid, 2, 3)), ToQColor(cell_colours::kHoliday));
    // Today 08/20, Wednesday of row 4.
    QCOMPARE(PixelOf(image, PictureSpot(grid, 4, 4)), ToQColor(cell_colours::kToday));
    // The grid has no focus: the selected 08/02 still shows the selection.
    QCOMPARE(
        PixelOf(image, QPoint(grid->CellRect(7, 1).left() + 5, grid->CellRect(7, 1).top() + 40)),
        ToQColor(cell_colours::kSelection));
  }

  void holidaysAreHiddenWithTheSettingOff() {
    testing::CalendarFixture f;
    f.UseHolidays("08/11=山の日\r\n");
    f.controller.ShowMonth("2014/08/02", true);
    f.controller.EnablePainting();
    const QImage image = Render(f.controller.grid());
    QCOMPARE(PixelOf(image, PictureSpot(f.controller.grid(), 2, 3)),
             ToQColor(cell_colours::kWeekdayShownMonth));
  }

  void coverIsDrawnAndFadedUnderALabel() {
    testing::CalendarFixture f;
    f.UseHolidays("08/11=山の日\r\n");
    f.album.AddPage("08/05", 0, 0, 255);
    f.album.AddPage("08/11", 0, 0, 255);
    f.controller.ShowMonth("2014/08/02", true);
    CellSettings settings;
    settings.holSw = true;
    f.controller.SetCellSettings(settings);
    f.controller.EnablePainting();
    CalendarGrid* grid = f.controller.grid();
    const QImage image = Render(grid);
    const QColor plain = PixelOf(image, PictureSpot(grid, 3, 2));
    QVERIFY2(plain.blue() > 220 && plain.red() < 40, qPrintable(plain.name()));
    // Under the label the cover keeps 100/256 over the holiday colour.
    const QColor faded = PixelOf(image, PictureSpot(grid, 2, 3));
    const Colour expected = Blend(RgbColour(0, 0, 255), cell_colours::kHoliday, 100);
    QVERIFY2(std::abs(faded.red() - RedOf(expected)) <= 6 &&
                 std::abs(faded.blue() - BlueOf(expected)) <= 6,
             qPrintable(faded.name()));
  }

  void whiteFrameOfAManagedCoverTakesTheCellColour() {
    testing::CalendarFixture f;
    f.album.AddPage("08/05", 0, 160, 0, 20);
    f.album.pages["08/05"].coverManagedOrIcon = true;
    f.controller.ShowMonth("2014/08/02", true);
    f.controller.EnablePainting();
    CalendarGrid* grid = f.controller.grid();
    const QImage image = Render(grid);
    const QRect cell = grid->CellRect(3, 2);
    // The frame at the left of the picture becomes the weekday colour; the
    // green middle stays.
    QCOMPARE(PixelOf(image, QPoint(cell.left() + 3, cell.top() + 35)),
             ToQColor(cell_colours::kWeekdayShownMonth));
    const QColor middle = PixelOf(image, QPoint(cell.center().x(), cell.top() + 40));
    QVERIFY2(middle.green() > 120 && middle.red() < 60, qPrintable(middle.name()));
  }

  void pageWithoutEntriesShowsAPaleArea() {
    testing::CalendarFixture f;
    DayPageView empty;
    empty.autoCover = true;
    f.album.pages["08/05"] = empty;
    f.controller.ShowMonth("2014/08/02", true);
    f.controller.EnablePainting();
    const QImage image = Render(f.controller.grid());
    const QPoint spot = PictureSpot(f.controller.grid(), 3, 2) + QPoint(-30, 0);
    QCOMPARE(PixelOf(image, spot), ToQColor(Fade1(kWhite, cell_colours::kWeekdayShownMonth)));
  }

  void englishHeaderAndPaintingSuppression() {
    testing::CalendarFixture f;
    f.controller.ShowMonth("2014/08/02", true);
    // Suppressed until the start-up enables painting: all white.
    const QImage before = Render(f.controller.grid());
    QCOMPARE(PixelOf(before, PictureSpot(f.controller.grid(), 3, 2)), QColor(Qt::white));
    f.controller.SetWeekdayNames(true);
    f.controller.EnablePainting();
    const QImage after = Render(f.controller.grid());
    QCOMPARE(PixelOf(after, PictureSpot(f.controller.grid(), 3, 2)),
             ToQColor(cell_colours::kWeekdayShownMonth));
  }

 private:
  static Colour Fade1(Colour picture, Colour over) { return Blend(picture, over, 100); }
};

}  // namespace
}  // namespace lumidex

QTEST_MAIN(lumidex::CalendarGridTest)
#include "calendar_grid_test.moc"
