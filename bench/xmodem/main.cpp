// bench_xmodem: receiving 1 MB by XMODEM (128-byte blocks, checksum) from lrzsz's sx over a
// pair of pseudo-terminals joined by socat, once with our receiver (TXModemUebertragung on
// TQtSeriellerPort) and once with lrzsz's rx as the anchor. Prints both times (best of
// several rounds) and their ratio; the target is at most 1.1.
#include "device/TXModemUebertragung.h"
#include "device/port/TQtSeriellerPort.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int kBytes = 1 << 20;
constexpr int kRunden = 3;

struct TPaar {
    QProcess Socat;
    QString A, B;
    bool Starten(const QString& dir) {
        A = dir + QStringLiteral("/a");
        B = dir + QStringLiteral("/b");
        QFile::remove(A);
        QFile::remove(B);
        Socat.start(QStringLiteral("socat"), {QStringLiteral("pty,raw,echo=0,link=") + A,
                                              QStringLiteral("pty,raw,echo=0,link=") + B});
        for (int i = 0; i < 500; ++i) {
            if (QFileInfo::exists(A) && QFileInfo::exists(B)) {
                return true;
            }
            QThread::msleep(10);
        }
        return false;
    }
    ~TPaar() {
        Socat.terminate();
        Socat.waitForFinished(3000);
    }
};

void SxStarten(QProcess& sx, const QString& seite, const QString& datei) {
    sx.setStandardInputFile(seite);
    sx.setStandardOutputFile(seite);
    sx.start(QStringLiteral("sx"), {QStringLiteral("-q"), datei});
    sx.waitForStarted(5000);
}

// Our receiver; milliseconds, or -1 when the transfer failed.
qint64 Unserer(const QString& dir, const QString& quelle) {
    TPaar paar;
    if (!paar.Starten(dir)) {
        return -1;
    }
    QProcess sx;
    SxStarten(sx, paar.A, quelle);
    TQtSeriellerPort port;
    if (!port.Oeffnen({paar.B, 115200, 8, 1, 0})) {
        return -1;
    }
    TXModemUebertragung t(port);
    t.ZielSetzen(dir, QStringLiteral("unser.ome"));
    int code = -100;
    QEventLoop schleife;
    QObject::connect(&t, &TXModemUebertragung::Fertig, &schleife, [&](int c) {
        code = c;
        schleife.quit();
    });
    QTimer::singleShot(120000, &schleife, &QEventLoop::quit);
    QElapsedTimer uhr;
    uhr.start();
    t.Starten();
    schleife.exec();
    const qint64 ms = uhr.elapsed();
    sx.waitForFinished(10000);
    return code == 0 && QFileInfo(dir + QStringLiteral("/unser.ome")).size() >= kBytes ? ms : -1;
}

// lrzsz's rx, timed from its start to its end.
qint64 Anker(const QString& dir, const QString& quelle) {
    TPaar paar;
    if (!paar.Starten(dir)) {
        return -1;
    }
    QProcess sx;
    SxStarten(sx, paar.A, quelle);
    const QString ziel = dir + QStringLiteral("/rx.ome");
    QFile::remove(ziel);
    QProcess rx;
    rx.setStandardInputFile(paar.B);
    rx.setStandardOutputFile(paar.B);
    rx.setWorkingDirectory(dir); // rx refuses absolute target paths
    QElapsedTimer uhr;
    uhr.start();
    rx.start(QStringLiteral("rx"), {QStringLiteral("-q"), QStringLiteral("rx.ome")});
    rx.waitForFinished(120000);
    const qint64 ms = uhr.elapsed();
    if (!sx.waitForFinished(10000)) {
        sx.kill();
        sx.waitForFinished(3000);
    }
    return rx.exitCode() == 0 && QFileInfo(ziel).size() >= kBytes ? ms : -1;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    for (const char* p : {"sx", "rx", "socat"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(p)).isEmpty()) {
            std::fprintf(stderr, "bench_xmodem: %s missing (lrzsz, socat)\n", p);
            return 1;
        }
    }
    QTemporaryDir dir;
    const QString quelle = dir.filePath(QStringLiteral("quelle.ome"));
    {
        QFile f(quelle);
        f.open(QIODevice::WriteOnly);
        QByteArray daten(kBytes, 0);
        for (int i = 0; i < kBytes; ++i) {
            daten[i] = char((i * 131 + (i >> 9)) & 0xFF);
        }
        f.write(daten);
    }
    qint64 unser = -1, anker = -1;
    for (int r = 0; r < kRunden; ++r) {
        const qint64 a = Anker(dir.path(), quelle);
        const qint64 u = Unserer(dir.path(), quelle);
        if (a < 0 || u < 0) {
            std::fprintf(stderr, "bench_xmodem: transfer failed (ours %lld ms, rx %lld ms)\n",
                         (long long)u, (long long)a);
            return 2;
        }
        anker = anker < 0 ? a : std::min(anker, a);
        unser = unser < 0 ? u : std::min(unser, u);
    }
    const double ratio = double(unser) / double(anker);
    std::printf(
        "xmodem 1 MiB from sx: ours %lld ms, lrzsz rx %lld ms, ratio %.3f (target <= 1.1) %s\n",
        (long long)unser, (long long)anker, ratio, ratio <= 1.1 ? "OK" : "OVER");
    return 0;
}
