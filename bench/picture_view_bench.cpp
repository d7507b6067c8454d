// bench-libs: lumidex_images lumidex_foundation
// Speed of the picture view, each figure beside its reference:
//   (a) one transition frame of a 1600 x 1200 picture box for each effect,
//       beside a plain copy of the frame (goal: under 8 ms a frame);
//   (b) a 24-megapixel camera JPEG (6000 x 4000, quality 90) requested for
//       a 1200 x 900 card until its reduced decode is delivered, beside
//       `djpeg -scale M/8` of the same file at the same scale, run as a
//       process (goal: within 1.5 times);
//   (c) 50 requests at 10 a second through the newest-wins loader: time
//       from the last request to its result (goal: under 300 ms, no
//       backlog).
// Usage: picture_view_bench [DIR]  (the JPEG is written into DIR, default
// a new folder below /tmp). Prints figures; asserts nothing.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "bench_timing.h"
#include "foundation/file_store.h"
#include "images/card_geometry.h"
#include "images/fit_to_box.h"
#include "images/jpeg_codec.h"
#include "images/latest_picture_loader.h"
#include "images/scaling.h"
#include "images/shell_images.h"
#include "images/transitions.h"

extern char** environ;

namespace {

using lumidex::Bitmap;
using lumidex::bench::Best;
using lumidex::bench::Clock;
using lumidex::bench::Ms;

// Smooth colour fields with grain, so the file has the size and entropy of
// a photograph.
Bitmap Photo(int width, int height, uint32_t seed) {
  Bitmap bitmap = Bitmap::Create(width, height);
  for (int y = 0; y < height; ++y) {
    uint8_t* p = bitmap.row(y);
    const double v = static_cast<double>(y) / height;
    for (int x = 0; x < width; ++x, p += 4) {
      seed = seed * 1664525u + 1013904223u;
      const int grain = static_cast<int>((seed >> 24) & 15) - 8;
      const double u = static_cast<double>(x) / width;
      auto clamp = [](int c) { return static_cast<uint8_t>(c < 0 ? 0 : c > 255 ? 255 : c); };
      p[0] = clamp(static_cast<int>(255 * (0.8 - 0.6 * u)) + grain);
      p[1] = clamp(static_cast<int>(255 * (0.3 + 0.6 * v * u)) + grain);
      p[2] = clamp(static_cast<int>(255 * (0.5 + 0.4 * v)) + grain);
      p[3] = 0xFF;
    }
  }
  return bitmap;
}

void TransitionFrames() {
  const int w = 1600, h = 1200;
  const Bitmap previous = Photo(w, h, 1);
  const Bitmap next = Photo(w, h, 2);
  Bitmap work = Bitmap::Create(w, h);
  const double copy = Best(20, [&] { std::memcpy(work.data(), next.data(), next.stride() * h); });
  std::printf("(a) one transition frame of a %d x %d picture box (best of 5 passes)\n", w, h);
  std::printf("    %-22s %7.2f ms\n", "plain copy", copy);
  const lumidex::TransitionEffect effects[] = {lumidex::TransitionEffect::kFade,
                                               lumidex::TransitionEffect::kOverlap1,
                                               lumidex::TransitionEffect::kOverlap2};
  for (const auto effect : effects) {
    const auto frames = lumidex::TransitionSchedule(effect, true);
    double worst = 0, total = 0;
    for (int pass = 0; pass < 5; ++pass) {
      double passTotal = 0, passWorst = 0;
      for (size_t k = 0; k < frames.size(); ++k) {
        const auto start = Clock::now();
        lumidex::RenderTransitionFrame(frames, k, &previous, next, 0x101010, work);
        const double ms = Ms(Clock::now() - start);
        passTotal += ms;
        passWorst = std::max(passWorst, ms);
      }
      if (pass == 0 || passTotal < total) {
        total = passTotal;
        worst = passWorst;
      }
    }
    std::printf("    %-22s %7.2f ms a frame (slowest %.2f, %zu frames)   goal < 8 ms\n",
                std::string(lumidex::TransitionEffectName(effect)).c_str(),
                total / static_cast<double>(frames.size()), worst, frames.size());
  }
}

// Runs `argv` with its output thrown away; milliseconds until it ended, or
// a negative number when it could not be run.
double RunProcess(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const auto start = Clock::now();
  pid_t pid = 0;
  const int failed = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (failed != 0) return -1;
  int status = 0;
  waitpid(pid, &status, 0);
  const double ms = Ms(Clock::now() - start);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ms : -1;
}

// Receives the loader's results and lets the bench wait for one.
class Receiver {
 public:
  lumidex::LatestPictureLoader::Deliver Deliver() {
    return [this](uint64_t id, lumidex::Result<lumidex::CardPicture> picture) {
      std::lock_guard<std::mutex> lock(mutex_);
      last_ = id;
      ++count_;
      width_ = picture.ok() ? picture.value().bitmap.width() : 0;
      at_ = Clock::now();
      if (picture.ok()) picture_ = std::move(picture.value().bitmap);
      arrived_.notify_all();
    };
  }
  // Waits for the result of `id`; the time it arrived.
  Clock::time_point WaitFor(uint64_t id) {
    std::unique_lock<std::mutex> lock(mutex_);
    arrived_.wait(lock, [&] { return last_ == id; });
    return at_;
  }
  int count() {
    std::lock_guard<std::mutex> lock(mutex_);
    return count_;
  }
  int width() {
    std::lock_guard<std::mutex> lock(mutex_);
    return width_;
  }
  Bitmap TakePicture() {
    std::lock_guard<std::mutex> lock(mutex_);
    return std::move(picture_);
  }

 private:
  std::mutex mutex_;
  std::condition_variable arrived_;
  uint64_t last_ = 0;
  int count_ = 0;
  int width_ = 0;
  Clock::time_point at_;
  Bitmap picture_;
};

void CameraPicture(const std::string& path) {
  const lumidex::CardGeometry card = lumidex::CardGeometryFor(1220, 1200);  // a 1200 x 900 card
  const int boxWidth = card.pictureBox.width, boxHeight = card.pictureBox.height;
  Receiver receiver;
  lumidex::LatestPictureLoader loader(lumidex::NoShellImages(), receiver.Deliver());
  const lumidex::CardPictureRequest request{path, boxWidth, boxHeight};
  const double loaded = Best(5, [&] { receiver.WaitFor(loader.Request(request)); });
  const int scaledWidth = receiver.width();
  const int eighths = scaledWidth * 8 / 6000;
  const Bitmap decoded = receiver.TakePicture();
  const lumidex::FittedBox place = lumidex::FitToBox(boxWidth, boxHeight, false, 6000, 4000);
  const double scale = Best(5, [&] {
    const Bitmap scaled = lumidex::ScaleAreaAverage(decoded, place.width, place.height);
    if (scaled.empty()) std::abort();
  });
  const std::string scaleArg = std::to_string(eighths) + "/8";
  double djpeg = 1e300;
  for (int i = 0; i < 5; ++i) {
    const double ms = RunProcess({"djpeg", "-scale", scaleArg, "-outfile", "/dev/null", path});
    if (ms < 0) {
      djpeg = -1;
      break;
    }
    djpeg = std::min(djpeg, ms);
  }
  std::printf("(b) 6000 x 4000 JPEG on a 1200 x 900 card (box %d x %d), best of 5\n", boxWidth,
              boxHeight);
  std::printf("    request to picture ready   %7.1f ms (decoded at %s: %d pixels wide)\n", loaded,
              scaleArg.c_str(), scaledWidth);
  std::printf("    then scaled to %d x %d  %7.1f ms (area average, on the main thread)\n",
              place.width, place.height, scale);
  if (djpeg < 0) {
    std::printf("    djpeg -scale %s            not run (install libjpeg-turbo-progs)\n",
                scaleArg.c_str());
  } else {
    std::printf("    djpeg -scale %s (process)  %7.1f ms   ratio %.2f   goal <= 1.5\n",
                scaleArg.c_str(), djpeg, loaded / djpeg);
  }
}

void RequestStream(const std::string& path) {
  const lumidex::CardGeometry card = lumidex::CardGeometryFor(1220, 1200);
  Receiver receiver;
  lumidex::LatestPictureLoader loader(lumidex::NoShellImages(), receiver.Deliver());
  const lumidex::CardPictureRequest request{path, card.pictureBox.width, card.pictureBox.height};
  const int requests = 50;
  const auto period = std::chrono::milliseconds(100);
  const auto begin = Clock::now();
  uint64_t last = 0;
  Clock::time_point lastAsked;
  for (int i = 0; i < requests; ++i) {
    std::this_thread::sleep_until(begin + i * period);
    lastAsked = Clock::now();
    last = loader.Request(request);
  }
  const Clock::time_point arrived = receiver.WaitFor(last);
  std::printf("(c) %d requests of that JPEG at 10 a second through the loader\n", requests);
  std::printf("    last request to its result %7.1f ms   goal < 300 ms\n", Ms(arrived - lastAsked));
  std::printf("    results delivered          %7d of %d (%d replaced before their decode ended)\n",
              receiver.count(), requests, requests - receiver.count());
}

}  // namespace

int main(int argc, char** argv) {
  std::string dir = argc > 1 ? argv[1] : "";
  const bool ownFolder = dir.empty();
  if (ownFolder) {
    char folder[] = "/tmp/picture_view_bench.XXXXXX";
    if (mkdtemp(folder) == nullptr) return 1;
    dir = folder;
  }
  const std::string path = dir + "/camera_24mp.jpg";
  lumidex::Result<std::string> jpeg = lumidex::EncodeJpeg(Photo(6000, 4000, 7), 90);
  if (!jpeg.ok() || !lumidex::RealFileStore().WriteAtomic(path, jpeg.value()).ok()) return 1;
  std::printf("picture view benchmark (%.1f MB camera JPEG in %s)\n\n", jpeg.value().size() / 1e6,
              dir.c_str());
  TransitionFrames();
  std::printf("\n");
  CameraPicture(path);
  std::printf("\n");
  RequestStream(path);
  if (ownFolder) {
    unlink(path.c_str());
    rmdir(dir.c_str());
  }
  return 0;
}
