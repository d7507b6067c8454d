#include "images/transitions.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace lumidex {
namespace {

constexpr std::array<std::string_view, 4> kEffectNames = {"Normal", "Fade", "Overlap 1",
                                                          "Overlap 2"};

// The fade-out of "Fade": 10 frames from n = 255 down by 15, 50 ms apart.
constexpr int kFadeOutFrames = 10;
constexpr int kFadeOutStep = 15;
constexpr int kFadeOutWaitMs = 50;
constexpr int kFadeInWaitMs = 100;
constexpr int kFull = 255;

// under + (((over - under) * w) >> 8) with a signed product and an
// arithmetic shift: w/256 of `over` laid over `under`. Stays within 0-255
// for 0 <= w <= 256.
inline uint8_t Mix(int over, int under, int w) {
  return static_cast<uint8_t>(under + (((over - under) * w) >> 8));
}

bool SameSize(const Bitmap& a, const Bitmap& b) {
  return a.width() == b.width() && a.height() == b.height();
}

// `to` made a copy of `from`, reusing its pixels when the size matches.
void CopyInto(const Bitmap& from, Bitmap& to) {
  if (!SameSize(from, to)) to = Bitmap::Create(from.width(), from.height());
  if (to.empty()) return;
  std::memcpy(to.data(), from.data(), from.stride() * static_cast<size_t>(from.height()));
  to.setHasAlpha(from.hasAlpha());
}

bool UsablePrevious(const Bitmap* previous, const Bitmap& next) {
  return previous != nullptr && !previous->empty() && SameSize(*previous, next);
}

}  // namespace

std::string_view TransitionEffectName(TransitionEffect effect) {
  return kEffectNames[static_cast<size_t>(effect)];
}

std::optional<TransitionEffect> TransitionEffectNamed(std::string_view name) {
  for (size_t i = 0; i < kEffectNames.size(); ++i) {
    if (kEffectNames[i] == name) return static_cast<TransitionEffect>(i);
  }
  return std::nullopt;
}

void Fade(Bitmap& bitmap, uint32_t colour, int w) {
  // One table per channel: the mix depends only on the byte, and a lookup
  // is several times quicker than the arithmetic over a picture box.
  uint8_t table[3][256];
  const int c[3] = {static_cast<int>(colour >> 16 & 0xFF),  // blue, the first byte in memory
                    static_cast<int>(colour >> 8 & 0xFF), static_cast<int>(colour & 0xFF)};
  for (int channel = 0; channel < 3; ++channel) {
    for (int p = 0; p < 256; ++p) table[channel][p] = Mix(p, c[channel], w);
  }
  for (int y = 0; y < bitmap.height(); ++y) {
    uint8_t* p = bitmap.row(y);
    for (int x = 0; x < bitmap.width(); ++x, p += 4) {
      p[0] = table[0][p[0]];
      p[1] = table[1][p[1]];
      p[2] = table[2][p[2]];
    }
  }
}

void CrossFade(Bitmap& bitmap, const Bitmap& previous, int w) {
  const int width = std::min(bitmap.width(), previous.width());
  const int height = std::min(bitmap.height(), previous.height());
  for (int y = 0; y < height; ++y) {
    uint8_t* p = bitmap.row(y);
    const uint8_t* q = previous.row(y);
    for (int x = 0; x < width; ++x, p += 4, q += 4) {
      p[0] = Mix(p[0], q[0], w);
      p[1] = Mix(p[1], q[1], w);
      p[2] = Mix(p[2], q[2], w);
    }
  }
}

std::vector<TransitionFrame> TransitionSchedule(TransitionEffect effect, bool hasPrevious) {
  std::vector<TransitionFrame> frames;
  if (effect == TransitionEffect::kNormal) return frames;
  if (effect == TransitionEffect::kFade && hasPrevious) {
    for (int i = 0, n = kFull; i < kFadeOutFrames; ++i, n -= kFadeOutStep) {
      frames.push_back({FrameKind::kFadeOut, n, kFadeOutWaitMs, 10, -20});
    }
  }
  const bool cross = effect != TransitionEffect::kFade && hasPrevious;
  const int increment = effect == TransitionEffect::kOverlap2 ? 15 : 25;
  for (int u = 0;; u = std::min(u + increment, kFull)) {
    TransitionFrame frame{cross ? FrameKind::kCrossFade : FrameKind::kFadeIn, u, kFadeInWaitMs,
                          cross ? 13 : 10, cross ? -18 : -20};
    if (u == kFull) frame.waitAfterMs = 0;
    frames.push_back(frame);
    if (u == kFull) break;
  }
  return frames;
}

void RenderTransitionFrame(const std::vector<TransitionFrame>& frames, size_t k,
                           const Bitmap* previous, const Bitmap& next, uint32_t windowColour,
                           Bitmap& work) {
  const TransitionFrame& frame = frames[k];
  const bool usable = UsablePrevious(previous, next);
  switch (frame.kind) {
    case FrameKind::kFadeOut: {
      const bool first = k == 0 || frames[k - 1].kind != FrameKind::kFadeOut;
      if (!SameSize(work, next)) work = Bitmap::Create(next.width(), next.height());
      if (!usable) {
        work.Fill(windowColour);
      } else if (first) {
        CopyInto(*previous, work);
      }
      Fade(work, windowColour, frame.weight);
      return;
    }
    case FrameKind::kCrossFade:
      CopyInto(next, work);
      if (usable) {
        CrossFade(work, *previous, frame.weight);
      } else {
        Fade(work, windowColour, frame.weight);
      }
      return;
    case FrameKind::kFadeIn:
      CopyInto(next, work);
      Fade(work, windowColour, frame.weight);
      return;
  }
}

Bitmap TransitionTarget(const Bitmap& picture, const FittedBox& place, int boxWidth, int boxHeight,
                        uint32_t background) {
  Bitmap target = Bitmap::Create(boxWidth, boxHeight);
  if (target.empty()) return target;
  target.Fill(background);
  const int left = std::max(place.left, 0);
  const int right = std::min(place.left + picture.width(), boxWidth);
  const int top = std::max(place.top, 0);
  const int bottom = std::min(place.top + picture.height(), boxHeight);
  if (left >= right) return target;
  for (int y = top; y < bottom; ++y) {
    std::memcpy(target.row(y) + 4 * static_cast<size_t>(left),
                picture.row(y - place.top) + 4 * static_cast<size_t>(left - place.left),
                4 * static_cast<size_t>(right - left));
  }
  return target;
}

Transition::Transition(TransitionEffect effect, Bitmap next, Bitmap previous, uint32_t windowColour)
    : frames_(TransitionSchedule(effect, UsablePrevious(&previous, next))),
      windowColour_(windowColour),
      target_(std::move(next)) {
  if (UsablePrevious(&previous, target_)) previous_ = std::move(previous);
}

int Transition::Advance() {
  RenderTransitionFrame(frames_, next_, &previous_, target_, windowColour_, work_);
  shown_ = next_++;
  if (finished()) previous_ = Bitmap();
  return frames_[shown_].waitAfterMs;
}

void Transition::Finish() {
  if (finished()) return;
  CopyInto(target_, work_);
  previous_ = Bitmap();
  next_ = frames_.size();
  shown_ = frames_.size() - 1;
}

const TransitionFrame& Transition::shown() const {
  static const TransitionFrame kNone;
  return frames_.empty() ? kNone : frames_[shown_];
}

}  // namespace lumidex
