#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "images/bitmap.h"
#include "images/fit_to_box.h"

namespace lumidex {

// The effect with which the slide show changes from one picture to the next.
enum class TransitionEffect { kNormal, kFade, kOverlap1, kOverlap2 };

// "Normal", "Fade", "Overlap 1", "Overlap 2", as the effect list shows them.
std::string_view TransitionEffectName(TransitionEffect effect);
// The effect named `name`; nullopt for any other text.
std::optional<TransitionEffect> TransitionEffectNamed(std::string_view name);

// Keeps w/256 of every colour byte p of `bitmap` over the byte c of
// `colour` (0x00BBGGRR) of the same channel: p = c + (((p - c) * w) >> 8),
// the product signed, the shift arithmetic, the result truncated to a byte.
// Alpha bytes are untouched. Applied again to its own result the fading
// compounds. REQUIRES: 0 <= w <= 256.
void Fade(Bitmap& bitmap, uint32_t colour, int w);

// Lays `bitmap` over `previous` with weight w: every colour byte p, with q
// the byte of `previous` at the same place, becomes q + ((w * (p - q)) >> 8)
// under the same arithmetic as Fade; w = 0 gives `previous`, 255 nearly
// `bitmap`. Alpha bytes are untouched. When the sizes differ only the area
// both cover is mixed, so nothing is read outside either bitmap.
// REQUIRES: 0 <= w <= 256.
void CrossFade(Bitmap& bitmap, const Bitmap& previous, int w);

// What one frame of a transition shows in the picture box.
enum class FrameKind {
  kFadeOut,    // the previous frame faded further towards the window colour
  kFadeIn,     // the new picture faded in from the window colour
  kCrossFade,  // the new picture laid over the previous frame
};

// One frame of a transition's schedule. A value type.
struct TransitionFrame {
  FrameKind kind = FrameKind::kFadeIn;
  int weight = 0;       // w of Fade or CrossFade, 0-255
  int waitAfterMs = 0;  // before the next frame is drawn; 0 after the last
  // Where the slide header goes, from the card's bottom-left corner
  // (x0, y0 + ch): (10, -20), or (13, -18) while cross-fading.
  int headerDx = 0;
  int headerDy = 0;
  bool operator==(const TransitionFrame&) const = default;
};

// The frames of a transition with `effect`, given whether a previous frame
// of the picture box's size exists. "Fade" with a previous frame first fades
// it out over 10 frames of n = 255, 240, ..., 120, 50 ms apart; then "Fade"
// and "Overlap 1" show 12 frames of u = 0, 25, ..., 250, 255 and "Overlap 2"
// 18 frames of u = 0, 15, ..., 255, 100 ms apart: cross-fades from the
// previous frame for the overlaps when there is one, else fade-ins from the
// window colour. Empty for kNormal, which draws at once.
std::vector<TransitionFrame> TransitionSchedule(TransitionEffect effect, bool hasPrevious);

// Renders frame `k` of `frames` into `work`, which is made the size of
// `next` when it has another size and is reused otherwise. Fade-out frames
// compound: the first one starts from `previous`, each further one fades the
// result of the one before, so REQUIRES: frames are rendered in order into
// the same `work`. A `previous` that is null or not of `next`'s size is not
// read: a fade-out then shows the window colour and a cross-fade becomes a
// fade-in. REQUIRES: k < frames.size().
void RenderTransitionFrame(const std::vector<TransitionFrame>& frames, size_t k,
                           const Bitmap* previous, const Bitmap& next, uint32_t windowColour,
                           Bitmap& work);

// The new picture as a transition shows it: a bitmap of the picture box's
// size (boxWidth x boxHeight) filled with `background`, with `picture`,
// already scaled to place.width x place.height, copied in at (place.left,
// place.top); whatever of it lies outside the box is left out. Empty when
// the box has no pixels.
Bitmap TransitionTarget(const Bitmap& picture, const FittedBox& place, int boxWidth, int boxHeight,
                        uint32_t background);

// One change of the picture box from the previous frame to a new picture,
// frame by frame: the caller draws frame() after each Advance() and waits
// the time it returns. Owns its bitmaps (the three of the box's size that
// every frame reuses); not thread-safe.
class Transition {
 public:
  // `next` is the new picture on its background, the size of the picture
  // box; `previous` the last frame of the transition before, or empty. A
  // previous frame of another size (the window was resized since) is not
  // used: the transition starts from the window colour.
  Transition(TransitionEffect effect, Bitmap next, Bitmap previous, uint32_t windowColour);
  Transition(const Transition&) = delete;
  Transition& operator=(const Transition&) = delete;

  bool finished() const { return next_ >= frames_.size(); }
  size_t frameCount() const { return frames_.size(); }

  // Renders the next frame into frame() and returns the wait before the
  // following one (0 after the last). REQUIRES: !finished().
  int Advance();
  // Ends the transition at once: frame() becomes exactly the new picture
  // and finished() is true. Nothing happens when it has finished.
  void Finish();

  // The frame to draw: empty before the first Advance().
  const Bitmap& frame() const { return work_; }
  // The schedule entry of frame() (its header position); after Finish()
  // the schedule's last entry.
  const TransitionFrame& shown() const;
  // The new picture, to be kept as the previous frame of the next
  // transition. REQUIRES: finished(); the transition is spent afterwards.
  Bitmap TakeNext() { return std::move(target_); }

 private:
  const std::vector<TransitionFrame> frames_;
  const uint32_t windowColour_;
  Bitmap target_;    // the new picture
  Bitmap previous_;  // empty when not of target_'s size
  Bitmap work_;
  size_t next_ = 0;   // the frame Advance() renders
  size_t shown_ = 0;  // index of frame() in frames_
};

}  // namespace lumidex
