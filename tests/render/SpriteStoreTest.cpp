// The sprite store: init and its failures, placements, limits and pixel conversions.

#include "RenderFixture.h"

#include "base/Error.h"
#include "render/RenderContext.h"

#include <GL/gl.h>

#include <functional>
#include <thread>

namespace {

using SpriteStoreTest = RenderFixture;

std::string initError(const std::function<void()>& call) {
    try {
        call();
    } catch (const Error& error) {
        return error.what();
    }
    return "";
}

TEST_F(SpriteStoreTest, InitRefusesMisuseWithItsMessageAndKeepsItsState) {
    sprite.addSprite2D(1, 10, 10);
    const uint32_t screen = sprite.screenTexture;
    struct Case {
        const char* name;
        std::function<void()> call;
        const char* message;
    };
    const Case cases[] = {
        {"second call", [&] { sprite.init(512, 8192, 32, 8192, &window.info); }, "Class Sprite.init() multi calling"},
        {"second call, other sizes", [&] { sprite.init(1, 1, 1, 1, &window.info); }, "Class Sprite.init() multi calling"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(initError(c.call), c.message) << c.name;
        EXPECT_EQ(sprite.sprite2DCount(), 1) << c.name;
        EXPECT_EQ(sprite.pcg2D.size(), 512u) << c.name;
        EXPECT_EQ(sprite.screenTexture, screen) << c.name;
    }
}

TEST(SpriteInitTest, BadArgumentsAndAContextThatCannotBeMadeCurrentRaise) {
    GLWindow window;
    GameInfo noContext;
    noContext.hDC = window.info.hDC;
    noContext.width = noContext.height = 512;
    struct Case {
        const char* name;
        int32_t counts[4];
        GameInfo* info;
        const char* message;
    };
    const Case cases[] = {
        {"negative pattern count", {-1, 8, 1, 8}, &window.info, "Class Sprite.init() negative table size"},
        {"negative 2D capacity", {1, -8, 1, 8}, &window.info, "Class Sprite.init() negative table size"},
        {"negative 3D pattern count", {1, 8, -1, 8}, &window.info, "Class Sprite.init() negative table size"},
        {"negative 3D capacity", {1, 8, 1, -8}, &window.info, "Class Sprite.init() negative table size"},
        {"no GameInfo", {1, 8, 1, 8}, nullptr, "Class Sprite.init() without GameInfo"},
        {"no context", {1, 8, 1, 8}, &noContext, "Failed wglMakeCurrent"},
    };
    for (const Case& c : cases) {
        Sprite sprite;
        EXPECT_EQ(initError([&] { sprite.init(c.counts[0], c.counts[1], c.counts[2], c.counts[3], c.info); }),
                  c.message)
            << c.name;
        EXPECT_EQ(sprite.initialized, 0) << c.name;
    }
}

TEST(SpriteInitTest, AContextHeldByAnotherThreadFailsInitAndLeavesTheRendererDrawingNothing) {
    GLWindow window;
    Sprite sprite;
    window.info.sprite = &sprite;
    std::mutex step;
    std::condition_variable changed;
    bool held = false;
    bool release = false;
    // Holds the context the way a foreign user would: current, without the scope's lock.
    std::thread holder([&] {
        wglMakeCurrent(window.info.hDC, window.info.hGLRC);
        std::unique_lock lock(step);
        held = true;
        changed.notify_all();
        changed.wait(lock, [&] { return release; });
        wglMakeCurrent(nullptr, nullptr);
    });
    {
        std::unique_lock lock(step);
        changed.wait(lock, [&] { return held; });
    }
    EXPECT_EQ(initError([&] { sprite.init(4, 4, 4, 4, &window.info); }), "Failed wglMakeCurrent");
    // A loader that cannot take the context says so instead of losing its texture.
    const std::string image = writeTempPng("held.png", 2, 2, std::vector<uint32_t>(4, rgb(1, 1, 1)));
    EXPECT_EQ(initError([&] { sprite.loadPattern(image, 0); }), "Failed wglMakeCurrent");
    EXPECT_EQ(sprite.pcg2D[0].texture, 0u);
    {
        std::lock_guard lock(step);
        release = true;
    }
    changed.notify_all();
    holder.join();
    // Sized and pointed at the record, but not initialised: a paint draws nothing.
    EXPECT_EQ(sprite.pcg2D.size(), 4u);
    EXPECT_EQ(sprite.info, &window.info);
    RenderContext gl(window.info);
    ASSERT_TRUE(gl.current());
    glClearColor(0, 0, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    EXPECT_EQ(sprite.drawFrame(512, 512), 0);
    const Picture picture = window.readBack();
    EXPECT_EQ(picture.at(256, 256), rgb(0, 0, 255));
}

TEST(SpriteInitTest, NoDisplayListsPrintsTheMessageAndStillInitialises) {
    GLWindow window;
    Sprite sprite;
    testing::internal::CaptureStdout();
    EXPECT_EQ(sprite.init(8, 8, 0, 8, &window.info), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "glGenLists faild\n");
    EXPECT_EQ(sprite.initialized, 1);
    EXPECT_EQ(sprite.listBase, 0u);
}

TEST_F(SpriteStoreTest, InitSetsUpTheContextAndReleasesIt) {
    EXPECT_NE(sprite.screenTexture, 0u);
    EXPECT_NE(sprite.listBase, 0u);
    EXPECT_EQ(sprite.fps(), 0);
    // Released: another thread can take the context at once.
    bool taken = false;
    std::thread([&] {
        taken = wglMakeCurrent(window.info.hDC, window.info.hGLRC) != FALSE;
        wglMakeCurrent(nullptr, nullptr);
    }).join();
    EXPECT_TRUE(taken);
    RenderContext gl(window.info);
    ASSERT_TRUE(gl.current());
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 1);
    EXPECT_TRUE(glIsTexture(sprite.screenTexture));
}

TEST_F(SpriteStoreTest, PlacementsFillInOrderUpToTheCapacityAndAllocateNothing) {
    const SP2D* storage2D = sprite.sprites2D.data();
    const SP3D* storage3D = sprite.sprites3D.data();
    for (int32_t i = 0; i < 8192; ++i) ASSERT_EQ(sprite.addSprite2D(i % 7, i, -i), i);
    EXPECT_EQ(sprite.addSprite2D(1, 0, 0), -1);
    EXPECT_EQ(sprite.addSprite2D(1, 0, 0, 45.0, 100, 2.0), -1);
    EXPECT_EQ(sprite.sprite2DCount(), 8192);
    for (int32_t i = 0; i < 8192; ++i) ASSERT_EQ(sprite.addSprite3D(0, i, 0, 0), i);
    EXPECT_EQ(sprite.addSprite3DAt(0, 1, 1, 1), -1);
    EXPECT_EQ(sprite.sprite3DCount(), 8192);
    EXPECT_EQ(sprite.sprites2D.data(), storage2D);
    EXPECT_EQ(sprite.sprites3D.data(), storage3D);
    EXPECT_EQ(sprite.sprites2D[8191].x, 8191);
    EXPECT_EQ(sprite.sprites2D[8191].pcg, 8191 % 7);

    sprite.clearSprites();
    EXPECT_EQ(sprite.sprite2DCount(), 0);
    EXPECT_EQ(sprite.sprite3DCount(), 0);
    EXPECT_EQ(sprite.addSprite2D(3, 1, 2), 0);
    EXPECT_EQ(sprite.addSprite3D(3, 1, 2, 3), 0);
}

TEST_F(SpriteStoreTest, NegativePatternsAreRefusedWhateverTheListHolds) {
    EXPECT_EQ(sprite.addSprite2D(-1, 0, 0), -1);
    EXPECT_EQ(sprite.addSprite2D(-1, 0, 0, 0.0, 255, 1.0), -1);
    EXPECT_EQ(sprite.addSprite2D(-5, 0, 0, 0.0, 255, BLEND_ADD, 1.0, 1.0), -1);
    EXPECT_EQ(sprite.addSprite3D(-1, 0, 0, 0), -1);
    EXPECT_EQ(sprite.addSprite3DAt(-1, 0, 0, 0), -1);
    EXPECT_EQ(sprite.sprite2DCount(), 0);
    EXPECT_EQ(sprite.sprite3DCount(), 0);
    // A pattern beyond the table is taken here and found only when drawn.
    EXPECT_EQ(sprite.addSprite2D(100000, 0, 0), 0);
}

TEST_F(SpriteStoreTest, ShortPlacementsFillTheFieldsTheyDoNotTake) {
    sprite.addSprite2D(5, 10, 20);
    sprite.addSprite2D(6, 11, 21, 30.0, 128, 2.5);
    sprite.addSprite2D(7, 12, 22, 60.0, 64, BLEND_ADD, 1.5, 0.5);
    const SP2D& plain = sprite.sprites2D[0];
    EXPECT_EQ(std::tuple(plain.pcg, plain.x, plain.y, plain.alpha, plain.angle, plain.scaleX, plain.scaleY, plain.blend),
              std::tuple(5, 10, 20, 255, 0.0, 1.0, 1.0, BLEND_NORMAL));
    const SP2D& scaled = sprite.sprites2D[1];
    EXPECT_EQ(std::tuple(scaled.alpha, scaled.angle, scaled.scaleX, scaled.scaleY, scaled.blend),
              std::tuple(128, 30.0, 2.5, 2.5, BLEND_NORMAL));
    const SP2D& full = sprite.sprites2D[2];
    EXPECT_EQ(std::tuple(full.alpha, full.angle, full.scaleX, full.scaleY, full.blend),
              std::tuple(64, 60.0, 1.5, 0.5, BLEND_ADD));

    sprite.addSprite3D(2, 0.5, -0.5, 0.25);
    sprite.addSprite3D(3, 1, 2, 3, 0, 1, 0, 90, 0.1, 0.2, 0.3, BLEND_ADD);
    const SP3D& short3D = sprite.sprites3D[0];
    EXPECT_EQ(std::tuple(short3D.pcg, short3D.blend, short3D.x, short3D.y, short3D.z, short3D.axisX, short3D.axisY,
                         short3D.axisZ, short3D.angle, short3D.scaleX, short3D.scaleY, short3D.scaleZ),
              std::tuple(2, BLEND_NORMAL, 0.5, -0.5, 0.25, 0.0, 0.0, 0.0, 0.0, 1.0, 1.0, 1.0));
    const SP3D& long3D = sprite.sprites3D[1];
    EXPECT_EQ(std::tuple(long3D.axisY, long3D.angle, long3D.scaleX, long3D.scaleZ, long3D.blend),
              std::tuple(1.0, 90.0, 0.1, 0.3, BLEND_ADD));
}

TEST_F(SpriteStoreTest, PixelPlacementsConvertWithTheDesignHeightAsUnit) {
    struct Case {
        int32_t width, height;
        double x, y, z;
        double wx, wy, wz;
    };
    const Case cases[] = {
        {512, 512, 256, 256, 0, 0, 0, 0},         // centre: the origin
        {512, 512, 0, 0, 0, -1, 1, 0},            // top left
        {512, 512, 512, 0, 0, 1, 1, 0},           // top right
        {512, 512, 256, 512, 256, 0, -1, -1},     // bottom centre, away from the viewer
        {511, 512, 255, 256, -128, 0, 0, 0.5},    // odd width: 511 / 2 = 255
        {511, 512, 511, 256, 0, 1, 0, 0},
        {1024, 512, 1024, 0, 0, 2, 1, 0},         // wide design: height is the unit
    };
    for (const Case& c : cases) {
        sprite.clearSprites();
        window.info.width = c.width;
        window.info.height = c.height;
        ASSERT_EQ(sprite.addSprite3DAt(1, c.x, c.y, c.z), 0);
        const SP3D& s = sprite.sprites3D[0];
        EXPECT_DOUBLE_EQ(s.x, c.wx) << c.width << " " << c.x;
        EXPECT_DOUBLE_EQ(s.y, c.wy) << c.height << " " << c.y;
        EXPECT_DOUBLE_EQ(s.z + 0.0, c.wz) << c.z;
        EXPECT_EQ(s.scaleX, 1.0);
    }
    sprite.clearSprites();
    window.info.width = window.info.height = 512;
    sprite.addSprite3DAt(4, 384, 128, 0, 1, 0, 0, 45, 2, 3, 4, BLEND_ADD);
    const SP3D& s = sprite.sprites3D[0];
    EXPECT_EQ(std::tuple(s.pcg, s.x, s.y, s.axisX, s.angle, s.scaleY, s.blend),
              std::tuple(4, 0.5, 0.5, 1.0, 45.0, 3.0, BLEND_ADD));
}

}  // namespace
