#pragma once
// Loud failure for the Win32 entry points the layer does not implement: the program must
// never run on with a silently wrong result.

// Writes "platform: NAME is not implemented" to standard error and aborts.
[[noreturn]] void failUnimplemented(const char* name);
