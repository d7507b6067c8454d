#pragma once

#include <functional>
#include <string>
#include <vector>

#include "desktop/desktop_command.h"
#include "images/bitmap.h"
#include "images/jpeg_codec.h"
#include "support/temp_home.h"

namespace lumidex::testing {

// Records every command instead of running it; `reply` gives the output of
// the programs that are asked something.
class RecordingRunner : public CommandRunner {
 public:
  Result<std::string> Run(const std::vector<std::string>& argv) override {
    ran.push_back(argv);
    return reply ? reply(argv) : Result<std::string>(std::string());
  }
  bool Ran(const std::vector<std::string>& argv) const {
    for (const auto& command : ran) {
      if (command == argv) return true;
    }
    return false;
  }

  std::vector<std::vector<std::string>> ran;
  std::function<Result<std::string>(const std::vector<std::string>&)> reply;
};

// A JPEG of width x height in one colour ("" if it cannot be made, which
// the tests then see as an undecodable picture).
inline std::string JpegBytes(int width, int height) {
  Bitmap bitmap = Bitmap::Create(width, height);
  bitmap.Fill(0x3060C0);
  Result<std::string> bytes = EncodeJpeg(bitmap, 90);
  return bytes.ok() ? bytes.value() : std::string();
}

}  // namespace lumidex::testing
