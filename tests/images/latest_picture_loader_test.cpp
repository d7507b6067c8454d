#include "images/latest_picture_loader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "images/image_fixtures.h"
#include "images/shell_images.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

using testing::TempHome;
using testing::WriteFile;

// A desktop whose thumbnails (of ".pdf" files here) wait until the test
// opens the gate, so a decode can be held under way while requests come.
class GatedShell final : public ShellImages {
 public:
  std::optional<Bitmap> ShellThumbnail(const std::string&, int, int) const override {
    std::unique_lock<std::mutex> lock(mutex_);
    entered_ = true;
    changed_.notify_all();
    changed_.wait(lock, [this] { return open_; });
    Bitmap sheet = Bitmap::Create(10, 10);
    sheet.Fill(0x0000FF);
    return sheet;
  }
  Bitmap ShellIcon(const std::string&, bool) const override { return Bitmap::Create(16, 16); }

  void WaitUntilEntered() const {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return entered_; });
  }
  void Open() const {
    std::lock_guard<std::mutex> lock(mutex_);
    open_ = true;
    changed_.notify_all();
  }

 private:
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  mutable bool entered_ = false;
  mutable bool open_ = false;
};

class LatestPictureLoaderTest : public ::testing::Test {
 protected:
  struct Delivered {
    uint64_t id;
    bool ok;
    int width;
  };

  LatestPictureLoader::Deliver Receiver() {
    return [this](uint64_t id, Result<CardPicture> picture) {
      std::lock_guard<std::mutex> lock(mutex_);
      delivered_.push_back({id, picture.ok(), picture.ok() ? picture.value().width : 0});
      changed_.notify_all();
    };
  }

  // The results once there are `count`; fails the test after a minute
  // rather than hanging.
  std::vector<Delivered> WaitFor(size_t count) {
    std::unique_lock<std::mutex> lock(mutex_);
    EXPECT_TRUE(changed_.wait_for(lock, std::chrono::minutes(1),
                                  [&] { return delivered_.size() >= count; }));
    return delivered_;
  }

  std::string Jpeg(const std::string& name, int width, int height) {
    const std::string path = home_.Join(name);
    WriteFile(path, testing::WriteJpeg(width, height));
    return path;
  }

  static CardPictureRequest Request(const std::string& path) { return {path, 100, 80}; }

  TempHome home_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<Delivered> delivered_;  // guarded by mutex_
};

TEST_F(LatestPictureLoaderTest, NewestRequestWinsAndReplacedResultsAreDropped) {
  GatedShell shell;
  const std::string held = home_.Join("held.pdf");
  WriteFile(held, "%PDF");
  const std::string b = Jpeg("b.jpg", 32, 24), c = Jpeg("c.jpg", 48, 24), d = Jpeg("d.jpg", 64, 48);
  LatestPictureLoader loader(shell, Receiver());
  const uint64_t first = loader.Request(Request(held));
  shell.WaitUntilEntered();  // under way, held by the desktop
  const uint64_t second = loader.Request(Request(b));
  const uint64_t third = loader.Request(Request(c));
  const uint64_t last = loader.Request(Request(d));
  EXPECT_LT(first, second);
  EXPECT_LT(third, last);
  shell.Open();
  const std::vector<Delivered> results = WaitFor(1);
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results[0].id, last);
  EXPECT_EQ(results[0].width, 64);
}

TEST_F(LatestPictureLoaderTest, CancelDropsTheDecodeUnderWay) {
  GatedShell shell;
  const std::string held = home_.Join("held.pdf");
  WriteFile(held, "%PDF");
  LatestPictureLoader loader(shell, Receiver());
  loader.Request(Request(held));
  shell.WaitUntilEntered();
  loader.Cancel();
  shell.Open();
  // One worker works in order: once this arrives, the held one was dropped.
  const uint64_t after = loader.Request(Request(Jpeg("d.jpg", 64, 48)));
  const std::vector<Delivered> results = WaitFor(1);
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results[0].id, after);
}

TEST_F(LatestPictureLoaderTest, DamagedPictureGivesAnErrorAndTheNextOneWorks) {
  const std::string damaged = home_.Join("damaged.jpg");
  WriteFile(damaged, testing::WriteJpeg(64, 48).substr(0, 20));
  const std::string good = Jpeg("good.jpg", 64, 48);
  LatestPictureLoader loader(NoShellImages(), Receiver());
  const uint64_t bad = loader.Request(Request(damaged));
  std::vector<Delivered> results = WaitFor(1);
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results[0].id, bad);
  EXPECT_FALSE(results[0].ok);
  const uint64_t next = loader.Request(Request(good));
  results = WaitFor(2);
  ASSERT_EQ(results.size(), 2u);
  EXPECT_EQ(results[1].id, next);
  EXPECT_TRUE(results[1].ok);
  EXPECT_EQ(results[1].width, 64);
}

}  // namespace
}  // namespace lumidex
