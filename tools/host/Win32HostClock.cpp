#include "HostClock.h"

#include "platform/Win32Clock.h"

std::unique_ptr<quillet::Clock> MakeHostClock() { return std::make_unique<quillet::win::Win32Clock>(); }
