// A fault injector for the write-fault tests, loaded with LD_PRELOAD into orvan-cli: it makes
// one directory behave like a full disk or a read-only file system without mounting anything
// (the tests must not depend on being root).
//
//   ORVAN_FEHLER_PFAD  the directory (absolute, no trailing slash) whose files are affected
//   ORVAN_FEHLER_ART   "voll": writes into files there succeed for ORVAN_FEHLER_FREI bytes in
//                      all (default 0), then fail with ENOSPC, the last one cut short as the
//                      kernel does; "nurlesen": opening a file there for writing, creating,
//                      renaming or removing one fails with EROFS
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

namespace {

const char* Umgebung(const char* name) {
    const char* wert = std::getenv(name);
    return wert && *wert ? wert : nullptr;
}

bool Betroffen(const std::string& pfad) {
    const char* wurzel = Umgebung("ORVAN_FEHLER_PFAD");
    if (!wurzel) {
        return false;
    }
    const size_t n = std::strlen(wurzel);
    return pfad.compare(0, n, wurzel) == 0 && (pfad.size() == n || pfad[n] == '/');
}

bool Art(const char* art) {
    const char* a = Umgebung("ORVAN_FEHLER_ART");
    return a && std::strcmp(a, art) == 0;
}

std::string FdPfad(int fd) {
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char ziel[4096];
    const ssize_t n = readlink(link, ziel, sizeof ziel - 1);
    return n > 0 ? std::string(ziel, size_t(n)) : std::string();
}

std::string Absolut(int dirfd, const char* pfad) {
    if (!pfad) {
        return {};
    }
    if (pfad[0] == '/') {
        return pfad;
    }
    std::string basis;
    if (dirfd == AT_FDCWD) {
        char cwd[4096];
        basis = getcwd(cwd, sizeof cwd) ? cwd : "";
    } else {
        basis = FdPfad(dirfd);
    }
    return basis + '/' + pfad;
}

// Bytes that may still be written to files in the full directory; the rest fails.
long long& Frei() {
    static long long frei = [] {
        const char* f = Umgebung("ORVAN_FEHLER_FREI");
        return f ? std::atoll(f) : 0LL;
    }();
    return frei;
}

// How many of `n` bytes to fd may be written: n when the fd is not affected, -1 (errno set)
// when nothing fits any more.
ssize_t Erlaubt(int fd, size_t n) {
    if (!Art("voll") || !Betroffen(FdPfad(fd))) {
        return ssize_t(n);
    }
    if (Frei() <= 0) {
        errno = ENOSPC;
        return -1;
    }
    const ssize_t erlaubt = ssize_t(std::min<long long>(Frei(), (long long)n));
    Frei() -= erlaubt;
    return erlaubt;
}

bool ZumSchreiben(int flags) {
    return (flags & (O_WRONLY | O_RDWR | O_CREAT | O_TRUNC)) != 0;
}

bool NurLesenVerboten(const std::string& pfad) {
    if (Art("nurlesen") && Betroffen(pfad)) {
        errno = EROFS;
        return true;
    }
    return false;
}

template <typename F> F Echt(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" {

ssize_t write(int fd, const void* puffer, size_t n) {
    static auto echt = Echt<ssize_t (*)(int, const void*, size_t)>("write");
    const ssize_t erlaubt = Erlaubt(fd, n);
    return erlaubt < 0 ? -1 : echt(fd, puffer, size_t(erlaubt));
}

ssize_t pwrite64(int fd, const void* puffer, size_t n, off64_t pos) {
    static auto echt = Echt<ssize_t (*)(int, const void*, size_t, off64_t)>("pwrite64");
    const ssize_t erlaubt = Erlaubt(fd, n);
    return erlaubt < 0 ? -1 : echt(fd, puffer, size_t(erlaubt), pos);
}

ssize_t pwrite(int fd, const void* puffer, size_t n, off_t pos) {
    return pwrite64(fd, puffer, n, pos);
}

ssize_t writev(int fd, const struct iovec* teile, int anzahl) {
    static auto echt = Echt<ssize_t (*)(int, const struct iovec*, int)>("writev");
    size_t summe = 0;
    for (int i = 0; i < anzahl; ++i) {
        summe += teile[i].iov_len;
    }
    const ssize_t erlaubt = Erlaubt(fd, summe);
    if (erlaubt < 0) {
        return -1;
    }
    if (size_t(erlaubt) == summe) {
        return echt(fd, teile, anzahl);
    }
    // Cut short: only the first bytes go, as from a disk that just ran full.
    ssize_t geschrieben = 0;
    for (int i = 0; i < anzahl && geschrieben < erlaubt; ++i) {
        const size_t stueck = std::min<size_t>(teile[i].iov_len, size_t(erlaubt - geschrieben));
        static auto echtWrite = Echt<ssize_t (*)(int, const void*, size_t)>("write");
        const ssize_t n = echtWrite(fd, teile[i].iov_base, stueck);
        if (n <= 0) {
            break;
        }
        geschrieben += n;
    }
    return geschrieben;
}

int openat64(int dirfd, const char* pfad, int flags, ...) {
    static auto echt = Echt<int (*)(int, const char*, int, ...)>("openat64");
    mode_t modus = 0;
    if (flags & (O_CREAT | O_TMPFILE)) {
        va_list a;
        va_start(a, flags);
        modus = mode_t(va_arg(a, int));
        va_end(a);
    }
    if (ZumSchreiben(flags) && NurLesenVerboten(Absolut(dirfd, pfad))) {
        return -1;
    }
    return echt(dirfd, pfad, flags, modus);
}

int openat(int dirfd, const char* pfad, int flags, ...) {
    mode_t modus = 0;
    if (flags & (O_CREAT | O_TMPFILE)) {
        va_list a;
        va_start(a, flags);
        modus = mode_t(va_arg(a, int));
        va_end(a);
    }
    return openat64(dirfd, pfad, flags, modus);
}

int open64(const char* pfad, int flags, ...) {
    mode_t modus = 0;
    if (flags & (O_CREAT | O_TMPFILE)) {
        va_list a;
        va_start(a, flags);
        modus = mode_t(va_arg(a, int));
        va_end(a);
    }
    return openat64(AT_FDCWD, pfad, flags, modus);
}

int open(const char* pfad, int flags, ...) {
    mode_t modus = 0;
    if (flags & (O_CREAT | O_TMPFILE)) {
        va_list a;
        va_start(a, flags);
        modus = mode_t(va_arg(a, int));
        va_end(a);
    }
    return openat64(AT_FDCWD, pfad, flags, modus);
}

int rename(const char* alt, const char* neu) {
    static auto echt = Echt<int (*)(const char*, const char*)>("rename");
    if (NurLesenVerboten(Absolut(AT_FDCWD, alt)) || NurLesenVerboten(Absolut(AT_FDCWD, neu))) {
        return -1;
    }
    return echt(alt, neu);
}

int renameat(int altfd, const char* alt, int neufd, const char* neu) {
    static auto echt = Echt<int (*)(int, const char*, int, const char*)>("renameat");
    if (NurLesenVerboten(Absolut(altfd, alt)) || NurLesenVerboten(Absolut(neufd, neu))) {
        return -1;
    }
    return echt(altfd, alt, neufd, neu);
}

int mkdir(const char* pfad, mode_t modus) {
    static auto echt = Echt<int (*)(const char*, mode_t)>("mkdir");
    struct stat s;
    // As on a read-only file system, a directory that is there is reported as there.
    if (stat(pfad, &s) != 0 && NurLesenVerboten(Absolut(AT_FDCWD, pfad))) {
        return -1;
    }
    return echt(pfad, modus);
}

int unlink(const char* pfad) {
    static auto echt = Echt<int (*)(const char*)>("unlink");
    if (NurLesenVerboten(Absolut(AT_FDCWD, pfad))) {
        return -1;
    }
    return echt(pfad);
}

} // extern "C"
