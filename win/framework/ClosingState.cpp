#include "framework/ClosingState.h"

#include "framework/Dialog.h"

namespace quillet::win {

bool ClosingState::Begin() {
  closing_ = true;
  EndMenu();
  return Dialog::EndAllModal(IDNO);
}

}  // namespace quillet::win
