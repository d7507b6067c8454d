#pragma once

// A calendar on screen for the widget tests: holidays from lines, a fake
// album with covers made on the spot, and a fixed today.

#include <QComboBox>
#include <map>
#include <string>

#include "calendar/holiday_calendar.h"
#include "calendar/month_calendar.h"
#include "calendar/ui/calendar_controller.h"
#include "images/jpeg_codec.h"
#include "support/fake_file_store.h"

namespace lumidex::testing {

class FakeAlbum : public CalendarPageSource, public CalendarYearSwitch {
 public:
  std::map<std::string, DayPageView> pages;
  std::map<std::string, std::string> covers;  // md -> JPEG bytes
  std::vector<int> switches;

  // A page whose cover is a solid picture of colour (r, g, b), with a white
  // frame `frame` pixels wide when asked.
  void AddPage(const std::string& md, int r, int g, int b, int frame = 0, int width = 80,
               int height = 60) {
    Bitmap bitmap = Bitmap::Create(width, height);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const bool white = x < frame || y < frame || x >= width - frame || y >= height - frame;
        bitmap.SetPixel(x, y, white ? 0xFFFFFFFFu : (0xFF000000u | (r << 16) | (g << 8) | b));
      }
    }
    covers[md] = EncodeJpeg(bitmap).value();
    DayPageView view;
    view.coverJpeg = covers[md];
    view.hasEntries = true;
    pages[md] = view;
  }

  std::optional<DayPageView> PageOf(std::string_view md) const override {
    const auto it = pages.find(std::string(md));
    if (it == pages.end()) return std::nullopt;
    return it->second;
  }
  std::vector<std::string> SubAlbumNames(std::string_view) const override { return {"旅行"}; }
  Status SwitchYear(int year) override {
    switches.push_back(year);
    return Status::Ok();
  }
};

struct CalendarFixture {
  CalendarFixture(CalendarDate today = {2014, 8, 20})
      : today(today),
        folders(DataFolders::ForBase("/album", "me")),
        holidays(folders, store),
        calendar(holidays, album, [this] { return this->today; }),
        controller(calendar) {
    controller.SetPageSource(&album);
    controller.grid()->resize(12 + 7 * 90 + 14, 18 + 6 * 70 + 10);
  }

  void UseHolidays(const std::string& fileText) {
    store.files[folders.dataDir + "NationalHoliday.txt"] = fileText;
  }

  CalendarDate today;
  DataFolders folders;
  FakeFileStore store;
  HolidayCalendar holidays;
  FakeAlbum album;
  MonthCalendar calendar;
  CalendarController controller;
};

}  // namespace lumidex::testing
