#pragma once
#include <optional>
#include <string>
#include <utility>

namespace platform {

// Why an operation failed, in words a user can read (Chinese, or the system's own message).
struct Failure {
    std::string reason;
    // What was asked for is not there at all, as opposed to there but unusable; a caller may
    // treat the first as an empty start and must report the second.
    bool missing = false;
};

// The value of an operation that can fail, or the reason it failed. The one shape for
// operations whose failure a user should read about (process start, file write, HTTP, sign-in).
template <class T = void>
class [[nodiscard]] Result {
  public:
    Result(T value) : value_(std::move(value)) {}
    Result(Failure failure) : failure_(std::move(failure)) {}

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return *value_; }
    T& value() & { return *value_; }
    T&& value() && { return std::move(*value_); }
    const T& operator*() const& { return *value_; }
    T value_or(T fallback) const { return value_ ? *value_ : std::move(fallback); }
    const T* operator->() const { return &*value_; }
    // Empty when ok.
    const std::string& reason() const { return failure_.reason; }
    bool missing() const { return failure_.missing; }
    // The failure as it came, to hand on unchanged; meaningful only when not ok.
    const Failure& failure() const { return failure_; }

  private:
    std::optional<T> value_;
    Failure failure_;
};

template <>
class [[nodiscard]] Result<void> {
  public:
    Result() = default;
    Result(Failure failure) : ok_(false), failure_(std::move(failure)) {}

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    const std::string& reason() const { return failure_.reason; }
    bool missing() const { return failure_.missing; }
    const Failure& failure() const { return failure_; }

  private:
    bool ok_ = true;
    Failure failure_;
};

}  // namespace platform
