#include "shell/Arbeitsspeicher.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

namespace {

// A field of a /proc file in kilobytes ("MemAvailable:", "VmSize:"), or -1.
qint64 ProcFeld(const char* datei, const char* feld) {
    // Plain stdio: /proc files report the size 0, which buffered readers take for empty.
    std::FILE* f = std::fopen(datei, "r");
    if (!f) {
        return -1;
    }
    const size_t laenge = std::strlen(feld);
    char zeile[256];
    qint64 wert = -1;
    while (std::fgets(zeile, sizeof zeile, f)) {
        if (std::strncmp(zeile, feld, laenge) == 0) {
            wert = std::strtoll(zeile + laenge, nullptr, 10) * 1024;
            break;
        }
    }
    std::fclose(f);
    return wert;
}

QString Megabyte(qint64 bytes) {
    return QString::number((bytes + (1 << 20) - 1) >> 20);
}

} // namespace

namespace Arbeitsspeicher {

qint64 Verfuegbar() {
    qint64 frei = std::numeric_limits<qint64>::max() / 4;
    const qint64 system = ProcFeld("/proc/meminfo", "MemAvailable:");
    if (system >= 0) {
        frei = system;
    }
#ifdef Q_OS_UNIX
    rlimit grenze{};
    if (getrlimit(RLIMIT_AS, &grenze) == 0 && grenze.rlim_cur != RLIM_INFINITY) {
        const qint64 belegt = ProcFeld("/proc/self/status", "VmSize:");
        if (belegt >= 0) {
            frei = std::min(frei, std::max<qint64>(0, qint64(grenze.rlim_cur) - belegt));
        }
    }
#endif
    return frei;
}

QString Pruefen(qint64 bytes, const QString& wofuer) {
    const qint64 frei = Verfuegbar();
    if (bytes <= frei) {
        return {};
    }
    return QStringLiteral("Zu wenig Arbeitsspeicher: %1 braucht %2 MB, verfügbar sind %3 MB")
        .arg(wofuer, Megabyte(bytes), Megabyte(frei));
}

QString ErschoepftText() {
    return QStringLiteral("Zu wenig Arbeitsspeicher für diesen Vorgang");
}

void GrosseSeitenAnraten(void* anfang, qint64 bytes) {
#if defined(Q_OS_LINUX) && defined(MADV_HUGEPAGE)
    // Only whole large pages inside the block: the advice applies to the pages it covers, and
    // a neighbour's memory at either end is left alone.
    constexpr quintptr kGross = quintptr(2) << 20;
    const quintptr von = (quintptr(anfang) + kGross - 1) & ~(kGross - 1);
    const quintptr bis = (quintptr(anfang) + quintptr(qMax<qint64>(bytes, 0))) & ~(kGross - 1);
    if (anfang != nullptr && bis > von) {
        madvise(reinterpret_cast<void*>(von), size_t(bis - von), MADV_HUGEPAGE);
    }
#else
    Q_UNUSED(anfang);
    Q_UNUSED(bytes);
#endif
}

} // namespace Arbeitsspeicher
