/* Loaded into the programs bench/startup-ratio times (LD_PRELOAD): notes when a program has its
 * first frame. Each program opens its screenshot, a .png, for writing right after it has taken
 * its first frame from the screen; at the first such open, the wall-clock time in microseconds
 * is written to the file named by FRAME_CLOCK_OUT. The opens themselves are passed on as they
 * are. Linux (glibc) only, like the script. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/time.h>

static int noted;

static void note(const char* path, int flags) {
    if (noted || !path || !(flags & (O_WRONLY | O_RDWR)))
        return;
    const size_t length = strlen(path);
    if (length < 4 || strcmp(path + length - 4, ".png") != 0)
        return;
    noted = 1;
    struct timeval now;
    gettimeofday(&now, NULL);
    const char* out = getenv("FRAME_CLOCK_OUT");
    FILE* file = out ? fopen(out, "w") : NULL;
    if (file) {
        fprintf(file, "%lld\n", (long long)now.tv_sec * 1000000 + now.tv_usec);
        fclose(file);
    }
}

/* The mode argument is there only when the call may create a file. */
static mode_t modeOf(int flags, va_list arguments) {
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? (mode_t)va_arg(arguments, int)
                                                                 : 0;
}

typedef int (*OpenFunction)(const char*, int, ...);
typedef int (*OpenAtFunction)(int, const char*, int, ...);

static int forwardOpen(const char* name, const char* path, int flags, mode_t mode) {
    note(path, flags);
    OpenFunction real = (OpenFunction)dlsym(RTLD_NEXT, name);
    return real(path, flags, mode);
}

static int forwardOpenAt(const char* name, int dir, const char* path, int flags, mode_t mode) {
    note(path, flags);
    OpenAtFunction real = (OpenAtFunction)dlsym(RTLD_NEXT, name);
    return real(dir, path, flags, mode);
}

#define MODE(flags)                               \
    va_list arguments;                            \
    va_start(arguments, flags);                   \
    const mode_t mode = modeOf(flags, arguments); \
    va_end(arguments)

int open(const char* path, int flags, ...) {
    MODE(flags);
    return forwardOpen("open", path, flags, mode);
}
int open64(const char* path, int flags, ...) {
    MODE(flags);
    return forwardOpen("open64", path, flags, mode);
}
int openat(int dir, const char* path, int flags, ...) {
    MODE(flags);
    return forwardOpenAt("openat", dir, path, flags, mode);
}
int openat64(int dir, const char* path, int flags, ...) {
    MODE(flags);
    return forwardOpenAt("openat64", dir, path, flags, mode);
}
