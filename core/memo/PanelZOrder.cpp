#include "memo/PanelZOrder.h"

namespace quillet {

ZPlace PlaceForZPosition(ZPosition z, int monitorCount, bool enableDesktop) {
  switch (z) {
    case ZPosition::AlwaysOnTop:
      return ZPlace::Topmost;
    case ZPosition::Desktop:
      return monitorCount == 1 && enableDesktop ? ZPlace::Desktop : ZPlace::Bottom;
    case ZPosition::Bottom:
      return ZPlace::Bottom;
    case ZPosition::Normal:
      break;
  }
  return ZPlace::NotTopmost;
}

}  // namespace quillet
