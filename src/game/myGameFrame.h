#pragma once
// myGameFrame: the self-playing puzzle. Its loop thread loads the block model and the font,
// then forever: scrambles a cube of random size 2 to 6 with 100 turns, replays the inverse
// turns one every 20 frames (each animated), shows the solved cube for 320 frames, and
// starts again, under a view tilted by 0.785 rad about (1, 1, 0) that spins 0.1 degree per
// frame about the vertical axis, with the status line "fps=%d tick=%d" at design pixel (8, 8).

#include "base/Array.h"
#include "cube/Twistblock.h"
#include "game/GameFrame.h"
#include "game/PuzzleSchedule.h"
#include "math/Quaternion.h"

#include <cstdint>

// One turn of the solving sequence, in the sense of Twistblock::rotate.
struct History {
    int32_t axis = 0;   // 0 = x, 1 = y, 2 = z
    int32_t layer = 0;  // 0 .. size - 1
    int32_t dir = 0;    // quarter turns, 1 to 3
};

class myGameFrame : public GameFrame {
public:
    static constexpr int kHistoryLength = PuzzleSchedule::kTurns;
    // The data files, relative to the working directory.
    static constexpr const char* kModelFile = "3d_obj/block.obj";
    static constexpr const char* kFontFile = "img_data/font8x16.png";

    // firstTick (a multiple of 20 below PuzzleSchedule::kTickWrap) lets a run start near
    // the tick's wrap.
    myGameFrame(const std::string& caption, const std::string& className, int32_t firstTick = 0);

    // Runs until the window closes.
    int gameLoop() override;
    // Builds a solved cube of random size 2 to maxSize, then fills history from its last
    // record down to the first with random turns, applying each at once and recording its
    // inverse, so that playing history from index 0 solves the cube. Returns 0; raises
    // AssertionError, touching nothing, when maxSize is below 2.
    virtual int scramble(Twistblock& cube, int maxSize, Array<History>& history);

protected:
    // Called on the loop thread at the end of every pass, before the frame is handed over,
    // with the state the frame was drawn from and the cube's size.
    virtual void frameDone(const PuzzleFrame&, int /*cubeSize*/) {}

private:
    int32_t firstTick;
};
