#pragma once
// One value of the unit's state as the link keeps it: everyone reads it under its own name
// (`link.BackupByteCount`, `link.BackupImage[cell::kFullSpeed]`), only the link writes it. A
// feature that wants it changed asks the link by a named operation (beginDownload, restartImage,
// ...).

#include <cstddef>
#include <iterator>
#include <type_traits>
#include <utility>

namespace norva {

class Link;
class LinkWait;
namespace testing {
struct UnitStateAccess;  // the tests' fixtures, which set up states a unit would bring
}

template <typename T>
class UnitValue {
  public:
    UnitValue() = default;
    explicit UnitValue(T value) : value_(std::move(value)) {}
    UnitValue(const UnitValue&) = delete;
    UnitValue& operator=(const UnitValue&) = delete;

    operator const T&() const { return value_; }
    const T& get() const { return value_; }
    const T* operator->() const { return &value_; }
    // Cells of the image, bytes of the text or of the run log.
    decltype(auto) operator[](std::size_t i) const requires requires(const T& t) { t[i]; }
    { return value_[i]; }
    auto begin() const requires requires(const T& t) { std::begin(t); }
    { return std::begin(value_); }
    auto end() const requires requires(const T& t) { std::end(t); }
    { return std::end(value_); }
    auto size() const requires requires(const T& t) { std::size(t); }
    { return std::size(value_); }
    // A text or a container compares as itself (numbers do so through their conversion).
    friend bool operator==(const UnitValue& a, const T& b) requires std::is_class_v<T> {
        return a.value_ == b;
    }

  private:
    friend class Link;
    friend class LinkWait;
    friend struct testing::UnitStateAccess;
    UnitValue& operator=(T value) {
        value_ = std::move(value);
        return *this;
    }
    T& mut() { return value_; }

    T value_{};
};

}  // namespace norva
