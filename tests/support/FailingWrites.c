/* A disk that fills up, for the write tests: preloaded (LD_PRELOAD) into a program,
 * it lets KESTROVA_FAIL_AFTER bytes reach regular files and then fails every further
 * write, sync and stream flush with ENOSPC, as a full disk does. With
 * KESTROVA_NO_TMPFILE set it also behaves like FAT, NFSv3 or CIFS: no unnamed
 * temporary files (O_TMPFILE: EOPNOTSUPP), no hard links (EPERM) and no exclusive
 * rename (EINVAL). KESTROVA_STOP_AFTER stops the process once that many bytes are
 * written, for a test to kill it there.
 *
 * Library code writes through stdio, whose own writes stay inside the C library, so
 * the stream functions are replaced too; a stream that hit the limit keeps its
 * error until it is closed. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#ifndef O_TMPFILE
#define O_TMPFILE 020200000
#endif

static long long g_limit = -2; /* -2: not read yet; -1: no limit */
static long long g_written;    /* bytes that reached files */
static int g_noTmpfile = -1;

static long long g_stopAt = -2; /* KESTROVA_STOP_AFTER: stop the process there, once */

/* Stops the process (SIGSTOP) when `before` .. `before + n` crosses the stop mark, so a
 * test can kill it at a moment of its choosing in the middle of a write. */
static void stopAt(long long before, size_t n) {
    if (g_stopAt == -2) {
        const char* s = getenv("KESTROVA_STOP_AFTER");
        g_stopAt = s && *s ? atoll(s) : -1;
    }
    if (g_stopAt >= 0 && before <= g_stopAt && g_stopAt < before + (long long)n) raise(SIGSTOP);
}

static long long limit(void) {
    long long l = __atomic_load_n(&g_limit, __ATOMIC_RELAXED);
    if (l == -2) {
        const char* s = getenv("KESTROVA_FAIL_AFTER");
        l = s && *s ? atoll(s) : -1;
        __atomic_store_n(&g_limit, l, __ATOMIC_RELAXED);
    }
    return l;
}

static int noTmpfile(void) {
    if (g_noTmpfile < 0) {
        const char* s = getenv("KESTROVA_NO_TMPFILE");
        g_noTmpfile = s && *s && strcmp(s, "0") != 0;
    }
    return g_noTmpfile;
}

static int countsFd(int fd) {
    struct stat st;
    return fd > 2 && fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
}

/* How many of `n` bytes may still be written; the rest fail. */
static size_t allowance(size_t n) {
    const long long l = limit();
    const long long before = __atomic_fetch_add(&g_written, (long long)n, __ATOMIC_RELAXED);
    stopAt(before, n);
    if (l < 0) return n;
    if (before >= l) return 0;
    return before + (long long)n <= l ? n : (size_t)(l - before);
}

static int full(void) {
    const long long l = limit();
    return l >= 0 && __atomic_load_n(&g_written, __ATOMIC_RELAXED) > l;
}

#define REAL(ret, name, args)                                                                                          \
    static ret(*real_##name) args;                                                                                     \
    if (!real_##name) *(void**)(&real_##name) = dlsym(RTLD_NEXT, #name)

/* ---- descriptors ---- */

ssize_t write(int fd, const void* buf, size_t n) {
    REAL(ssize_t, write, (int, const void*, size_t));
    if (!countsFd(fd)) return real_write(fd, buf, n);
    const size_t ok = allowance(n);
    if (ok == 0 && n > 0) {
        errno = ENOSPC;
        return -1;
    }
    return real_write(fd, buf, ok);
}

ssize_t pwrite(int fd, const void* buf, size_t n, off_t offset) {
    REAL(ssize_t, pwrite, (int, const void*, size_t, off_t));
    if (!countsFd(fd)) return real_pwrite(fd, buf, n, offset);
    const size_t ok = allowance(n);
    if (ok == 0 && n > 0) {
        errno = ENOSPC;
        return -1;
    }
    return real_pwrite(fd, buf, ok, offset);
}

ssize_t pwrite64(int fd, const void* buf, size_t n, off_t offset) {
    return pwrite(fd, buf, n, offset);
}

ssize_t writev(int fd, const struct iovec* iov, int count) {
    REAL(ssize_t, writev, (int, const struct iovec*, int));
    if (!countsFd(fd)) return real_writev(fd, iov, count);
    ssize_t done = 0;
    for (int i = 0; i < count; ++i) {
        const ssize_t n = write(fd, iov[i].iov_base, iov[i].iov_len);
        if (n < 0) return done > 0 ? done : -1;
        done += n;
        if ((size_t)n < iov[i].iov_len) break;
    }
    return done;
}

ssize_t pwritev(int fd, const struct iovec* iov, int count, off_t offset) {
    ssize_t done = 0;
    for (int i = 0; i < count; ++i) {
        const ssize_t n = pwrite(fd, iov[i].iov_base, iov[i].iov_len, offset + done);
        if (n < 0) return done > 0 ? done : -1;
        done += n;
        if ((size_t)n < iov[i].iov_len) break;
    }
    return done;
}

int fsync(int fd) {
    REAL(int, fsync, (int));
    if (full() && countsFd(fd)) {
        errno = ENOSPC;
        return -1;
    }
    return real_fsync(fd);
}

int fdatasync(int fd) {
    REAL(int, fdatasync, (int));
    if (full() && countsFd(fd)) {
        errno = ENOSPC;
        return -1;
    }
    return real_fdatasync(fd);
}

int posix_fallocate(int fd, off_t offset, off_t len) {
    REAL(int, posix_fallocate, (int, off_t, off_t));
    if (countsFd(fd) && limit() >= 0 && allowance((size_t)len) < (size_t)len) return ENOSPC;
    return real_posix_fallocate(fd, offset, len);
}

/* ---- a file system without unnamed files or links ---- */

int open(const char* path, int flags, ...) {
    REAL(int, open, (const char*, int, ...));
    mode_t mode = 0;
    if (flags & (O_CREAT | O_TMPFILE)) {
        va_list ap;
        va_start(ap, flags);
        mode = (mode_t)va_arg(ap, int);
        va_end(ap);
    }
    if ((flags & O_TMPFILE) == O_TMPFILE && noTmpfile()) {
        errno = EOPNOTSUPP;
        return -1;
    }
    return real_open(path, flags, mode);
}

int open64(const char* path, int flags, ...) {
    mode_t mode = 0;
    if (flags & (O_CREAT | O_TMPFILE)) {
        va_list ap;
        va_start(ap, flags);
        mode = (mode_t)va_arg(ap, int);
        va_end(ap);
    }
    return open(path, flags, mode);
}

int openat(int dirfd, const char* path, int flags, ...) {
    REAL(int, openat, (int, const char*, int, ...));
    mode_t mode = 0;
    if (flags & (O_CREAT | O_TMPFILE)) {
        va_list ap;
        va_start(ap, flags);
        mode = (mode_t)va_arg(ap, int);
        va_end(ap);
    }
    if ((flags & O_TMPFILE) == O_TMPFILE && noTmpfile()) {
        errno = EOPNOTSUPP;
        return -1;
    }
    return real_openat(dirfd, path, flags, mode);
}

int link(const char* from, const char* to) {
    REAL(int, link, (const char*, const char*));
    if (noTmpfile()) {
        errno = EPERM;
        return -1;
    }
    return real_link(from, to);
}

int linkat(int fromDir, const char* from, int toDir, const char* to, int flags) {
    REAL(int, linkat, (int, const char*, int, const char*, int));
    if (noTmpfile()) {
        errno = EPERM;
        return -1;
    }
    return real_linkat(fromDir, from, toDir, to, flags);
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned int flags) {
    REAL(int, renameat2, (int, const char*, int, const char*, unsigned int));
    if (flags != 0 && noTmpfile()) {
        errno = EINVAL;
        return -1;
    }
    return real_renameat2(fromDir, from, toDir, to, flags);
}

/* ---- streams ---- */

enum { kMaxFailed = 256 };
static FILE* g_failed[kMaxFailed];

static int hasFailed(FILE* f) {
    for (int i = 0; i < kMaxFailed; ++i)
        if (__atomic_load_n(&g_failed[i], __ATOMIC_RELAXED) == f) return 1;
    return 0;
}

static void markFailed(FILE* f) {
    if (hasFailed(f)) return;
    for (int i = 0; i < kMaxFailed; ++i) {
        FILE* empty = NULL;
        if (__atomic_compare_exchange_n(&g_failed[i], &empty, f, 0, __ATOMIC_RELAXED, __ATOMIC_RELAXED)) return;
    }
}

static void forget(FILE* f) {
    for (int i = 0; i < kMaxFailed; ++i) {
        FILE* mine = f;
        __atomic_compare_exchange_n(&g_failed[i], &mine, NULL, 0, __ATOMIC_RELAXED, __ATOMIC_RELAXED);
    }
}

size_t fwrite(const void* buf, size_t size, size_t count, FILE* f) {
    REAL(size_t, fwrite, (const void*, size_t, size_t, FILE*));
    if (size == 0 || count == 0 || !countsFd(fileno(f))) return real_fwrite(buf, size, count, f);
    if (hasFailed(f)) {
        errno = ENOSPC;
        return 0;
    }
    const size_t n = size * count;
    const size_t ok = allowance(n);
    const size_t wrote = ok > 0 ? real_fwrite(buf, 1, ok, f) : 0;
    if (ok < n) {
        markFailed(f);
        errno = ENOSPC;
    }
    return wrote / size;
}

int fputs(const char* s, FILE* f) {
    const size_t n = strlen(s);
    return n == 0 || fwrite(s, 1, n, f) == n ? 1 : EOF;
}

int fputc(int c, FILE* f) {
    const unsigned char b = (unsigned char)c;
    return fwrite(&b, 1, 1, f) == 1 ? b : EOF;
}

int putc(int c, FILE* f) {
    return fputc(c, f);
}

int vfprintf(FILE* f, const char* format, va_list ap) {
    char small[512];
    va_list copy;
    va_copy(copy, ap);
    const int n = vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (n < 0) return n;
    char* text = small;
    if ((size_t)n >= sizeof small) {
        text = malloc((size_t)n + 1);
        if (!text) return -1;
        vsnprintf(text, (size_t)n + 1, format, ap);
    }
    const size_t wrote = fwrite(text, 1, (size_t)n, f);
    if (text != small) free(text);
    return wrote == (size_t)n ? n : -1;
}

int fprintf(FILE* f, const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    const int n = vfprintf(f, format, ap);
    va_end(ap);
    return n;
}

int __vfprintf_chk(FILE* f, int flag, const char* format, va_list ap) {
    (void)flag;
    return vfprintf(f, format, ap);
}

int __fprintf_chk(FILE* f, int flag, const char* format, ...) {
    (void)flag;
    va_list ap;
    va_start(ap, format);
    const int n = vfprintf(f, format, ap);
    va_end(ap);
    return n;
}

int ferror(FILE* f) {
    REAL(int, ferror, (FILE*));
    return hasFailed(f) || real_ferror(f);
}

int fflush(FILE* f) {
    REAL(int, fflush, (FILE*));
    const int r = real_fflush(f);
    if (f && hasFailed(f)) {
        errno = ENOSPC;
        return EOF;
    }
    return r;
}

int fclose(FILE* f) {
    REAL(int, fclose, (FILE*));
    const int failed = hasFailed(f);
    forget(f);
    const int r = real_fclose(f);
    if (failed) {
        errno = ENOSPC;
        return EOF;
    }
    return r;
}
