#include "game/myGameFrame.h"

#include "base/Error.h"
#include "math/mt19937ar.h"
#include "render/SPformat.h"

#include <numbers>

namespace {

constexpr double kPitch = 0.2;        // distance between block centres
constexpr double kBlockScale = 0.1;   // the model spans -1..1, so blocks touch
constexpr double kTilt = 0.785;       // radians about (1, 1, 0)
constexpr int kLargestSize = 6;       // cubes of 2 to 6 blocks a side

// The renderer's tables: 2D patterns (the font's glyphs among them), 2D sprites a frame,
// 3D patterns (the block model is 0), 3D sprites a frame.
constexpr int32_t kPatterns2D = 512;
constexpr int32_t kSprites2D = 8192;
constexpr int32_t kPatterns3D = 32;
constexpr int32_t kSprites3D = 8192;

// The font sheet: 16 x 16 cells of 8 x 16 pixels in code order, the glyph of code c being
// 2D pattern kFirstGlyph + c.
constexpr int32_t kFirstGlyph = 32;
constexpr int32_t kGlyphWidth = 8;
constexpr int32_t kGlyphHeight = 16;
constexpr int32_t kFontColumns = 16;
constexpr int32_t kFontRows = 16;

}  // namespace

myGameFrame::myGameFrame(const std::string& caption, const std::string& className, int32_t firstTick)
    : GameFrame(caption, className), firstTick(firstTick) {}

int myGameFrame::scramble(Twistblock& cube, int maxSize, Array<History>& history) {
    checkThat(maxSize >= 2, "scramble needs a largest cube size of at least 2");
    cube.init(genrand_int31() % (maxSize - 1) + 2);
    for (std::size_t i = history.size(); i-- > 0;) {
        const int axis = genrand_int31() % 3;
        const int layer = genrand_int31() % cube.getSize();
        const int dir = genrand_int31() % 3 + 1;
        cube.rotate(axis, layer, dir);
        history[i] = History{axis, layer, 4 - dir};
    }
    return 0;
}

int myGameFrame::gameLoop() {
    init_genrand(7777777);
    sprite->init(kPatterns2D, kSprites2D, kPatterns3D, kSprites3D, &gameInfo);
    sprite->loadModel(kModelFile, 0);
    sprite->loadPatternSheet(kFontFile, kFirstGlyph, kGlyphWidth, kGlyphHeight, kFontColumns, kFontRows);
    SPformat text(*sprite, kFirstGlyph, kGlyphWidth, kGlyphHeight);
    Array<History> history(kHistoryLength);
    Twistblock cube;
    scramble(cube, kLargestSize, history);

    Quaternion tilt, base, spin, view;
    tilt.setRotation(kTilt, 1.0, 1.0, 0.0);
    base.setRotation(0.0, 1.0, 0.0, 0.0);
    PuzzleSchedule schedule(firstTick);

    startPresenting();
    while (!stopping()) {
        const bool paused = sprite->beginFrame() != 0;
        const PuzzleSchedule::Action action = schedule.next(paused);
        if (!paused) {
            spin.setRotation(schedule.spinRadians(), 0.0, 1.0, 0.0);
            view.set(tilt);
            view.mul(base);
            view.mul(spin);
            const History& move = history[schedule.turn()];
            Array<Anim> poses = cube.getAnim(move.axis, move.layer, move.dir, kPitch, schedule.fraction());
            const double viewAngle = view.getAngle();
            const vec3D viewAxis = view.getAxis();
            for (Anim& pose : poses) {
                pose.pos.rotate(viewAngle, viewAxis);
                Quaternion q = view;
                q.mul(pose.rot);
                const vec3D axis = q.getAxis();
                const double degrees = q.getAngle() * 360.0 / (2.0 * std::numbers::pi);
                sprite->addSprite3D(0, pose.pos.x, pose.pos.y, pose.pos.z, axis.x, axis.y, axis.z, degrees,
                                    kBlockScale, kBlockScale, kBlockScale, BLEND_NORMAL);
            }
            if (action == PuzzleSchedule::Action::commitTurn)
                cube.rotate(move.axis, move.layer, move.dir);
            else if (action == PuzzleSchedule::Action::scramble)
                scramble(cube, kLargestSize, history);
            text.print(8, 8, "fps=%d tick=%d", sprite->fps(), schedule.shown().tick);
        }
        frameDone(schedule.shown(), cube.getSize());
        sprite->endFrame();
    }
    return 0;
}
