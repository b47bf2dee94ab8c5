// Stands in for a small file system where none can be mounted (a container without the right to):
// loaded with LD_PRELOAD, it lets the files under VELMORA_SMALL_FS_DIR hold VELMORA_SMALL_FS_KB
// kilobytes in all, and a write past that is cut short or fails with ENOSPC, as a full tmpfs does.
#include <charconv>
#include <errno.h>
#include <ftw.h>
#include <limits.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <fcntl.h>

namespace {

off_t used = 0;

int count(const char*, const struct stat* status, int type, struct FTW*) {
    if (type == FTW_F && S_ISREG(status->st_mode)) used += status->st_size;
    return 0;
}

// How many of n bytes written at the file's position fit: n, fewer, or none.
ssize_t room(int fd, size_t n, off_t at) {
    const char* folder = getenv("VELMORA_SMALL_FS_DIR");
    const char* kilobytes = getenv("VELMORA_SMALL_FS_KB");
    char link[64] = "/proc/self/fd/", path[PATH_MAX];
    struct stat status;
    if (!folder || !kilobytes || fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) return ssize_t(n);
    *std::to_chars(link + 14, link + sizeof link - 1, fd).ptr = 0;
    const ssize_t length = readlink(link, path, sizeof path - 1);
    if (length < 0) return ssize_t(n);
    path[length] = 0;
    const size_t prefix = strlen(folder);
    if (strncmp(path, folder, prefix) != 0 || path[prefix] != '/') return ssize_t(n);
    used = 0;
    nftw(folder, count, 16, FTW_PHYS);
    if (at < 0) at = (fcntl(fd, F_GETFL) & O_APPEND) ? status.st_size : lseek(fd, 0, SEEK_CUR);
    const off_t growth = at + off_t(n) > status.st_size ? at + off_t(n) - status.st_size : 0;
    const off_t left = atol(kilobytes) * 1024 - used;
    if (growth <= left) return ssize_t(n);
    return left > 0 ? ssize_t(n) - ssize_t(growth - left) : 0;
}

}  // namespace

extern "C" ssize_t write(int fd, const void* buffer, size_t n) {
    const ssize_t fits = n == 0 ? 0 : room(fd, n, -1);
    if (n > 0 && fits <= 0) {
        errno = ENOSPC;
        return -1;
    }
    return syscall(SYS_write, fd, buffer, size_t(fits));
}

extern "C" ssize_t pwrite64(int fd, const void* buffer, size_t n, off_t at) {
    const ssize_t fits = n == 0 ? 0 : room(fd, n, at);
    if (n > 0 && fits <= 0) {
        errno = ENOSPC;
        return -1;
    }
    return syscall(SYS_pwrite64, fd, buffer, size_t(fits), at);
}

extern "C" ssize_t pwrite(int fd, const void* buffer, size_t n, off_t at) { return pwrite64(fd, buffer, n, at); }
