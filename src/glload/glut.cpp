#include "glload/glut.h"

#include "base/Trace.h"

#include <iterator>

namespace glut {

#define GLUT_DEFINE_GROUP(code, version)
#define GLUT_DEFINE_ENTRY(result, name, params) result(APIENTRY* name) params = nullptr;
GL_ENTRY_POINTS(GLUT_DEFINE_GROUP, GLUT_DEFINE_ENTRY)
#undef GLUT_DEFINE_GROUP
#undef GLUT_DEFINE_ENTRY

namespace {

ProcAddressQuery procAddressQuery = wglGetProcAddress;

// One row per group header or entry point, in list order.
struct Row {
    int32_t groupCode;      // a group header when non-zero
    const char* text;       // the group's version, or the entry point's name
    void (**slot)();        // the entry point's variable
};

template <typename Function>
void (**slotOf(Function*& variable))() {
    return reinterpret_cast<void (**)()>(&variable);
}

#define GLUT_ROW_GROUP(code, version) Row{code, version, nullptr},
#define GLUT_ROW_ENTRY(result, name, params) Row{0, #name, slotOf(name)},
const Row rows[] = {GL_ENTRY_POINTS(GLUT_ROW_GROUP, GLUT_ROW_ENTRY)};
#undef GLUT_ROW_GROUP
#undef GLUT_ROW_ENTRY

}  // namespace

void setProcAddressQuery(ProcAddressQuery query) { procAddressQuery = query ? query : wglGetProcAddress; }

PROC queryProcAddress(LPCSTR name) { return procAddressQuery(name); }

int32_t loadGLEntryPoints() {
    int32_t version = kNoVersion;
    const Row* row = std::begin(rows);
    while (row != std::end(rows)) {
        const Row& group = *row++;
        bool complete = true;
        for (; row != std::end(rows) && row->groupCode == 0; ++row) {
            if (!complete) continue;  // the group stopped at its first missing entry point
            const PROC address = procAddressQuery(row->text);
            *row->slot = reinterpret_cast<void (*)()>(address);
            complete = address != nullptr;
        }
        if (complete) {
            version = group.groupCode;
            writek("accept GL_VERSION %s\n", group.text);
        } else {
            writek("not accept GL_VERSION %s\n", group.text);
        }
    }
    return version;
}

}  // namespace glut
