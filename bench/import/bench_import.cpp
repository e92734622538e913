// bench_import [CYCLES]: writes a measurement file of CYCLES measuring cycles (default ten
// million) with four active ANA channels of 12 and 16 bits, as the reader benchmark does,
// reads it with MessDateiLesen (not timed) and times
//  - DateiInDiagramm of the four measured series into a new document (target: under 3 s);
//  - the anchor: copying the same series' rows into new arrays, the least a copying import
//    does;
//  - DateiInDiagramm of the same measurement with two calculated series added
//    ("Summe=M0+M1" and "Flaeche=IGR(M2)"), for information.
#include "common/BenchMessung.h"
#include "formula/TParser.h"
#include "graph/DateiInDiagramm.h"
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
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

using Uhrzeit = std::chrono::steady_clock;

double Sekunden(Uhrzeit::time_point seit) {
    return std::chrono::duration<double>(Uhrzeit::now() - seit).count();
}

using BenchMessung::kKanaele;

bool DateiErzeugen(const QString& pfad, quint32 takte) {
    qint64 kopfLaenge = 0;
    return BenchMessung::DateiErzeugen(pfad, takte, kopfLaenge);
}

} // namespace

int main(int argc, char** argv) {
    const quint32 takte = argc > 1 ? quint32(std::atoll(argv[1])) : 10000000u;
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("dauerlauf.ome"));
    if (!DateiErzeugen(pfad, takte)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(pfad));
        return 1;
    }
    TSkriptBenutzer benutzer;
    TShellKontext app(benutzer);
    TMessDatei m;
    m.Takt = 32768;
    m.Teiler = 32;
    m.Messfrequenz = 1024;
    if (!MessDateiLesen(app, pfad, false, m)) {
        std::fprintf(stderr, "cannot read the measurement\n");
        return 1;
    }
    QFile::remove(pfad);
    qint64 punkte = 0;
    for (const TMessreihe& r : m.Messreihen) {
        punkte += r.Messwerte[0].size();
    }

    // Anchor: both rows of every series copied into fresh arrays.
    auto start = Uhrzeit::now();
    std::vector<std::unique_ptr<double[]>> kopien;
    for (const TMessreihe& r : m.Messreihen) {
        for (const auto& zeile : r.Messwerte) {
            kopien.emplace_back(new double[size_t(zeile.size())]);
            std::memcpy(kopien.back().get(), zeile.constData(), size_t(zeile.size()) * 8);
        }
    }
    const double anker = Sekunden(start);
    kopien.clear();

    TParser parser;
    TDiagramm d;
    start = Uhrzeit::now();
    const TErgebnis e = DateiInDiagramm(app, TKurve(), parser, m, d);
    const double import = Sekunden(start);
    if (!e || d.Kurven.size() != kKanaele) {
        std::fprintf(stderr, "import failed\n");
        return 1;
    }

    // The same with two calculated series (series without a channel of the device).
    TMessDatei mb = m;
    TMessreihe summe;
    summe.Aktiv = 1;
    summe.Kanal = kKanaele;
    summe.Messkonstante = 1;
    summe.Name = QStringLiteral("Summe=M0+M1");
    TMessreihe flaeche = summe;
    flaeche.Kanal = kKanaele + 1;
    flaeche.Name = QStringLiteral("Flaeche=IGR(M2)");
    mb.Messreihen << summe << flaeche;
    mb.Auftrag.AnzahlReihen = quint8(mb.Messreihen.size());
    TDiagramm db;
    start = Uhrzeit::now();
    const TErgebnis eb = DateiInDiagramm(app, TKurve(), parser, mb, db);
    const double berechnet = Sekunden(start);
    if (!eb || db.Kurven.size() != kKanaele + 2 || db.Kurven[4].Werte[0].size() != takte - 1) {
        std::fprintf(stderr, "import with calculated series failed\n");
        return 1;
    }

    std::printf("measurement: %u cycles, %d series, %lld points\n", takte, kKanaele,
                qlonglong(punkte));
    std::printf("DateiInDiagramm: %.3f s (target < 3 s); copying the rows: %.3f s; ratio %.2f\n",
                import, anker, import / anker);
    std::printf("with Summe=M0+M1 and Flaeche=IGR(M2) added: %.3f s\n", berechnet);
    return 0;
}
