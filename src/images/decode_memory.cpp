#include "images/decode_memory.h"

#include <algorithm>
#include <utility>

namespace lumidex {

int64_t BitmapBytes(int64_t width, int64_t height) {
  if (width < 1 || height < 1) return 0;
  // Sides come from 16- and 32-bit header fields; their product stays far
  // below the range of int64_t.
  return width * height * 4;
}

DecodeMemoryBudget::Reservation::Reservation(Reservation&& other) noexcept
    : budget_(std::exchange(other.budget_, nullptr)), bytes_(std::exchange(other.bytes_, 0)) {}

DecodeMemoryBudget::Reservation& DecodeMemoryBudget::Reservation::operator=(
    Reservation&& other) noexcept {
  if (this != &other) {
    Release();
    budget_ = std::exchange(other.budget_, nullptr);
    bytes_ = std::exchange(other.bytes_, 0);
  }
  return *this;
}

DecodeMemoryBudget::Reservation::~Reservation() { Release(); }

void DecodeMemoryBudget::Reservation::Release() {
  if (budget_ != nullptr) budget_->Give(bytes_);
  budget_ = nullptr;
  bytes_ = 0;
}

DecodeReservation DecodeMemoryBudget::Reserve(int64_t bytes) {
  bytes = std::max<int64_t>(bytes, 0);
  if (bytes > capacity_) return {};
  std::unique_lock<std::mutex> lock(mutex_);
  const uint64_t ticket = nextTicket_++;
  freed_.wait(lock, [&] { return ticket == serving_ && held_ + bytes <= capacity_; });
  held_ += bytes;
  ++serving_;
  // The next in line may fit as well.
  freed_.notify_all();
  return Reservation(this, bytes);
}

DecodeReservation DecodeMemoryBudget::TryReserve(int64_t bytes) {
  bytes = std::max<int64_t>(bytes, 0);
  std::lock_guard<std::mutex> lock(mutex_);
  if (nextTicket_ != serving_ || held_ + bytes > capacity_) return {};
  held_ += bytes;
  return Reservation(this, bytes);
}

int64_t DecodeMemoryBudget::held() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return held_;
}

void DecodeMemoryBudget::Give(int64_t bytes) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    held_ -= bytes;
  }
  freed_.notify_all();
}

DecodeMemoryBudget& DecodeMemoryBudget::Process() {
  static DecodeMemoryBudget budget(kProcessDecodeBytes);
  return budget;
}

}  // namespace lumidex
