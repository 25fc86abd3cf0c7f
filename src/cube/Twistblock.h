#pragma once
// Twistblock: the state of one N x N x N twisty cube. Cell (x, y, z), each 0..N-1, grows
// along +X, +Y, +Z of the model frame; every block keeps its home cell and its
// orientation relative to its home pose. Turns move whole records between cells and
// multiply the same rotation onto their orientations, so for every block the home
// offset from the cube centre, rotated by `rot`, is the offset of its current cell.

#include "base/Array.h"
#include "math/Quaternion.h"
#include "math/Vec3D.h"

struct Block {
    int32_t x = 0;  // home cell
    int32_t y = 0;
    int32_t z = 0;
    Quaternion rot;  // orientation relative to the home pose
};

// One block's pose in a frame: its centre in model coordinates (cube centred at the
// origin; pos.w stays NaN) and its orientation.
struct Anim {
    vec3D pos;
    Quaternion rot;
};

class Twistblock {
public:
    Twistblock() = default;
    virtual ~Twistblock() = default;

    // Builds a solved n x n x n cube. -1 (and the previous cube kept) when n < 2.
    virtual int init(int n);
    // The orientation of the block in cell (x, y, z); a cell outside the cube raises IndexError.
    virtual Quaternion getRotation(int x, int y, int z);
    // axis 0, 1, 2 turns about X, Y, Z; -1 for any other axis or a layer outside 0..N-1.
    virtual int rotate(int axis, int layer, int dir);
    // Turn layer x = layer (y, z) by dir quarter turns: dir is taken modulo 4 with its
    // sign, and 0 or negative turns nothing. X and Z turn by -dir·π/2, Y by +dir·π/2.
    virtual int rotateX(int layer, int dir);
    virtual int rotateY(int layer, int dir);
    virtual int rotateZ(int layer, int dir);
    virtual int getSize();
    // The poses of the surface blocks, z outer, then y, then x, with the blocks of the
    // turning layer caught at fraction t (0..1) of the pending turn; pitch is the
    // distance between neighbouring block centres. The cube itself is not changed.
    virtual Array<Anim> getAnim(int axis, int layer, int dir, double pitch, double t);

protected:
    Array<Array<Block>> blocks;  // N layers by z, each N·N records indexed y·N + x
    Array<Block> buffer;         // one layer's records during a turn
    int32_t size = 0;

private:
    enum class Axis { X, Y, Z };
    int turnLayer(Axis axis, int layer, int dir);
};
