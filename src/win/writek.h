#pragma once
// The tracer lives in base/Trace.h; this name stays for the callers that still use it.
#include "base/Trace.h"
