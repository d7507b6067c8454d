#include "slideshow/ui/qt_music_player.h"

#include <QFileInfo>
#include <QUrl>
#include <algorithm>

#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

// QMediaPlayer counts in milliseconds, the contract in 100 nanoseconds.
constexpr int64_t kUnitsPerMillisecond = 10'000;

}  // namespace

QtMusicPlayer::QtMusicPlayer() = default;

QMediaPlayer& QtMusicPlayer::Player() {
  if (!player_) {
    output_ = std::make_unique<QAudioOutput>();
    player_ = std::make_unique<QMediaPlayer>();
    player_->setAudioOutput(output_.get());
    QObject::connect(player_.get(), &QMediaPlayer::mediaStatusChanged, player_.get(),
                     [this](QMediaPlayer::MediaStatus status) { OnMediaStatus(status); });
    QObject::connect(player_.get(), &QMediaPlayer::errorOccurred, player_.get(),
                     [this](QMediaPlayer::Error error, const QString&) { OnError(error); });
  }
  return *player_;
}

QtMusicPlayer::~QtMusicPlayer() {
  if (!player_) return;
  // The player's signals must not reach this half-destroyed object.
  QObject::disconnect(player_.get(), nullptr, player_.get(), nullptr);
  Close();
  player_.reset();  // before the output it plays through
}

bool QtMusicPlayer::Open(const std::string& path) {
  Close();
  fileName_ = path;
  // Checked here, not left to the backend: a missing file must fail at once,
  // and a FIFO or device must never be handed to a decoder.
  const QFileInfo info(ToQString(path));
  if (!info.isFile() || !info.isReadable()) return false;
  open_ = true;
  failed_ = false;
  Player().setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
  return true;
}

bool QtMusicPlayer::Play() {
  if (!open_ || failed_) return false;
  player_->play();
  return !failed_ && player_->playbackState() == QMediaPlayer::PlayingState;
}

void QtMusicPlayer::Stop() {
  if (open_) player_->stop();
}

void QtMusicPlayer::Close() {
  if (!open_) return;
  open_ = false;
  failed_ = false;
  player_->stop();
  player_->setSource(QUrl());
}

PlayerMode QtMusicPlayer::Mode() const {
  if (!open_ || failed_) return PlayerMode::kStopped;
  switch (player_->playbackState()) {
    case QMediaPlayer::PlayingState:
      // The state can lag behind the end of the media.
      return player_->mediaStatus() == QMediaPlayer::EndOfMedia ? PlayerMode::kStopped
                                                               : PlayerMode::kPlaying;
    case QMediaPlayer::PausedState:
      return PlayerMode::kPaused;
    case QMediaPlayer::StoppedState:
      break;
  }
  return PlayerMode::kStopped;
}

int64_t QtMusicPlayer::Position() const {
  return open_ ? std::max<qint64>(player_->position(), 0) * kUnitsPerMillisecond : 0;
}

int64_t QtMusicPlayer::Length() const {
  return open_ ? std::max<qint64>(player_->duration(), 0) * kUnitsPerMillisecond : 0;
}

void QtMusicPlayer::OnMediaStatus(QMediaPlayer::MediaStatus status) {
  if (open_ && status == QMediaPlayer::InvalidMedia) failed_ = true;
}

void QtMusicPlayer::OnError(QMediaPlayer::Error error) {
  // After an error the backend may still claim to be playing; the track is
  // over for the slide show.
  if (open_ && error != QMediaPlayer::NoError) failed_ = true;
}

}  // namespace lumidex
