// Many read-outs in a row from orvan-sim, each instrument with a fault drawn at random,
// through the same command run the GUI and orvan-cli use. The program must go on after
// every fault, and its memory and open file handles must stay where they were: a leak of a
// port, a file or a buffer per read-out shows as growth over the run.
// ORVAN_SOAK_COUNT sets the number of read-outs (default 1000); ORVAN_SOAK_SEED the seed.
#include "../device/TSimProzess.h"
#include "../device/TTestHeim.h"
#include "device/GeraetBefehl.h"
#include "device/port/TQtSeriellerPort.h"

#include <QDir>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

#include <gtest/gtest.h>

namespace {

qint64 ResidentKB() {
    std::ifstream status("/proc/self/status");
    std::string zeile;
    while (std::getline(status, zeile)) {
        if (zeile.rfind("VmRSS:", 0) == 0) {
            return std::stoll(zeile.substr(6));
        }
    }
    return -1;
}

qsizetype OffeneDateien() {
    return QDir(QStringLiteral("/proc/self/fd"))
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot)
        .size();
}

int Umgebung(const char* name, int vorgabe) {
    const char* wert = std::getenv(name);
    return wert && *wert ? std::atoi(wert) : vorgabe;
}

TEST(Dauerlauf, ReadOutsWithRandomFaultsKeepMemoryAndHandlesFlat) {
    const int anzahl = Umgebung("ORVAN_SOAK_COUNT", 1000);
    const unsigned saat = unsigned(Umgebung("ORVAN_SOAK_SEED", 12));
    // The faults that end within the waiting time; "stall" waits for the transfer's long
    // time-outs and is covered by the device tests.
    const char* const fehler[] = {"", "", "no-echo", "garble", "bad-block", "cancel", "hangup"};
    std::mt19937 zufall(saat);
    std::uniform_int_distribution<int> wahl(0, int(std::size(fehler)) - 1);

    TTestHeim heim(500);
    const QString daten = heim.Pfad(QStringLiteral("m.ome"));
    const QByteArray messung = heim.Messdatei(3000);
    heim.Schreiben(daten, messung);
    SeriellenPortEinrichten(heim.App.Geraete);
    const QString ziel = heim.DatenPfad() + QStringLiteral("Dauerlauf.ome");

    // The first read-outs fill caches and pools; the figures are taken after them.
    const int einlauf = std::min(anzahl / 10, 20);
    qint64 rssStart = 0;
    qsizetype dateienStart = 0;
    int gelungen = 0;
    for (int i = 0; i < anzahl; ++i) {
        if (i == einlauf) {
            rssStart = ResidentKB();
            dateienStart = OffeneDateien();
        }
        const char* f = fehler[wahl(zufall)];
        SCOPED_TRACE(std::to_string(i) + ": fault \"" + f + "\"");
        QStringList argumente{QStringLiteral("--data"), daten};
        if (*f) {
            argumente << QStringLiteral("--fault") << QString::fromLatin1(f);
        }
        TSimProzess sim(heim.Heim(), QStringLiteral("TypA"), heim.Pfad(QStringLiteral("tty")),
                        argumente);
        ASSERT_TRUE(sim.Bereit());
        heim.App.Geraete.PortGeraet = sim.Link();
        const auto gelesen =
            GeraetDatenLesen(heim.App, heim.App.Geraete, heim.App.AktuellesGeraet, ziel);
        const bool erwartet = !*f || std::string(f) == "bad-block";
        ASSERT_EQ(gelesen.has_value(), erwartet) << sim.Meldungen().toStdString();
        if (gelesen) {
            ASSERT_TRUE(heim.Lesen(*gelesen).startsWith(messung));
            ++gelungen;
        }
        heim.Benutzer.Gezeigt.clear();
    }
    const qint64 rssEnde = ResidentKB();
    const qsizetype dateienEnde = OffeneDateien();
    std::printf("soak: %d read-outs (seed %u), %d complete; after %d: RSS %lld KB, %lld open "
                "files; at the end: RSS %lld KB, %lld open files\n",
                anzahl, saat, gelungen, einlauf, static_cast<long long>(rssStart),
                static_cast<long long>(dateienStart), static_cast<long long>(rssEnde),
                static_cast<long long>(dateienEnde));
    EXPECT_EQ(dateienEnde, dateienStart);
    // Flat: a few megabytes of allocator slack, not a share per read-out.
    EXPECT_LE(rssEnde, rssStart + 8 * 1024);
}

} // namespace
