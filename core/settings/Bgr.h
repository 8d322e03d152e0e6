#pragma once

#include <cstdint>

namespace quillet {

// A colour as Windows keeps it and the settings store it: 0x00BBGGRR.
struct Bgr {
  std::uint32_t value = 0;

  static constexpr Bgr FromStored(int stored) { return Bgr{static_cast<std::uint32_t>(stored)}; }
  constexpr int Stored() const { return static_cast<int>(value); }
  constexpr std::uint8_t red() const { return static_cast<std::uint8_t>(value); }
  constexpr std::uint8_t green() const { return static_cast<std::uint8_t>(value >> 8); }
  constexpr std::uint8_t blue() const { return static_cast<std::uint8_t>(value >> 16); }

  friend constexpr bool operator==(Bgr a, Bgr b) { return a.value == b.value; }
  friend constexpr bool operator!=(Bgr a, Bgr b) { return a.value != b.value; }
};

}  // namespace quillet
