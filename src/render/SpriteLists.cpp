#include "render/SpriteLists.h"

void SpriteLists::reset(int32_t capacity2D, int32_t capacity3D) {
    std::lock_guard guard(lock);
    // Capacity reserved, not filled: a slot's memory is touched when a frame first uses
    // it, so the demo's 152 blocks do not keep 8192 slots resident.
    list2D.reset(capacity2D);
    list3D.reset(capacity3D);
}

void SpriteLists::clear() {
    std::lock_guard guard(lock);
    list2D.clear();
    list3D.clear();
}

int32_t SpriteLists::add(const SP2D& sprite) {
    std::lock_guard guard(lock);
    return list2D.add(sprite);
}

int32_t SpriteLists::add(const SP3D& sprite) {
    std::lock_guard guard(lock);
    return list3D.add(sprite);
}

int32_t SpriteLists::count2D() {
    std::lock_guard guard(lock);
    return list2D.size();
}

int32_t SpriteLists::count3D() {
    std::lock_guard guard(lock);
    return list3D.size();
}
