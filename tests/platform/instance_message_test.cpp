#include "platform/instance_message.h"

#include <gtest/gtest.h>

#include "platform/single_instance_lock.h"

namespace lumidex::platform {
namespace {

using State = InstanceMessageReader::State;

std::string Header(std::uint32_t size) {
  return {static_cast<char>(size >> 24), static_cast<char>(size >> 16),
          static_cast<char>(size >> 8), static_cast<char>(size)};
}

InstanceMessageReader ReadAll(std::string_view bytes) {
  InstanceMessageReader reader;
  reader.Feed(bytes);
  return reader;
}

TEST(InstanceMessageTest, PathsComeBackInOrderWhateverPiecesTheBytesArriveIn) {
  const std::vector<std::string> paths = {"/home/u/写真/a b.jpg", "/tmp/x.png", "/"};
  const std::string message = EncodeInstanceMessage(paths);
  ASSERT_FALSE(message.empty());
  for (std::size_t piece : {std::size_t{1}, std::size_t{3}, message.size()}) {
    InstanceMessageReader reader;
    State state = State::kNeedMore;
    for (std::size_t at = 0; at < message.size(); at += piece) {
      EXPECT_EQ(state, State::kNeedMore) << piece;
      state = reader.Feed(std::string_view(message).substr(at, piece));
    }
    EXPECT_EQ(state, State::kComplete) << piece;
    EXPECT_EQ(reader.paths(), paths) << piece;
  }
  // No paths: a message that only asks the window to show itself.
  const InstanceMessageReader raise = ReadAll(EncodeInstanceMessage({}));
  EXPECT_EQ(raise.state(), State::kComplete);
  EXPECT_TRUE(raise.paths().empty());
}

TEST(InstanceMessageTest, PathsThatCannotBeSentGiveNoMessage) {
  EXPECT_EQ(EncodeInstanceMessage({"/a.jpg", "relative.jpg"}), "");
  EXPECT_EQ(EncodeInstanceMessage({""}), "");
  EXPECT_EQ(EncodeInstanceMessage({std::string("/a\0b", 4)}), "");
  EXPECT_EQ(EncodeInstanceMessage({"/" + std::string(kMaxInstancePathBytes, 'a')}), "");
  EXPECT_EQ(EncodeInstanceMessage({"/bad\xFF.jpg"}), "");
  EXPECT_EQ(EncodeInstanceMessage(std::vector<std::string>(kMaxInstancePaths + 1, "/a")), "");
}

TEST(InstanceMessageTest, UntrustedBytesMakeTheMessageInvalid) {
  // A length above the limit is refused before any payload is taken.
  EXPECT_EQ(ReadAll(Header(kMaxInstanceMessageBytes + 1)).state(), State::kInvalid);
  // Payloads a sender of ours never builds.
  const std::string payloads[] = {std::string("relative\0", 9), std::string("/a.jpg"),
                                  std::string("/a\0\0", 4), std::string("/bad\xFF\0", 6)};
  for (const std::string& payload : payloads) {
    EXPECT_EQ(ReadAll(Header(payload.size()) + payload).state(), State::kInvalid) << payload;
  }
  // More bytes than the header announced, at once or after the end.
  EXPECT_EQ(ReadAll(Header(3) + std::string("/a\0b", 4)).state(), State::kInvalid);
  InstanceMessageReader reader;
  EXPECT_EQ(reader.Feed(EncodeInstanceMessage({"/a"})), State::kComplete);
  EXPECT_EQ(reader.Feed("x"), State::kInvalid);
  // A header that stops short is still waiting, not complete.
  EXPECT_EQ(ReadAll(Header(5).substr(0, 3)).state(), State::kNeedMore);
}

TEST(InstanceMessageTest, EachAlbumHasItsOwnSocketBesideItsLock) {
  const std::string first = SingleInstanceLock::SocketNameFor("/home/u/album-a");
  EXPECT_NE(first, SingleInstanceLock::SocketNameFor("/home/u/album-b"));
  EXPECT_EQ(first, SingleInstanceLock::SocketNameFor("/home/u/album-a"));
  const std::string lock = SingleInstanceLock::LockFileFor("/home/u/album-a");
  EXPECT_EQ(first.substr(0, first.rfind('.')), lock.substr(0, lock.rfind('.')));
}

}  // namespace
}  // namespace lumidex::platform
