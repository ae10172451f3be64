// GDI+, with what it needs of Windows declared before it.
#pragma once

#include <windows.h>
// Left out by WIN32_LEAN_AND_MEAN, but used by GDI+'s image interfaces.
#include <objidl.h>
//
#include <gdiplus.h>

// windows.h maps DrawText to the Windows text function; here it is the drawing surface's own.
#undef DrawText
