#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumidex::platform {

// The message a second start of the window program sends to the running
// window of the same album: "show yourself and register these files".
//
// Encoding: a 4-byte big-endian payload length, then the payload: each
// absolute path in UTF-8 followed by one NUL byte (Linux paths never hold a
// NUL). An empty payload asks only that the window be raised. The window
// answers a message it took with the single byte kInstanceMessageTaken, and
// acts on it only once the sender confirms with kInstanceMessageConfirmed: a
// sender that gave up waiting (and told the user so) never confirms, so its
// files are not registered behind the user's back.
//
// The sender is another process of the same user, but the reader still
// trusts nothing: the length is checked against kMaxInstanceMessageBytes
// before anything is buffered, and a payload whose paths are not absolute,
// not valid UTF-8, empty, longer than kMaxInstancePathBytes, more than
// kMaxInstancePaths or not NUL-terminated makes the whole message invalid.

inline constexpr std::size_t kMaxInstanceMessageBytes = 1 << 20;
inline constexpr std::size_t kMaxInstancePathBytes = 4096;
inline constexpr std::size_t kMaxInstancePaths = 10000;
inline constexpr char kInstanceMessageTaken = 'K';
inline constexpr char kInstanceMessageConfirmed = 'G';

// The bytes of the message for `paths`, or "" when the paths cannot be sent
// (one is relative, empty, holds a NUL, is too long, or the whole exceeds
// the limits); the caller then falls back to its own message.
std::string EncodeInstanceMessage(const std::vector<std::string>& paths);

// Reads one message from bytes that arrive in pieces. Not thread-safe; one
// reader per connection.
class InstanceMessageReader {
 public:
  enum class State { kNeedMore, kComplete, kInvalid };

  // Takes the next bytes. Once the state is kComplete or kInvalid further
  // bytes are ignored (a complete message followed by more bytes turns
  // invalid: a sender sends exactly one message).
  State Feed(std::string_view bytes);
  State state() const { return state_; }
  // The paths of a complete message, in the order they were sent.
  const std::vector<std::string>& paths() const { return paths_; }

 private:
  State Finish();

  State state_ = State::kNeedMore;
  std::string buffer_;
  std::size_t expected_ = 0;  // payload bytes, known once the header is in
  bool haveLength_ = false;
  std::vector<std::string> paths_;
};

}  // namespace lumidex::platform
