// Renders the calendar as the first window shows it: a month with
// holidays, covers and a selected day, in two colour schemes, with holidays
// shown and hidden. Checks that the labels are drawn inside their cells;
// with LUMIDEX_SCREENSHOT_DIR set it also saves the pictures there.
#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QVBoxLayout>
#include <QtTest>

#include "calendar/cell_style.h"
#include "calendar_fixture.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

struct Scheme {
  const char* name;
  CalendarSchemeColours colours;
  Colour bar;
};

const Scheme kGray{"gray",
                   {FromRgbHex(0xEAEAEA), FromRgbHex(0x4A4A4A), FromRgbHex(0x9A9A9A)},
                   FromRgbHex(0xA7A7A7)};
const Scheme kNavy{"navy",
                   {FromRgbHex(0xE8FBFF), FromRgbHex(0x2D4076), FromRgbHex(0x7F95BA)},
                   FromRgbHex(0x8DA2C7)};

std::string ShippedHolidays() {
  QFile file(QStringLiteral(LUMIDEX_BUILD_SHARE_DIR "/NationalHoliday.txt"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll().toStdString();
}

class CalendarLookTest : public QObject {
  Q_OBJECT

 private:
  // The calendar bar over the grid, at the calendar side's first size.
  static QImage Shoot(testing::CalendarFixture& f, const Scheme& scheme, bool holSw) {
    QWidget frame;
    frame.setStyleSheet(
        QStringLiteral("QWidget#frame { background: %1; }").arg(ToQColor(scheme.bar).name()));
    frame.setObjectName(QStringLiteral("frame"));
    auto* layout = new QVBoxLayout(&frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(f.controller.controls());
    layout->addWidget(f.controller.grid());
    f.controller.controls()->setFixedHeight(27);
    f.controller.grid()->setFixedSize(441, 425);
    f.controller.SetSchemeColours(scheme.colours);
    CellSettings settings;
    settings.holSw = holSw;
    settings.dayShadow = true;
    f.controller.SetCellSettings(settings);
    frame.resize(441, 452);
    frame.show();
    QApplication::processEvents();
    const QImage image = frame.grab().toImage();
    const QString dir = qEnvironmentVariable("LUMIDEX_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
      image.save(QStringLiteral("%1/calendar-%2-holsw-%3.png")
                     .arg(dir, QString::fromLatin1(scheme.name), holSw ? "on" : "off"));
    }
    // Give the widgets back to the controller before the frame goes.
    f.controller.controls()->setParent(nullptr);
    f.controller.grid()->setParent(nullptr);
    return image;
  }

  static void Populate(testing::CalendarFixture& f) {
    f.UseHolidays(ShippedHolidays() + "05/16=$\x89\xd4\x89\xce\x91\xe5\x89\xef\r\n");  // $花火大会
    f.album.AddPage("05/03", 40, 120, 200);
    f.album.AddPage("05/09", 210, 90, 60, 8);
    f.album.pages["05/09"].coverManagedOrIcon = true;
    f.album.AddPage("05/12", 60, 160, 80, 0, 60, 80);
    f.album.pages["05/12"].autoCover = true;
    f.album.AddPage("05/16", 230, 200, 40);
    f.album.pages["05/16"].usedInOtherYears = true;
    f.album.pages["05/22"] = DayPageView{};
    f.album.pages["05/22"].autoCover = true;
    f.controller.SetYearListProvider([] {
      return std::vector<std::string>{"2025年 （12枚）", "2026年 （1,234枚） （2冊 - 56枚）"};
    });
    f.controller.ShowMonth("2026/05/12", true);
    f.controller.EnablePainting();
  }

  // Number of pixels near `colour` in the label strip at the bottom of a
  // day cell.
  static int LabelPixels(const QImage& image, CalendarGrid* grid, int column, int row,
                         Colour colour) {
    const QRect cell = grid->CellRect(column, row).translated(0, 27);
    int count = 0;
    for (int y = cell.bottom() - 14; y < cell.bottom(); ++y) {
      for (int x = cell.left() + 2; x < cell.right() - 1; ++x) {
        const QColor c = image.pixelColor(x, y);
        if (std::abs(c.red() - RedOf(colour)) < 40 && std::abs(c.green() - GreenOf(colour)) < 40 &&
            std::abs(c.blue() - BlueOf(colour)) < 40) {
          ++count;
        }
      }
    }
    return count;
  }

 private slots:
  void holidayLabelsShowOnlyWithTheSetting() {
    for (const Scheme* scheme : {&kGray, &kNavy}) {
      testing::CalendarFixture f({2026, 5, 20});
      Populate(f);
      // May 2026: 05/04 みどりの日 is the Monday of row 2.
      const QImage on = Shoot(f, *scheme, true);
      QVERIFY(LabelPixels(on, f.controller.grid(), 2, 2, cell_colours::kRed) > 15);
      // The event on 05/16 (Saturday of row 3) is purple.
      QVERIFY(LabelPixels(on, f.controller.grid(), 7, 3, cell_colours::kEventLabel) > 15);
      const QImage off = Shoot(f, *scheme, false);
      QCOMPARE(LabelPixels(off, f.controller.grid(), 2, 2, cell_colours::kRed), 0);
    }
  }

  void captionAndTodayPanelAreFilled() {
    testing::CalendarFixture f({2026, 5, 20});
    Populate(f);
    QCOMPARE(f.controller.controls()->caption()->text(), QStringLiteral("2026年5月"));
    QCOMPARE(f.controller.controls()->todayPanel()->text(), QStringLiteral("2026/05/20(水)"));
    QCOMPARE(f.controller.controls()->todayPanel()->toolTip(), QStringLiteral("令和8年"));
  }
};

}  // namespace
}  // namespace lumidex

QTEST_MAIN(lumidex::CalendarLookTest)
#include "calendar_look_test.moc"
