#include "framework/PostedCall.h"

#include <map>

#include "resources/ProgramMessages.h"

namespace quillet::win {

namespace {

struct Pending {
  HWND receiver;
  std::unique_ptr<PostedCall> call;
};

// The calls in flight by number. The message carries the number, never the pointer: any program
// may post any message to our windows, and a number that is not (or no longer) ours finds nothing.
std::map<LPARAM, Pending>& InFlight() {
  static std::map<LPARAM, Pending> calls;
  return calls;
}

std::unique_ptr<PostedCall> Take(LPARAM number) {
  auto found = InFlight().find(number);
  if (found == InFlight().end()) return nullptr;
  std::unique_ptr<PostedCall> call = std::move(found->second.call);
  InFlight().erase(found);
  return call;
}

}  // namespace

bool PostCallMessage(HWND receiver, std::unique_ptr<PostedCall> call) {
  static LPARAM lastNumber = 0;
  if (!receiver) return false;
  const LPARAM number = ++lastNumber;
  InFlight().emplace(number, Pending{receiver, std::move(call)});
  if (!PostMessageW(receiver, kPostedCallMessage, 0, number)) {
    InFlight().erase(number);
    return false;
  }
  return true;
}

void RunPostedCall(const Message& message, WindowBase* window) {
  const std::unique_ptr<PostedCall> call = Take(message.lParam);
  if (call && window) call->RunOn(*window);
}

void DropPostedCalls(HWND window) {
  std::map<LPARAM, Pending>& calls = InFlight();
  for (auto it = calls.begin(); it != calls.end();) {
    it = it->second.receiver == window ? calls.erase(it) : std::next(it);
  }
}

}  // namespace quillet::win
