#pragma once
#include <optional>
#include <string>
#include <utility>

namespace platform {

// Why an operation failed, in words a user can read (Chinese, or the system's own message).
struct Failure {
    std::string reason;
};

// The value of an operation that can fail, or the reason it failed. The one shape for
// operations whose failure a user should read about (process start, file write, HTTP, sign-in).
template <class T = void>
class [[nodiscard]] Result {
  public:
    Result(T value) : value_(std::move(value)) {}
    Result(Failure failure) : reason_(std::move(failure.reason)) {}

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return *value_; }
    T& value() & { return *value_; }
    T&& value() && { return std::move(*value_); }
    const T* operator->() const { return &*value_; }
    // Empty when ok.
    const std::string& reason() const { return reason_; }

  private:
    std::optional<T> value_;
    std::string reason_;
};

template <>
class [[nodiscard]] Result<void> {
  public:
    Result() = default;
    Result(Failure failure) : ok_(false), reason_(std::move(failure.reason)) {}

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    const std::string& reason() const { return reason_; }

  private:
    bool ok_ = true;
    std::string reason_;
};

}  // namespace platform
