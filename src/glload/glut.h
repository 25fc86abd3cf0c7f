#pragma once
// glut: the OpenGL 1.2 to 2.1 entry points, resolved at run time from the current context.
// The variables live in namespace glut, apart from the GL headers' own declarations of the
// same names; nothing draws through them, the program draws with GL 1.1.

#include <windows.h>

#include <GL/gl.h>
#include <GL/glext.h>

#include "glload/GlEntryPoints.h"

#include <cstdint>

#ifndef APIENTRY
#define APIENTRY
#endif

namespace glut {

#define GLUT_DECLARE_GROUP(code, version)
#define GLUT_DECLARE_ENTRY(result, name, params) extern result(APIENTRY* name) params;
GL_ENTRY_POINTS(GLUT_DECLARE_GROUP, GLUT_DECLARE_ENTRY)
#undef GLUT_DECLARE_GROUP
#undef GLUT_DECLARE_ENTRY

// Version codes: the newest complete group, or kNoVersion when none is complete.
inline constexpr int32_t kNoVersion = 0x1000;

// Resolves every group in the order 1.2, 1.3, 1.4, 1.5, 2.0, 2.1. Within a group the
// first missing entry point ends the group: the ones after it are not asked for and keep
// their earlier values. Returns the code of the newest complete group (0x1200 .. 0x2100),
// or 0x1000. Needs a current GL context on the calling thread.
int32_t loadGLEntryPoints();

// The query that answers for one name; wglGetProcAddress unless replaced (tests).
using ProcAddressQuery = PROC(WINAPI*)(LPCSTR name);
void setProcAddressQuery(ProcAddressQuery query);
// The address that query gives for name (null when the context has no such entry point).
PROC queryProcAddress(LPCSTR name);

}  // namespace glut
