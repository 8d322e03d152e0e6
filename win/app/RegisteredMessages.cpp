#include "app/RegisteredMessages.h"

#include "app/SingleInstance.h"

namespace quillet::win {

RegisteredMessages RegisteredMessages::Register() {
  RegisteredMessages messages;
  messages.broadcast = RegisterWindowMessageA(kBroadcastMessageName);
  messages.taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
  return messages;
}

}  // namespace quillet::win
