#pragma once
// The winmm timer subset this program uses, for builds other than Windows (see windows.h).
// Times are milliseconds since an arbitrary start, 32-bit and wrapping: take differences in
// 32-bit unsigned arithmetic. The harness can switch timeGetTime (and Sleep) to a virtual clock.
//
// Implemented: timeGetTime, timeGetDevCaps (1 ms to 1000000 ms), timeBeginPeriod and
// timeEndPeriod (checked against that range and balanced; the clock is always 1 ms precise).
//
// Missing: timeSetEvent and the multimedia timer callbacks, joysticks, sound (waveOut*,
// PlaySound), MCI.

#include <windows.h>

typedef UINT MMRESULT;

typedef struct timecaps_tag {
    UINT wPeriodMin;
    UINT wPeriodMax;
} TIMECAPS, *PTIMECAPS, *LPTIMECAPS;

#define MMSYSERR_NOERROR 0
#define MMSYSERR_ERROR 1
#define TIMERR_BASE 96
#define TIMERR_NOERROR 0
#define TIMERR_NOCANDO (TIMERR_BASE + 1)
#define TIMERR_STRUCT (TIMERR_BASE + 33)

extern "C" {
DWORD WINAPI timeGetTime(void);
MMRESULT WINAPI timeGetDevCaps(LPTIMECAPS ptc, UINT cbtc);
MMRESULT WINAPI timeBeginPeriod(UINT uPeriod);
MMRESULT WINAPI timeEndPeriod(UINT uPeriod);
}
