#pragma once
// PuzzleSchedule: the puzzle controller's timetable, one call per pass of its loop. It says
// which turn of the history a frame shows and how far through it (a turn lasts 20 frames,
// shown at fractions 0, 0.05, ..., 0.95), on which frame the turn is committed (the one
// that showed 0.95), how long the solved cube rests (320 frames) before the next scramble,
// and the spin of the view. All of it counts frames that ran while not paused, except the
// spin, which advances on every pass: after a pause the view goes on from a jumped-ahead
// angle.
//
// The tick, the frame count the status line shows, wraps from 2147483639 to 0: that keeps
// it a positive 32-bit value, and since the wrap is a multiple of 20 frames a turn in
// progress goes on undisturbed, so the puzzle cycles forever.

#include <cstdint>

// What one pass showed, for observers (tests): the phase is replay while step < 100 and
// rest once step = 100; while paused the previous picture stays.
struct PuzzleFrame {
    int32_t tick = 0;        // frames that ran while not paused, wrapped; the value printed
    uint32_t step = 0;       // the History record being played
    int32_t restWait = 0;    // 20-tick periods since the replay ended
    double spinAngle = 0.0;  // degrees, in [0, 360), already advanced for the next pass
    bool paused = false;
};

class PuzzleSchedule {
public:
    // What the frame does after placing its poses.
    enum class Action { none, commitTurn, scramble };

    static constexpr uint32_t kTurns = 100;         // records in the history
    static constexpr int32_t kFramesPerTurn = 20;
    static constexpr int32_t kRestPeriods = 15;     // 16 periods of 20 frames: 320 frames at rest
    static constexpr int32_t kTickWrap = 2147483640;  // the largest multiple of 20 below 2^31

    // A schedule at the start of a replay; firstTick (a multiple of 20 below kTickWrap)
    // lets a test start near the wrap.
    explicit PuzzleSchedule(int32_t firstTick = 0);

    // One pass: advances the spin, and unless paused takes one frame of the replay or the
    // rest. Returns the frame's action: commitTurn commits the turn shown (turn()),
    // scramble starts the next cycle; always none while paused.
    Action next(bool paused);

    // The state the last pass was drawn from (before its own bookkeeping).
    const PuzzleFrame& shown() const { return frame; }
    // The last pass's spin of the view about +y, in radians: 0 first, then 0.1 degree more
    // each pass, negative (clockwise seen from above).
    double spinRadians() const { return spinRadiansNow; }
    // The history record the last pass showed (the last record once the replay is done) and
    // how far through it, 0 to 0.95 (0 at rest).
    uint32_t turn() const;
    double fraction() const;

private:
    PuzzleFrame frame;       // as shown by the last pass
    PuzzleFrame upcoming;    // the state the next pass starts from
    double spinRadiansNow = 0.0;
};
