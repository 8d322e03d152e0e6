#pragma once

namespace quillet {

// The program's pictures and measures are drawn for a screen of 96 dots per inch.
constexpr int kBaseDpi = 96;

// `pixels` at 96 DPI on a screen of `dpi`, rounded to the nearest pixel (halves away from zero).
constexpr int AtDpi(int pixels, int dpi) {
  const long long scaled = static_cast<long long>(pixels) * dpi;
  return static_cast<int>((scaled >= 0 ? scaled + kBaseDpi / 2 : scaled - kBaseDpi / 2) / kBaseDpi);
}

// A DPI the program can draw at: a missing or absurd one (below 48, above 1536) is taken as 96.
constexpr int SaneDpi(int dpi) { return dpi >= kBaseDpi / 2 && dpi <= 16 * kBaseDpi ? dpi : kBaseDpi; }

}  // namespace quillet
