// bench-libs: lumidex_calendar_ui lumidex_platform
// A month change where all 42 day cells have a page with a cover: shows the
// next month and paints the whole grid at the first window's calendar size
// (441 x 425), holidays shown, covers decoded afresh. Prints the time beside
// the reference, decoding the 42 cover thumbnails alone. Goal: within 2x.
#include <QApplication>
#include <QImage>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "foundation/calendar_date.h"
#include "calendar/holiday_calendar.h"
#include "calendar/month_calendar.h"
#include "calendar/ui/calendar_controller.h"
#include "foundation/file_store.h"
#include "images/jpeg_codec.h"
#include "platform/environment.h"
#include "bench_timing.h"

namespace {

using namespace lumidex;
using lumidex::bench::Clock;
using lumidex::bench::Ms;

// Every page of the year with its own cover, a 128 x 96 photo-like JPEG.
class BenchAlbum : public CalendarPageSource, public CalendarYearSwitch {
 public:
  BenchAlbum() {
    for (CalendarDate d{2024, 1, 1}; d.year == 2024; d = AddDays(d, 1)) {
      const std::string md = DateText(d).substr(5);
      covers_[md] = MakeCover(d.month * 31 + d.day);
    }
  }
  std::optional<DayPageView> PageOf(std::string_view md) const override {
    const auto it = covers_.find(std::string(md));
    if (it == covers_.end()) return std::nullopt;
    DayPageView view;
    view.coverJpeg = it->second;
    view.hasEntries = true;
    return view;
  }
  std::vector<std::string> SubAlbumNames(std::string_view) const override { return {}; }
  Status SwitchYear(int) override { return Status::Ok(); }
  std::vector<std::string_view> CoversOf(const MonthCalendar& calendar) const {
    std::vector<std::string_view> result;
    for (int row = 1; row <= 6; ++row)
      for (int column = 1; column <= 7; ++column)
        result.push_back(covers_.at(calendar.CellText(row, column).substr(5, 5)));
    return result;
  }

 private:
  static std::string MakeCover(int seed) {
    Bitmap bitmap = Bitmap::Create(128, 96);
    unsigned state = static_cast<unsigned>(seed) * 2654435761u;
    for (int y = 0; y < 96; ++y) {
      for (int x = 0; x < 128; ++x) {
        state = state * 1664525u + 1013904223u;
        const unsigned noise = (state >> 24) & 0x1F;
        const unsigned r = (x * 2 + seed * 7 + noise) & 0xFF, g = (y * 2 + seed * 3 + noise) & 0xFF,
                       b = (x + y + seed + noise) & 0xFF;
        bitmap.SetPixel(x, y, 0xFF000000u | (r << 16) | (g << 8) | b);
      }
    }
    return EncodeJpeg(bitmap).value();
  }
  std::map<std::string, std::string> covers_;
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // The shipped general holiday file, as a fresh album has it.
  DataFolders folders = DataFolders::ForBase("/nonexistent", "bench");
  folders.dataDir = WithTrailingSlash(platform::ShareFolder());
  HolidayCalendar holidays(folders, RealFileStore());
  BenchAlbum album;
  MonthCalendar calendar(holidays, album, [] { return CalendarDate{2024, 6, 15}; });
  CalendarController controller(calendar);
  controller.SetPageSource(&album);
  CellSettings settings;
  settings.holSw = true;
  controller.SetCellSettings(settings);
  CalendarGrid* grid = controller.grid();
  grid->resize(441, 425);
  controller.ShowMonth("2024/01/15", true);
  controller.EnablePainting();
  QImage canvas(grid->size(), QImage::Format_RGB32);

  constexpr int kRounds = 22;
  double monthTotal = 0, decodeTotal = 0;
  for (int round = 0; round < kRounds; ++round) {
    const int month = round % 11 + 1;  // January to November, next month shown
    char text[11];
    std::snprintf(text, sizeof text, "2024/%02d/15", month + 1);
    controller.ShowMonth(text, true);
    // The reference: decoding the 42 covers of this month.
    const auto covers = album.CoversOf(calendar);
    const auto decodeStart = Clock::now();
    for (std::string_view cover : covers) {
      if (!DecodeJpeg(cover).ok()) return 1;
    }
    decodeTotal += Ms(Clock::now() - decodeStart);
    // The month change: step back one month and paint every cell, covers
    // decoded anew.
    const auto start = Clock::now();
    controller.PagesChanged();
    std::snprintf(text, sizeof text, "2024/%02d/15", month);
    controller.ShowMonth(text, true);
    grid->render(&canvas);
    monthTotal += Ms(Clock::now() - start);
  }
  const double monthMs = monthTotal / kRounds, decodeMs = decodeTotal / kRounds;
  std::printf("calendar month change, 42 cells with covers (441x425, holidays shown)\n");
  std::printf("  build + paint month:   %8.3f ms\n", monthMs);
  std::printf("  decode 42 covers only: %8.3f ms  (reference)\n", decodeMs);
  std::printf("  ratio %.2f (goal <= 2.00)\n", monthMs / decodeMs);
  return 0;
}
