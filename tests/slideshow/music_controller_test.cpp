#include "slideshow/music_controller.h"

#include <gtest/gtest.h>

#include <set>

namespace lumidex {
namespace {

using Tracks = std::vector<std::string>;

// Records what was opened. Files in `missing` do not open, files in `silent`
// open but do not start; tests end (mode) or fail the playing track.
class FakePlayer : public MusicPlayer {
 public:
  std::set<std::string> missing, silent;
  Tracks opened;
  PlayerMode mode = PlayerMode::kStopped;
  bool failed = false, open = false;

  bool Open(const std::string& path) override {
    Close();
    name_ = path;
    if (!missing.contains(path)) opened.push_back(path);
    return open = !missing.contains(path);
  }
  bool Play() override {
    mode = silent.contains(name_) ? PlayerMode::kStopped : PlayerMode::kPlaying;
    return mode == PlayerMode::kPlaying;
  }
  void Stop() override { mode = PlayerMode::kStopped; }
  void Close() override { open = failed = false, mode = PlayerMode::kStopped; }
  bool IsOpen() const override { return open; }
  PlayerMode Mode() const override { return failed ? PlayerMode::kStopped : mode; }
  bool Failed() const override { return failed; }
  int64_t Position() const override { return 620'000'000; }
  int64_t Length() const override { return 2'050'000'000; }
  const std::string& FileName() const override { return name_; }

 private:
  std::string name_;
};

class MusicControllerTest : public ::testing::Test {
 protected:
  FakePlayer player;
  MusicController music{player};

  void StartShow(Tracks tracks) {
    music.SetMusicOn(true);
    music.ChoosePlaylist(std::move(tracks));
  }
};

TEST_F(MusicControllerTest, TracksMoveOnAtStepsAfterTheirEndAndTheButtonsWrapAround) {
  StartShow({"/m/a.mp3", "/m/b.mp3"});
  EXPECT_FALSE(music.AdvanceMusic());  // still playing
  player.mode = PlayerMode::kStopped;
  music.AdvanceMusic();
  music.NextTrack();      // from the last to the first
  music.PreviousTrack();  // on the first: starts it again
  EXPECT_EQ(player.opened, (Tracks{"/m/a.mp3", "/m/b.mp3", "/m/a.mp3", "/m/a.mp3"}));
  EXPECT_EQ(music.MusicTitle(), "0：03：25  0：01：02   ♪ > 1 a.mp3");
  EXPECT_EQ(FormatMediaTime(3907LL * 10'000'000 + 9'999'999), "1：05：07");
}

TEST_F(MusicControllerTest, TracksThatCannotPlayAreNamedAndSkippedAtTheNextStep) {
  player.missing = {"/m/gone.mp3"};
  player.silent = {"/m/mute.wma"};
  StartShow({"/m/gone.mp3", "/m/mute.wma", "/m/ok.mp3"});
  EXPECT_EQ(music.MusicTitle(), "再生できません: gone.mp3");
  EXPECT_FALSE(music.AdvanceMusic());
  EXPECT_EQ(music.MusicTitle(), "再生できません: mute.wma");
  music.AdvanceMusic();
  EXPECT_EQ(music.MusicTitle(), "0：03：25  0：01：02   ♪ > 3 ok.mp3");
  player.failed = true;  // fails while playing
  EXPECT_EQ(music.MusicTitle(), "再生できません: ok.mp3");
  music.AdvanceMusic();
  EXPECT_EQ(music.MusicTitle(), "再生できません: gone.mp3");  // round to the first
}

TEST_F(MusicControllerTest, TheMusicButtonPlaysOnlyDuringAShowAndStopKeepsTheTrackNumber) {
  music.ChoosePlaylist({"/m/a.mp3", "/m/b.mp3"});
  music.NextTrack();
  EXPECT_FALSE(music.ApplyMusicButton(true, false));
  EXPECT_TRUE(player.opened.empty());  // off: only the number moved
  music.SetMusicOn(true);
  EXPECT_TRUE(music.ApplyMusicButton(true, false));
  EXPECT_EQ(player.opened, (Tracks{"/m/b.mp3"}));
  music.SetMusicOn(false);
  EXPECT_TRUE(player.open);  // plays on until the next step
  EXPECT_TRUE(music.AdvanceMusic());
  EXPECT_FALSE(player.open);
  music.StopMusic();
  EXPECT_TRUE(music.ApplyMusicButton(false, true));  // the actual-size view's zoom
  EXPECT_EQ(player.opened.size(), 1u);
  EXPECT_TRUE(music.playlist().empty());
  EXPECT_EQ(music.trackIndex(), 1);
}

}  // namespace
}  // namespace lumidex
