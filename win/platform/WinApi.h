#pragma once

// <windows.h> for the Windows layer. The API's A/W selector macros would rename the port
// methods of the same names (CopyFile, DeleteFile, MoveFile, ReplaceFile, DrawText) in any file
// that sees both, so they go; code here names the W functions explicitly anyway.
#include <windows.h>
// PlaySoundW. Here rather than where it is used: its declarations need the `far` undone below.
#include <mmsystem.h>

#undef CopyFile
#undef DeleteFile
#undef MoveFile
#undef ReplaceFile
#undef DrawText
#undef PlaySound
// Sixteen-bit pointer words, empty macros that would swallow ordinary names.
#undef near
#undef far
