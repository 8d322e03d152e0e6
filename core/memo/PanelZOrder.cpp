#include "memo/PanelZOrder.h"

namespace quillet {

ZPlace PlaceForZPosition(int z, int monitorCount, bool enableDesktop) {
  switch (z) {
    case kZAlwaysOnTop:
      return ZPlace::Topmost;
    case kZDesktop:
      return monitorCount == 1 && enableDesktop ? ZPlace::Desktop : ZPlace::Bottom;
    case kZBottom:
      return ZPlace::Bottom;
    default:
      return ZPlace::NotTopmost;
  }
}

}  // namespace quillet
