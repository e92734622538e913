#include "shell/Arbeitsspeicher.h"

#include <QFile>
#include <limits>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace {

// A field of a /proc file in kilobytes ("MemAvailable:", "VmSize:"), or -1.
qint64 ProcFeld(const char* datei, QByteArrayView feld) {
    QFile f(QString::fromLatin1(datei));
    if (!f.open(QIODevice::ReadOnly)) {
        return -1;
    }
    // Not readAll: /proc files report the size 0.
    const QByteArray text = f.read(1 << 16);
    const qsizetype stelle = text.indexOf(feld);
    if (stelle < 0) {
        return -1;
    }
    qsizetype i = stelle + feld.size();
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    qint64 wert = 0;
    bool ziffern = false;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        wert = wert * 10 + (text[i] - '0');
        ziffern = true;
        ++i;
    }
    return ziffern ? wert * 1024 : -1;
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

} // namespace Arbeitsspeicher
