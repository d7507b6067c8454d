#pragma once

#include <sys/time.h>

#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "album/album_fixture.h"
#include "foundation/long_operation.h"
#include "images/image_fixtures.h"

namespace lumidex::testing {

// Records the progress calls of a long operation; asks to stop at step
// `stopAt` (0: never). `onStep`, when set, runs at each step first, as
// another program acting while the operation runs.
class RecordingProgress : public LongOperation {
 public:
  int stopAt = 0;
  int total = -1;
  std::vector<std::string> items;
  bool ended = false;
  std::function<void(int done)> onStep;

  void Begin(int count) override { total = count; }
  bool Step(int done, std::string_view item) override {
    if (onStep) onStep(done);
    items.emplace_back(item);
    aborted_ = stopAt != 0 && done >= stopAt;
    return aborted_;
  }
  bool AbortRequested() const override { return aborted_; }
  void End() override { ended = true; }

 private:
  bool aborted_ = false;
};

// A picture file whose last-write time is noon of `date` ("yyyy/mm/dd") in
// local time, optionally with an Exif shooting date ("yyyy:mm:dd hh:mm:ss").
inline void WritePictureDated(const std::string& path, const std::string& date,
                              const std::string& exifDate = "") {
  const std::string plain("\xFF\xD8\xFF\xD9", 4);
  WriteFile(path,
            exifDate.empty() ? plain : ExifBuilder(false).Ascii(0x9003, exifDate).Jpeg(plain));
  struct tm local {};
  local.tm_year = std::stoi(date.substr(0, 4)) - 1900;
  local.tm_mon = std::stoi(date.substr(5, 2)) - 1;
  local.tm_mday = std::stoi(date.substr(8, 2));
  local.tm_hour = 12;
  local.tm_isdst = -1;
  const time_t when = mktime(&local);
  const struct timeval times[2] = {{when, 0}, {when, 0}};
  ::utimes(path.c_str(), times);
}

}  // namespace lumidex::testing
