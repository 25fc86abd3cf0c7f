#pragma once
// Sprite: the renderer. It owns the 2D and 3D pattern tables (textures cut from images,
// display lists compiled from OBJ models) and the two sprite lists of the current frame,
// paces the game loop and draws each frame with OpenGL 1.1 (and a framebuffer object where
// the driver offers one: ScreenTarget). The frame cycle is a FramePacer, the two sprite
// lists and their lock SpriteLists. Its code is in four files: Sprite.cpp (set-up, the
// sprite store and the frame cycle), SpriteTextures.cpp, SpriteModels.cpp and
// SpriteDrawing.cpp (drawFrame).
//
// Units: 2D sprites and addSprite3DAt take design pixels of the GameInfo design size
// (origin top left, y downward); addSprite3D takes world units (the plane z = 0 spans -1 to
// +1 vertically, seen from the eye at (0, 0, 3.73205) with a 30-degree field of view).
// Angles given to sprites are degrees. Times are milliseconds of timeGetTime, 32-bit and
// wrapping.
//
// Threads: init, the loaders, the placements and the frame operations run on the loop
// thread; drawFrame runs on the window thread inside the paint handler, with the context
// made current there (RenderContext). Tables and lists are sized once in init; placing a
// sprite allocates nothing. The sprite lists and the pattern entries are guarded by one
// lock that each placement holds for its few stores and drawFrame holds while it reads, so
// a paint the system starts by itself draws the lists as they stand between two placements
// and never races with them; endFrame holds no lock while its own paint runs.
//
// Every operation that issues GL calls (init, the loaders) makes the context current for
// the length of its work and releases it on every path. A context that cannot be made
// current raises Error "Failed wglMakeCurrent".
//
// Diagnostics on standard output: "glGenLists faild\n" (init), "failed glGenLists\n"
// (loadModel), "can not load texture png (%s)\n" (loaders).

#include "assets/Object3D.h"
#include "base/Array.h"
#include "gameinfo/GameInfo.h"
#include "render/FramePacer.h"
#include "render/HiddenSides.h"
#include "render/ScreenTarget.h"
#include "render/SpriteLists.h"

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

// One 2D pattern: its pixels (RGBA bytes in memory, top row first) and its texture. The
// texture is named at load and gets its mipmapped image from the pixels when a frame first
// draws the pattern: a font sheet holds 256 glyphs, and a status line shows a dozen.
struct PCG2D {
    Array<uint32_t> pixels;
    int32_t width = 0;
    int32_t height = 0;
    uint32_t texture = 0;  // 0 while not loaded
    bool textureFilled = false;
};

// One 3D pattern: the display list that draws the model (0 while not loaded). The list calls
// three lists per material, from parts on: its state (colour, texture), its triangles, and
// what undoes the state; so a frame of opaque instances of one model can set each material's
// state once and draw every instance's triangles under it (parts 0: no such lists).
struct PCG3D {
    uint32_t list = 0;
    uint32_t parts = 0;  // three lists a material: its state, its triangles, its release
    int32_t partCount = 0;
    // For a block model whose blocks can touch (MeshSides): MeshSides::kPieces lists a
    // material, its triangles on each side of the model and those off the sides, and for each
    // material which of those lists hold any.
    uint32_t pieces = 0;
    double halfSize = 0;
    std::vector<uint8_t> filledPieces;
};

class Sprite {
public:
    Sprite();
    virtual ~Sprite() = default;
    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;

    // Sizes the tables and lists, sets up GL (depth test, unpack alignment 1, the screen
    // texture, pcg3DCount display lists). Once only: a second call raises Error
    // "Class Sprite.init() multi calling"; a negative count or a null info raises Error.
    // Returns 0.
    virtual int32_t init(int32_t pcg2DCount, int32_t sprite2DCapacity, int32_t pcg3DCount,
                         int32_t sprite3DCapacity, GameInfo* info);
    // Frame start: time stamp, space-key pause, and unless paused both lists emptied.
    // Returns the paused flag (0 or 1).
    virtual int32_t beginFrame();
    // Frame end: synchronous repaint of the window, then sleep to the next multiple of
    // frameInterval ms after the frame's start. Returns 0.
    virtual int32_t endFrame();
    virtual void clearSprites();
    // While space is held, waits for its release and then toggles the pause; a close of
    // the window (GameInfo::stopping) ends the wait and leaves the pause as it was. Returns
    // the paused flag.
    virtual int32_t pollPause();
    // Placements: the new sprite's index, or -1 (nothing stored) for a negative pcg or a
    // full list. pcg is checked against its table only when drawn.
    virtual int32_t addSprite2D(int32_t pcg, int32_t x, int32_t y);
    virtual int32_t addSprite2D(int32_t pcg, int32_t x, int32_t y, double angle, int32_t alpha, double scale);
    virtual int32_t addSprite2D(int32_t pcg, int32_t x, int32_t y, double angle, int32_t alpha,
                                BLEND_TYPE blend, double scaleX, double scaleY);
    // Design pixels: the screen centre is the origin, y grows downward, a positive z moves
    // away from the viewer, the design height is the unit of all three axes.
    virtual int32_t addSprite3DAt(int32_t pcg, double x, double y, double z);
    virtual int32_t addSprite3DAt(int32_t pcg, double x, double y, double z, double axisX, double axisY,
                                  double axisZ, double angle, double scaleX, double scaleY, double scaleZ,
                                  BLEND_TYPE blend);
    // World units, stored unchanged.
    virtual int32_t addSprite3D(int32_t pcg, double x, double y, double z);
    virtual int32_t addSprite3D(int32_t pcg, double x, double y, double z, double axisX, double axisY,
                                double axisZ, double angle, double scaleX, double scaleY, double scaleZ,
                                BLEND_TYPE blend);
    // The whole image as 2D pattern pcg. 0, or -1 for a bad pcg or an image that does not open.
    virtual int32_t loadPattern(const std::string& fileName, int32_t pcg);
    // The image cut into cellWidth x cellHeight cells (at most maxColumns x maxRows, partial
    // cells ignored), row by row from the top left, into patterns firstPcg on. 0, or -1 for
    // a bad firstPcg, a cell size below 1 or an image that does not open. A cell that would
    // fall beyond the pattern table raises IndexError (the caller's maxima prevent it).
    virtual int32_t loadPatternSheet(const std::string& fileName, int32_t firstPcg, int32_t cellWidth,
                                     int32_t cellHeight, int32_t maxColumns, int32_t maxRows);
    // Reads an OBJ model (OBJ3D) and compiles it into the display list of 3D pattern pcg.
    // 0, or -1 for a bad pcg or a material texture that does not load. Errors of the reader
    // (missing file, bad numbers) propagate.
    virtual int32_t loadModel(const std::string& fileName, int32_t pcg);
    // Draws the current lists into the context current on the calling thread. Returns 0;
    // before init, or with an empty client area (minimised window), draws nothing.
    virtual int32_t drawFrame(int32_t clientWidth, int32_t clientHeight);
    virtual int32_t sprite2DCount();
    virtual int32_t sprite3DCount();
    // 256000 / the time of the last measured window (255 frames of every 256); 0 before the first.
    virtual int32_t fps();
    // Milliseconds from init to the end of the last frame.
    virtual int32_t elapsedTime();
    // The texture of material m of the mesh being loaded (context already current). 0 on
    // success or when the material names no texture, 2 when its image does not open.
    virtual int32_t createMaterialTexture(int32_t m);
    // The GL commands of material m of the mesh being compiled: its diffuse colour and
    // triangles. Returns 0. Corners whose data is missing or outside the mesh's arrays are
    // drawn without it: a triangle lacking a position is left out, a corner lacking a
    // normal takes the triangle's face normal, one lacking a texture coordinate takes (0, 0).
    virtual int32_t drawMaterialFaces(int32_t m);

    // Compiles an already read mesh into 3D pattern pcg: the work of loadModel after
    // reading. fileName names the model in messages. With the same results as loadModel.
    int32_t compileModel(Object3D& mesh, const std::string& fileName, int32_t pcg);

    // Set last by init; read by drawFrame on the window thread.
    std::atomic<int32_t> initialized = 0;
    GameInfo* info = nullptr;
    Array<PCG2D> pcg2D;
    Array<PCG3D> pcg3D;
    uint32_t listBase = 0;
    SpriteLists lists;
    uint32_t screenTexture = 0;  // screen.texture(): after a frame with a background, its 3D picture
    double eyeX = 0, eyeY = 0, eyeZ = 3.73205;
    double centerX = 0, centerY = 0, centerZ = 0;
    double upX = 0, upY = 1, upZ = 0;
    double fovY = 30;
    double nearPlane = 0.3;
    double farPlane = 200;
    float lightAmbient[4] = {0.5f, 0.5f, 0.5f, 1.0f};
    float lightPosition[4] = {1.0f, 1.0f, 4.5f, 1.0f};
    float materialColor[32] = {};

private:
    FramePacer pacer;
    // What loadModel is compiling, for createMaterialTexture and drawMaterialFaces.
    Object3D* loadingMesh = nullptr;
    std::string loadingFile;
    ScreenTarget screen;
    // Sprite positions nearest to the eye first (drawing material by material).
    std::vector<int32_t> nearestFirst;
    HiddenSides hiddenSides;

    // The screen texture drawn back, in the current colour, as the background of the 2D pass.
    void drawBackground(int32_t clientWidth, int32_t clientHeight);
    void drawSprites3D();
    // All 3D sprites opaque and of one model with parts: material by material.
    bool drawSprites3DByMaterial();
    // The three steps of drawMaterialFaces, for the lists of a material's parts.
    void setMaterialState(int32_t m);
    // Those of the material's triangles in one piece (MeshSides: a side, or kNoSide) of a
    // model of that half size, or all of them for kAllPieces; how many were drawn.
    static constexpr int kAllPieces = -1;
    int32_t drawMaterialTriangles(int32_t m, int piece = kAllPieces, double halfSize = 0);
    void releaseMaterialState(int32_t m);
    // Compiles the parts of the mesh being loaded and the list that calls them; false when no
    // list names were left for the parts.
    bool compileParts(PCG3D& pattern, uint32_t list);
    // The pieces of the mesh being loaded, when its blocks can touch.
    void compilePieces(PCG3D& pattern);
    void drawSprites2D();
    bool isInitialized() const { return initialized.load() == 1; }
    // Decodes fileName whole; false (message printed) when it does not open.
    static bool readImage(const std::string& fileName, int32_t& width, int32_t& height, Array<uint32_t>& pixels);
    // Gives the texture of a 2D pattern its parameters and mipmapped image from the pixels,
    // bound (context current).
    static void fillPatternTexture(PCG2D& pattern);
    // Names the patterns' textures (the context made current once for all) and moves the
    // patterns into the 2D patterns from firstPcg on.
    void storePatterns(int32_t firstPcg, std::vector<PCG2D>& patterns);
};
