// bench_reader [CYCLES]: writes a measurement file of CYCLES measuring cycles (default ten
// million) with four active ANA channels of 12 and 16 bits, then times
//  - the anchor: reading the file into memory and a bare loop that takes each raw value,
//    masks it, scales it and stores it with its time into two preallocated arrays;
//  - MessDateiLesen on the same file.
// Prints both times, their ratio (target: at most 2) and the reader's peak memory per
// stored value (target: at most 20 bytes).
#include "common/BenchMessung.h"
#include "measurement/MessDateiLeser.h"
#include "measurement/MessDateiSchreiber.h"
#include "shell/DatumZeit.h"
#include "shell/TShellKontext.h"
#include "shell/TSkriptBenutzer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

namespace {

using Uhrzeit = std::chrono::steady_clock;

double Sekunden(Uhrzeit::time_point seit) {
    return std::chrono::duration<double>(Uhrzeit::now() - seit).count();
}

// Resident set in bytes ("VmRSS") or its high-water mark ("VmHWM").
qint64 Speicher(const char* feld) {
    std::ifstream status("/proc/self/status");
    std::string zeile;
    while (std::getline(status, zeile)) {
        if (zeile.rfind(feld, 0) == 0) {
            return std::stoll(zeile.substr(std::string(feld).size() + 1)) * 1024;
        }
    }
    return -1;
}

void HochwasserZuruecksetzen() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

using namespace BenchMessung;

// The limit: the same bytes, decoded without any bookkeeping.
double Anker(const QString& pfad, qint64 kopfLaenge, quint32 takte, double& pruefsumme) {
    const auto start = Uhrzeit::now();
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray bytes = f.readAll();
    const qint64 werte = qint64(takte) * kKanaele;
    std::unique_ptr<double[]> zeit(new double[size_t(werte)]);
    std::unique_ptr<double[]> wert(new double[size_t(werte)]);
    const uchar* p = reinterpret_cast<const uchar*>(bytes.constData()) + kopfLaenge + 8;
    quint32 maske[kKanaele];
    double konstante[kKanaele];
    for (int k = 0; k < kKanaele; ++k) {
        maske[k] = (1u << kAufloesung[k]) - 1;
        konstante[k] = 0.01 * (k + 1);
    }
    const double periode = 1.0 / (1024.0 * 86400.0);
    double t = 45418.29;
    qint64 i = 0;
    for (quint32 c = 0; c < takte; ++c) {
        t += periode;
        for (int k = 0; k < kKanaele; ++k, ++i, p += 2) {
            const quint32 roh = qFromLittleEndian<quint16>(p) & maske[k];
            zeit[i] = t;
            wert[i] = (double(roh) - 100) * konstante[k];
        }
    }
    const double dauer = Sekunden(start);
    pruefsumme = wert[werte - 1] + zeit[werte / 2];
    return dauer;
}

} // namespace

int main(int argc, char** argv) {
    const quint32 takte = argc > 1 ? quint32(std::stoul(argv[1])) : 10000000u;
    QTemporaryDir verzeichnis;
    const QString pfad = verzeichnis.path() + QStringLiteral("/dauerlauf.ome");
    qint64 kopfLaenge = 0;
    if (!DateiErzeugen(pfad, takte, kopfLaenge)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(pfad));
        return 1;
    }
    const qint64 werte = qint64(takte) * kKanaele;
    std::printf("file: %lld bytes, %u cycles, %lld values\n",
                static_cast<long long>(QFile(pfad).size()), takte, static_cast<long long>(werte));

    TSkriptBenutzer benutzer;
    double besterLeser = 1e300, besterAnker = 1e300;
    qint64 spitze = 0;
    for (int runde = 0; runde < 3; ++runde) {
        double summe = 0;
        besterAnker = std::min(besterAnker, Anker(pfad, kopfLaenge, takte, summe));

        TShellKontext app(benutzer);
        TMessDatei arbeit;
        const qint64 vorher = Speicher("VmRSS:");
        HochwasserZuruecksetzen();
        const auto start = Uhrzeit::now();
        const TLeseErgebnis e = MessDateiLesen(app, pfad, false, arbeit);
        const double dauer = Sekunden(start);
        const qint64 hoch = Speicher("VmHWM:");
        if (!e) {
            std::fprintf(stderr, "%s\n", qPrintable(e.Meldung));
            return 1;
        }
        qint64 gelesen = 0;
        for (const TMessreihe& r : arbeit.Messreihen) {
            gelesen += r.Messwerte[1].size();
        }
        if (gelesen != werte || !benutzer.Nummern().isEmpty()) {
            std::fprintf(stderr, "reader stored %lld values, messages %lld\n",
                         static_cast<long long>(gelesen),
                         static_cast<long long>(benutzer.Nummern().size()));
            return 1;
        }
        besterLeser = std::min(besterLeser, dauer);
        spitze = std::max(spitze, hoch - vorher);
        std::printf("round %d: anchor %.3f s, reader %.3f s (check %g)\n", runde + 1, besterAnker,
                    dauer, summe);
    }
    const double proWert = double(spitze) / double(werte);
    std::printf("anchor (read file + bare decoding loop): %.3f s\n", besterAnker);
    std::printf("MessDateiLesen:                          %.3f s\n", besterLeser);
    std::printf("ratio reader / anchor: %.2f (target <= 2)\n", besterLeser / besterAnker);
    std::printf("reader peak memory: %.1f MB, %.2f bytes per stored value (target <= 20)\n",
                double(spitze) / 1e6, proWert);
    return 0;
}
