#pragma once

#include <memory>

#include "framework/Gdi.h"

namespace quillet::win {

// Drawing objects shared by the whole program from start-up to shutdown.
struct SharedDrawing {
  Font tahoma;  // "Tahoma", height 13 at 96 DPI (at the system's), regular: edit times and measuring
  std::unique_ptr<OwnedDc> display;
};

}  // namespace quillet::win
