#pragma once

#include "base/errors.h"

#include <concepts>
#include <cstdint>

namespace zoki {

inline constexpr int kInt16Min = -32768;
inline constexpr int kInt16Max = 32767;

// The program's counters and sizes are 16-bit signed: leaving -32768..32767
// is an overflow error, never a wrap-around.
class Int16 {
public:
    constexpr Int16() = default;
    constexpr Int16(long long v) : value(check(v)) {} // NOLINT(google-explicit-constructor)

    static constexpr std::int16_t check(long long v) {
        if (v < kInt16Min || v > kInt16Max)
            throw OverflowError();
        return static_cast<std::int16_t>(v);
    }

    constexpr operator int() const { return value; } // NOLINT(google-explicit-constructor)

    constexpr Int16& operator+=(long long rhs) { return *this = Int16(value + rhs); }
    constexpr Int16& operator-=(long long rhs) { return *this = Int16(value - rhs); }
    constexpr Int16& operator++() { return *this += 1; }

    friend constexpr Int16 operator+(Int16 a, Int16 b) { return Int16(static_cast<long long>(a.value) + b.value); }
    template <std::integral T> friend constexpr Int16 operator+(Int16 a, T b) {
        return Int16(static_cast<long long>(a.value) + b);
    }
    template <std::integral T> friend constexpr Int16 operator+(T a, Int16 b) {
        return Int16(static_cast<long long>(a) + b.value);
    }
    friend constexpr Int16 operator-(Int16 a, Int16 b) { return Int16(static_cast<long long>(a.value) - b.value); }
    template <std::integral T> friend constexpr Int16 operator-(Int16 a, T b) {
        return Int16(static_cast<long long>(a.value) - b);
    }
    template <std::integral T> friend constexpr Int16 operator-(T a, Int16 b) {
        return Int16(static_cast<long long>(a) - b.value);
    }
    friend constexpr Int16 operator*(Int16 a, Int16 b) { return Int16(static_cast<long long>(a.value) * b.value); }
    template <std::integral T> friend constexpr Int16 operator*(Int16 a, T b) {
        return Int16(static_cast<long long>(a.value) * b);
    }
    template <std::integral T> friend constexpr Int16 operator*(T a, Int16 b) {
        return Int16(static_cast<long long>(a) * b.value);
    }

private:
    std::int16_t value = 0;
};

} // namespace zoki
