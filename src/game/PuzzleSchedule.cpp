#include "game/PuzzleSchedule.h"

#include <numbers>

namespace {
constexpr double kSpinStep = 0.1;  // degrees per pass
constexpr double kRadiansPerDegree = 2.0 * std::numbers::pi / 360.0;
}  // namespace

PuzzleSchedule::PuzzleSchedule(int32_t firstTick) {
    upcoming.tick = firstTick;
    frame = upcoming;
}

PuzzleSchedule::Action PuzzleSchedule::next(bool paused) {
    spinRadiansNow = -upcoming.spinAngle * kRadiansPerDegree;
    upcoming.spinAngle += kSpinStep;
    if (upcoming.spinAngle >= 360.0) upcoming.spinAngle -= 360.0;
    upcoming.paused = paused;
    frame = upcoming;
    if (paused) return Action::none;

    Action action = Action::none;
    if (upcoming.tick % kFramesPerTurn == kFramesPerTurn - 1) {
        if (upcoming.step < kTurns) {
            ++upcoming.step;
            action = Action::commitTurn;
        } else if (upcoming.restWait >= kRestPeriods) {
            upcoming.step = 0;
            upcoming.restWait = 0;
            action = Action::scramble;
        } else {
            ++upcoming.restWait;
        }
    }
    upcoming.tick = upcoming.tick == kTickWrap - 1 ? 0 : upcoming.tick + 1;
    return action;
}

uint32_t PuzzleSchedule::turn() const { return frame.step < kTurns ? frame.step : kTurns - 1; }

double PuzzleSchedule::fraction() const {
    if (frame.step == kTurns) return 0.0;
    return (frame.tick % kFramesPerTurn) / static_cast<double>(kFramesPerTurn);
}
