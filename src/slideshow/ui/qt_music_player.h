#pragma once

#include <QAudioOutput>
#include <QMediaPlayer>
#include <memory>
#include <string>

#include "slideshow/music_player.h"

namespace lumidex {

// The music player of the slide show on QMediaPlayer with a QAudioOutput
// (GStreamer plugins on this platform). QMediaPlayer works asynchronously:
// Open only sets the source and returns at once; what it later reports is
// folded into the MusicPlayer contract: the end of the track makes Mode
// kStopped, an error (unreadable content, no decoder, a failing audio output)
// makes the track Failed and Mode kStopped, so the slide show moves on at its
// next step either way. The length is read when asked for, as the media
// reports it once loaded. Main thread only.
class QtMusicPlayer : public MusicPlayer {
 public:
  QtMusicPlayer();
  ~QtMusicPlayer() override;
  QtMusicPlayer(const QtMusicPlayer&) = delete;
  QtMusicPlayer& operator=(const QtMusicPlayer&) = delete;

  // False when this system has no media backend at all; every track then
  // fails.
  bool Available() { return Player().isAvailable(); }

  bool Open(const std::string& path) override;
  bool Play() override;
  void Stop() override;
  void Close() override;

  bool IsOpen() const override { return open_; }
  PlayerMode Mode() const override;
  bool Failed() const override { return open_ && failed_; }
  int64_t Position() const override;
  int64_t Length() const override;
  const std::string& FileName() const override { return fileName_; }

 private:
  void OnMediaStatus(QMediaPlayer::MediaStatus status);
  void OnError(QMediaPlayer::Error error);

  // The media backend, made at the first track: starting it costs tens of
  // milliseconds, which a window that never plays music should not pay.
  QMediaPlayer& Player();

  std::unique_ptr<QAudioOutput> output_;
  std::unique_ptr<QMediaPlayer> player_;
  std::string fileName_;
  bool open_ = false;
  bool failed_ = false;
};

}  // namespace lumidex
