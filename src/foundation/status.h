#pragma once

#include <cassert>
#include <optional>
#include <string>
#include <utility>

namespace lumidex {

// The outcome of an operation that can fail on ordinary input. Success carries
// no message; a failure carries the text the product shows to the user.
// Copyable value type; not thread-safe to share mutable instances.
class [[nodiscard]] Status {
 public:
  enum class Code { kOk, kNotFound, kError, kAborted };

  Status() = default;
  static Status Ok() { return Status(); }
  static Status NotFound(std::string message) {
    return Status(Code::kNotFound, std::move(message));
  }
  static Status Error(std::string message) { return Status(Code::kError, std::move(message)); }
  // The user stopped the operation; nothing to show them about it.
  static Status Aborted() { return Status(Code::kAborted, std::string()); }

  bool ok() const { return code_ == Code::kOk; }
  bool isNotFound() const { return code_ == Code::kNotFound; }
  bool isAborted() const { return code_ == Code::kAborted; }
  Code code() const { return code_; }
  const std::string& message() const { return message_; }

 private:
  Status(Code code, std::string message) : code_(code), message_(std::move(message)) {}

  Code code_ = Code::kOk;
  std::string message_;
};

// A value or the Status that explains why there is none.
// REQUIRES: value() only when ok().
template <typename T>
class [[nodiscard]] Result {
 public:
  Result(T value) : value_(std::move(value)) {}  // NOLINT: implicit by design
  Result(Status status) : status_(std::move(status)) { assert(!status_.ok()); }  // NOLINT

  bool ok() const { return value_.has_value(); }
  const Status& status() const { return status_; }
  T& value() & {
    assert(ok());
    return *value_;
  }
  const T& value() const& {
    assert(ok());
    return *value_;
  }
  T&& value() && {
    assert(ok());
    return std::move(*value_);
  }

 private:
  std::optional<T> value_;
  Status status_;
};

}  // namespace lumidex
