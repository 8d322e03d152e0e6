#include "HostTextCodec.h"

#include "platform/Win32TextCodec.h"

std::unique_ptr<quillet::TextCodec> MakeHostTextCodec() { return std::make_unique<quillet::win::Win32TextCodec>(); }
