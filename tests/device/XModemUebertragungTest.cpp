// The XMODEM receive through a real port: against lrzsz's sx, which nobody here wrote, and
// against orvan-sim's faults.
#include "TSimProzess.h"
#include "TSocatPaar.h"
#include "TTestHeim.h"
#include "device/TXModemUebertragung.h"
#include "device/port/TQtSeriellerPort.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QByteArray DateiLesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs the transfer until its finish event, at most `ms`; the finish code, or -100 on a hang.
int EmpfangenBisFertig(TXModemUebertragung& t, int ms) {
    int code = -100;
    QEventLoop schleife;
    QObject::connect(&t, &TXModemUebertragung::Fertig, &schleife, [&](int c) {
        code = c;
        schleife.quit();
    });
    QTimer::singleShot(ms, &schleife, &QEventLoop::quit);
    t.Starten();
    schleife.exec();
    return code;
}

TEST(XModemUebertragung, ReceivesOverAMegabyteFromLrzszSx) {
    if (QStandardPaths::findExecutable(QStringLiteral("sx")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty()) {
        GTEST_SKIP() << "lrzsz sx or socat missing";
    }
    TTestHeim heim;
    const QByteArray gesendet = heim.Messdatei(1'100'000);
    ASSERT_GT(gesendet.size(), 1 << 20);
    const QString quelle = heim.Pfad(QStringLiteral("quelle.ome"));
    heim.Schreiben(quelle, gesendet);

    TSocatPaar paar;
    ASSERT_TRUE(paar.Bereit());
    QProcess sx;
    sx.setStandardInputFile(paar.A());
    sx.setStandardOutputFile(paar.A());
    sx.start(QStringLiteral("sx"), {QStringLiteral("-q"), quelle});
    ASSERT_TRUE(sx.waitForStarted(5000));

    TQtSeriellerPort port;
    ASSERT_TRUE(port.Oeffnen({paar.B(), 115200, 8, 1, 0})) << port.Fehlertext().toStdString();
    TXModemUebertragung t(port);
    t.ZielSetzen(heim.DatenPfad(), QStringLiteral("/anderswo/empfangen.ome"));
    EXPECT_EQ(EmpfangenBisFertig(t, 120000), 0);
    sx.waitForFinished(10000);
    EXPECT_EQ(sx.exitCode(), 0);

    // The received file is the sent one plus the padding of the last block.
    const QByteArray empfangen = DateiLesen(heim.DatenPfad() + QStringLiteral("empfangen.ome"));
    const qsizetype gerundet = (gesendet.size() + 127) / 128 * 128;
    ASSERT_EQ(empfangen.size(), gerundet);
    EXPECT_TRUE(empfangen.startsWith(gesendet));
    EXPECT_EQ(empfangen.mid(gesendet.size()), QByteArray(gerundet - gesendet.size(), 0x1A));
    heim.GleicheMessung(quelle, heim.DatenPfad() + QStringLiteral("empfangen.ome"));
}

// Faults of the simulated instrument during a transfer: each ends the transfer with its
// code, in bounded time, and an existing file of the same name stays as it was.
TEST(XModemUebertragung, FaultsEndTheTransferAndKeepTheOldFile) {
    struct TFall {
        const char* Fehler;
        int Code;
    };
    const TFall faelle[] = {
        {"bad-block", TXModemEmpfaenger::xmOk},
        {"stall", TXModemEmpfaenger::xmZeitueberschritt},
        {"cancel", TXModemEmpfaenger::xmSenderAbbruch},
        {"hangup", TXModemEmpfaenger::xmVerbindung},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Fehler);
        TTestHeim heim;
        const QByteArray messung = heim.Messdatei(5000);
        heim.Schreiben(heim.Pfad(QStringLiteral("sim.ome")), messung);
        const QString ziel = heim.DatenPfad() + QStringLiteral("alt.ome");
        heim.Schreiben(ziel, "old contents");
        TSimProzess sim(heim.Heim(), QStringLiteral("TypA"), heim.Pfad(QStringLiteral("tty")),
                        {QStringLiteral("--data"), heim.Pfad(QStringLiteral("sim.ome")),
                         QStringLiteral("--fault"), QString::fromLatin1(f.Fehler)});
        ASSERT_TRUE(sim.Bereit());
        TQtSeriellerPort port;
        ASSERT_TRUE(port.Oeffnen({sim.Link(), 9600, 8, 1, 0}));
        for (char c : QByteArray("D01")) {
            port.ZeichenSenden(c);
        }
        ASSERT_TRUE(port.WartenAuf("D01", 40, false));
        TXModemUebertragung t(port);
        t.ZeitenSetzen(300, 200);
        t.ZielSetzen(heim.DatenPfad(), QStringLiteral("alt.ome"));
        EXPECT_EQ(EmpfangenBisFertig(t, 20000), f.Code) << sim.Meldungen().toStdString();
        EXPECT_FALSE(t.Laeuft());
        const QByteArray danach = DateiLesen(ziel);
        if (f.Code == 0) {
            EXPECT_TRUE(danach.startsWith(messung));
        } else {
            EXPECT_EQ(danach, QByteArray("old contents"));
        }
        // No temporary file is left lying around.
        // Besides the old file only the kept part of an interrupted transfer (its own test).
        QStringList dateien = QDir(heim.DatenPfad()).entryList(QDir::Files);
        dateien.removeIf([](const QString& n) { return n.contains(u"_unvollstaendig"); });
        EXPECT_EQ(dateien, QStringList{"alt.ome"});
    }
}

} // namespace
