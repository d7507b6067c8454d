#pragma once

#include <cstdint>
#include <string>

namespace lumidex {

// What the player is doing, as the music of the slide show polls it.
enum class PlayerMode {
  kStopped = 0,  // not playing: never started, stopped, at the end, or failed
  kPaused = 1,
  kPlaying = 2,
};

// A player of one music file at a time, the contract the slide show's music
// (MusicController) needs. A file is open from a successful Open until Close.
// A track that reaches its end stops by itself and stays open (Mode gives
// kStopped); the player never repeats a track on its own and shows no video.
// Times are in units of 100 nanoseconds. Implementations are used on the main
// thread only.
class MusicPlayer {
 public:
  virtual ~MusicPlayer() = default;

  // Closes an open file, then opens `path` for playing from its beginning.
  // True on success. False when the file does not exist or cannot be opened;
  // the player is then closed. A file whose content turns out unplayable may
  // still open and fail later (Failed).
  virtual bool Open(const std::string& path) = 0;
  // Starts playing the open file from its position. True when playing
  // started; false when no file is open or it failed.
  virtual bool Play() = 0;
  // Stops playing; the file stays open.
  virtual void Stop() = 0;
  // Stops and releases the open file, if any. The player is then closed.
  virtual void Close() = 0;

  virtual bool IsOpen() const = 0;
  // kStopped while closed, after the end of the track and after a failure.
  virtual PlayerMode Mode() const = 0;
  // True when the open file could not be played (unreadable content, no
  // decoder, an error of the audio output): it stays open in kStopped.
  virtual bool Failed() const = 0;
  // The current position and the length of the open file; 0 while closed or
  // not yet known.
  virtual int64_t Position() const = 0;
  virtual int64_t Length() const = 0;
  // The path of the last Open, whether it succeeded or not.
  virtual const std::string& FileName() const = 0;
};

}  // namespace lumidex
