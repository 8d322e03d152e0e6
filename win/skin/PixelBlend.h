#pragma once

#include <cstdint>

namespace quillet::win {

// How a row of 32-bit pixels stores its colour: straight (ARGB) or multiplied by alpha (PARGB).
enum class AlphaForm { Straight, Premultiplied };

// `count` source pixels drawn source-over onto `destination`. An opaque source, or one over a fully
// transparent straight destination, is copied exactly.
void BlendRowOver(const std::uint32_t* source, AlphaForm sourceForm, std::uint32_t* destination,
                  AlphaForm destinationForm, int count);

}  // namespace quillet::win
