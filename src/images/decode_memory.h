#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace lumidex {

// The most memory the decoding of one picture may take: its bitmap plus the
// decoder's own buffers (for a progressive JPEG the coefficients of the
// whole picture, two bytes per sample, even when it is decoded at 1/8).
// Every decoder works this out from the header and refuses a picture that
// would need more before allocating anything, as it refuses a damaged one.
// 256 MB hold a 64-megapixel bitmap, or the 1/8 decode of a progressive
// camera picture of about 80 megapixels.
inline constexpr int64_t kMaxDecodeBytes = int64_t{256} << 20;

// What the decoders of all threads of the process may hold at once: twice
// the most one picture may take, so two pictures at the limit decode side by
// side and small ones many at a time.
inline constexpr int64_t kProcessDecodeBytes = 2 * kMaxDecodeBytes;

// The bytes of a width x height BGRA bitmap (0 for sides below 1).
int64_t BitmapBytes(int64_t width, int64_t height);

// Memory that decoders hold while they run, so that pictures decoded on many
// threads at once stay within a fixed total. A decode reserves what its
// header says it needs before it starts and gives it back when its picture
// has been drawn. A reservation that does not fit beside the others waits
// for them; one larger than the whole capacity is refused at once. Waiting
// reservations are served in the order they came, so a large picture is
// not passed over for ever by small ones. Thread-safe.
class DecodeMemoryBudget {
 public:
  // Bytes held by one decode; given back when it goes. Move-only.
  class Reservation {
   public:
    Reservation() = default;
    Reservation(Reservation&& other) noexcept;
    Reservation& operator=(Reservation&& other) noexcept;
    Reservation(const Reservation&) = delete;
    Reservation& operator=(const Reservation&) = delete;
    ~Reservation();

    // False for a refused reservation.
    explicit operator bool() const { return budget_ != nullptr; }

   private:
    friend class DecodeMemoryBudget;
    Reservation(DecodeMemoryBudget* budget, int64_t bytes) : budget_(budget), bytes_(bytes) {}
    void Release();

    DecodeMemoryBudget* budget_ = nullptr;
    int64_t bytes_ = 0;
  };

  explicit DecodeMemoryBudget(int64_t capacity) : capacity_(capacity) {}
  DecodeMemoryBudget(const DecodeMemoryBudget&) = delete;
  DecodeMemoryBudget& operator=(const DecodeMemoryBudget&) = delete;

  // Waits until `bytes` fit beside the reservations held and those that
  // asked earlier, then holds them. A refused (false) reservation, without
  // waiting, when `bytes` exceed the capacity. Negative counts as 0.
  // REQUIRES: the calling thread holds no other reservation of this budget
  // (it could wait for itself).
  Reservation Reserve(int64_t bytes);

  // Holds `bytes` only when they fit now and nobody waits; a refused
  // reservation otherwise.
  Reservation TryReserve(int64_t bytes);

  int64_t capacity() const { return capacity_; }
  int64_t held() const;

  // The budget of the process (kProcessDecodeBytes), which every thread
  // pool that decodes pictures shares: memory is a resource of the whole
  // process, so the decoders of the list, the cache commands and the
  // command-line tool all count against the same total.
  static DecodeMemoryBudget& Process();

 private:
  void Give(int64_t bytes);

  const int64_t capacity_;
  mutable std::mutex mutex_;
  std::condition_variable freed_;
  int64_t held_ = 0;         // guarded by mutex_
  uint64_t nextTicket_ = 0;  // guarded by mutex_: the next waiter's place
  uint64_t serving_ = 0;     // guarded by mutex_: the place served next
};

using DecodeReservation = DecodeMemoryBudget::Reservation;

}  // namespace lumidex
