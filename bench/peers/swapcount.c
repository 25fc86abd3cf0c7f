/* swapcount.c - LD_PRELOAD shim that counts the presented frames of a program (its calls of
 * SDL_GL_SwapWindow, glXSwapBuffers or eglSwapBuffers) and the intervals between them, into a
 * small mmap'd file that an outside script reads at any moment: uint64 count, uint64
 * CLOCK_MONOTONIC ns of the latest swap, double sum of the intervals in ms, double sum of their
 * squares, uint64 CLOCK_MONOTONIC ns of the first swap. Inert without SWAPCOUNT_FILE.
 * The demo reaches GL through SDL, which looks its GL entry points up itself, so a shim on
 * glXSwapBuffers would never be called for it: SDL's own entry is its place. The peer calls
 * glXSwapBuffers or, built for EGL as in Debian 12, eglSwapBuffers, which it links directly.
 * Build: cc -O2 -shared -fPIC -o swapcount.so swapcount.c -ldl
 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdint.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <time.h>
#include <unistd.h>

struct slot {
    uint64_t count;
    uint64_t last_ns;
    double sum_ms;
    double sum_sq_ms;
    uint64_t first_ns;
};

static volatile struct slot *slot;
static int tried;

static void count_swap(void) {
    if (!tried) {
        tried = 1;
        const char *path = getenv("SWAPCOUNT_FILE");
        if (path) {
            int fd = open(path, O_RDWR | O_CREAT, 0644);
            if (fd >= 0 && ftruncate(fd, sizeof(struct slot)) == 0) {
                void *m = mmap(0, sizeof(struct slot), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
                if (m != MAP_FAILED) slot = m;
            }
            if (fd >= 0) close(fd);
        }
    }
    if (!slot) return;
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    uint64_t ns = (uint64_t)now.tv_sec * 1000000000u + (uint64_t)now.tv_nsec;
    if (slot->count == 0) slot->first_ns = ns;
    if (slot->count > 0) {
        double ms = (double)(ns - slot->last_ns) / 1e6;
        slot->sum_ms += ms;
        slot->sum_sq_ms += ms * ms;
    }
    slot->last_ns = ns;
    slot->count++;
}

void SDL_GL_SwapWindow(void *window) {
    static void (*real)(void *);
    if (!real) real = (void (*)(void *))dlsym(RTLD_NEXT, "SDL_GL_SwapWindow");
    real(window);
    count_swap();
}

void glXSwapBuffers(void *display, unsigned long drawable) {
    static void (*real)(void *, unsigned long);
    if (!real) real = (void (*)(void *, unsigned long))dlsym(RTLD_NEXT, "glXSwapBuffers");
    real(display, drawable);
    count_swap();
}

unsigned int eglSwapBuffers(void *display, void *surface) {
    static unsigned int (*real)(void *, void *);
    if (!real) real = (unsigned int (*)(void *, void *))dlsym(RTLD_NEXT, "eglSwapBuffers");
    unsigned int done = real(display, surface);
    count_swap();
    return done;
}
