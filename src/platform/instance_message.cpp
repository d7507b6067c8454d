#include "platform/instance_message.h"

#include <algorithm>

#include "foundation/text_codec.h"

namespace lumidex::platform {
namespace {

constexpr std::size_t kHeaderBytes = 4;

bool SendablePath(std::string_view path) {
  return !path.empty() && path.front() == '/' && path.size() <= kMaxInstancePathBytes &&
         path.find('\0') == std::string_view::npos && IsValidUtf8(path);
}

}  // namespace

std::string EncodeInstanceMessage(const std::vector<std::string>& paths) {
  if (paths.size() > kMaxInstancePaths) return "";
  std::string payload;
  for (const std::string& path : paths) {
    if (!SendablePath(path)) return "";
    payload += path;
    payload += '\0';
  }
  if (payload.size() > kMaxInstanceMessageBytes) return "";
  std::string message;
  const auto size = static_cast<std::uint32_t>(payload.size());
  for (int shift = 24; shift >= 0; shift -= 8) message += static_cast<char>((size >> shift) & 0xFF);
  return message + payload;
}

InstanceMessageReader::State InstanceMessageReader::Feed(std::string_view bytes) {
  if (state_ == State::kInvalid) return state_;
  if (state_ == State::kComplete) {
    if (!bytes.empty()) state_ = State::kInvalid;
    return state_;
  }
  if (!haveLength_) {
    const std::size_t take = std::min(bytes.size(), kHeaderBytes - buffer_.size());
    buffer_.append(bytes.substr(0, take));
    bytes.remove_prefix(take);
    if (buffer_.size() < kHeaderBytes) return state_;
    for (unsigned char byte : buffer_) expected_ = (expected_ << 8) | byte;
    // Checked before any payload is buffered, so a lying header costs nothing.
    if (expected_ > kMaxInstanceMessageBytes) return state_ = State::kInvalid;
    haveLength_ = true;
    buffer_.clear();
  }
  if (bytes.size() > expected_ - buffer_.size()) return state_ = State::kInvalid;
  buffer_.append(bytes);
  if (buffer_.size() < expected_) return state_;
  return Finish();
}

InstanceMessageReader::State InstanceMessageReader::Finish() {
  std::string_view payload = buffer_;
  if (!payload.empty() && payload.back() != '\0') return state_ = State::kInvalid;
  std::vector<std::string> paths;
  while (!payload.empty()) {
    const std::size_t end = payload.find('\0');
    const std::string_view path = payload.substr(0, end);
    if (!SendablePath(path) || paths.size() == kMaxInstancePaths) return state_ = State::kInvalid;
    paths.emplace_back(path);
    payload.remove_prefix(end + 1);
  }
  paths_ = std::move(paths);
  buffer_.clear();
  return state_ = State::kComplete;
}

}  // namespace lumidex::platform
