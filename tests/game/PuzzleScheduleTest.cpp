#include "game/PuzzleSchedule.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

using Action = PuzzleSchedule::Action;
constexpr int32_t kNearWrap = PuzzleSchedule::kTickWrap - 20;

// Passes 25 to 29 of a run from tick 0 are paused (Space), so from pass 30 on the tick is
// the pass number less 5.
bool pausedAt(int32_t firstTick, int pass) { return firstTick == 0 && pass >= 25 && pass < 30; }

}  // namespace

TEST(PuzzleScheduleTest, TurnsRestsPausesSpinsAndWrapsPassByPass) {
    struct Row {
        int32_t firstTick;
        int pass;
        int32_t tick;    // the status line's tick
        uint32_t turn;
        double fraction;
        Action action;
        double spinDegrees;  // about +y; negative is clockwise seen from above
    };
    const Row rows[] = {
        {0, 0, 0, 0, 0.0, Action::none, 0.0},
        {0, 1, 1, 0, 0.05, Action::none, -0.1},
        {0, 19, 19, 0, 0.95, Action::commitTurn, -1.9},
        {0, 20, 20, 1, 0.0, Action::none, -2.0},
        {0, 25, 25, 1, 0.25, Action::none, -2.5},   // paused: the tick stands, the spin goes on
        {0, 29, 25, 1, 0.25, Action::none, -2.9},
        {0, 30, 25, 1, 0.25, Action::none, -3.0},
        {0, 2004, 1999, 99, 0.95, Action::commitTurn, -200.4},
        {0, 2005, 2000, 99, 0.0, Action::none, -200.5},  // at rest: the last turn, undone
        {0, 2304, 2299, 99, 0.0, Action::none, -230.4},
        {0, 2324, 2319, 99, 0.0, Action::scramble, -232.4},  // 320 frames at rest
        {0, 2325, 2320, 0, 0.0, Action::none, -232.5},
        {0, 3601, 3596, 63, 0.8, Action::none, -0.1},  // one full spin
        {kNearWrap, 19, kNearWrap + 19, 0, 0.95, Action::commitTurn, -1.9},
        {kNearWrap, 20, 0, 1, 0.0, Action::none, -2.0},
        {kNearWrap, 39, 19, 1, 0.95, Action::commitTurn, -3.9},
    };
    for (const Row& row : rows) {
        PuzzleSchedule schedule(row.firstTick);
        Action action = Action::none;
        for (int pass = 0; pass <= row.pass; ++pass) action = schedule.next(pausedAt(row.firstTick, pass));
        const std::string where = "pass " + std::to_string(row.pass) + " from tick " + std::to_string(row.firstTick);
        EXPECT_EQ(schedule.shown().tick, row.tick) << where;
        EXPECT_EQ(schedule.turn(), row.turn) << where;
        EXPECT_DOUBLE_EQ(schedule.fraction(), row.fraction) << where;
        EXPECT_EQ(action, row.action) << where;
        EXPECT_NEAR(schedule.spinRadians(), row.spinDegrees * std::numbers::pi / 180.0, 1e-9) << where;
    }
}
