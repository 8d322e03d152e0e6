#pragma once

#include <memory>

#include "ports/Clock.h"

// The clock of the system the tool runs on.
std::unique_ptr<quillet::Clock> MakeHostClock();
