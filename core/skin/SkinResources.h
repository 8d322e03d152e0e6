#pragma once

namespace quillet {

// The pictures the program carries as PNG resources for its built-in skins, with their sizes.
struct SkinResource {
  int id;
  int width;
  int height;
  const char* use;
};

constexpr SkinResource kSkinResources[] = {
    {205, 144, 144, "clock background"},
    {207, 8, 9, "clock knob"},
    {208, 101, 99, "clock gloss"},
    {211, 50, 6, "clock day digits"},
    {212, 70, 6, "clock day names"},
    {239, 156, 93, "no-skin placeholder"},
    {242, 60, 15, "notification close button"},
    {247, 40, 10, "note notification close button"},
    {250, 252, 140, "notification background"},
    {251, 238, 175, "note notification background"},
};

}  // namespace quillet
