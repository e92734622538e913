// bench_reader [CYCLES]: writes a measurement file of CYCLES measuring cycles (default ten
// million) with four active ANA channels of 12 and 16 bits, then times
//  - the anchor: reading the file into memory and a bare loop that takes each raw value,
//    masks it, scales it and stores it with its time into two preallocated arrays;
//  - MessDateiLesen on the same file.
// Prints both times, their ratio (target: at most 2) and the reader's peak memory per
// stored value (target: at most 20 bytes).
#include "measurement/MessDateiLeser.h"
#include "measurement/MessDateiSchreiber.h"
#include "shell/DatumZeit.h"
#include "shell/TAnwendung.h"
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

constexpr int kKanaele = 4;
const quint8 kAufloesung[kKanaele] = {12, 12, 16, 16};

TMessDatei Kopf(quint32 takte) {
    TMessDatei d;
    d.Name = QStringLiteral("VL-8 Analog");
    d.Speicher = 0x7FFFFFFF;
    d.Takt = 32768;
    d.Teiler = 32;
    d.Messfrequenz = 1024;
    d.KanalAnzahl = kKanaele;
    for (int k = 0; k < kKanaele; ++k) {
        d.KanalInfo[0].append(2);
        d.KanalInfo[1].append(kAufloesung[k]);
        d.KanalInfo[2].append(255);
        d.KanalInfo[3].append(1);
    }
    d.Datum = *DatumZeit::Kodieren({2024, 5, 6, 7, 0, 0, 0});
    d.Auftrag.AuftragName = QStringLiteral("Dauerlauf");
    d.Auftrag.AnzahlReihen = kKanaele;
    d.Auftrag.MessTakte = takte;
    d.Auftrag.Start = d.Datum;
    for (int k = 0; k < kKanaele; ++k) {
        TMessreihe r;
        r.Aktiv = 1;
        r.Kanal = quint8(k);
        r.Messkonstante = 0.01 * (k + 1);
        r.Nullwert = -100;
        r.Abstand = 1;
        r.Name = QStringLiteral("Kanal %1").arg(k);
        r.Einheit = QStringLiteral("Bit");
        d.Messreihen.append(r);
    }
    return d;
}

bool DateiErzeugen(const QString& pfad, quint32 takte, qint64& kopfLaenge) {
    QByteArray kopf;
    if (!MessDateiKodieren(Kopf(takte), false, kopf)) {
        return false;
    }
    kopfLaenge = kopf.size();
    const qint64 daten = 8 + qint64(takte) * kKanaele * 2;
    qToLittleEndian<qint32>(qint32(kopf.size() + daten), kopf.data());
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly)) {
        return false;
    }
    f.write(kopf);
    f.write(QByteArray::fromHex("2405060700000000"));
    QByteArray block;
    quint32 zufall = 12345;
    for (quint32 c = 0; c < takte; ++c) {
        for (int k = 0; k < kKanaele; ++k) {
            zufall = zufall * 1103515245u + 12345u;
            const quint16 wert = quint16(zufall >> 16);
            block.append(char(wert & 0xFF)).append(char(wert >> 8));
        }
        if (block.size() >= (1 << 20)) {
            f.write(block);
            block.clear();
        }
    }
    f.write(block);
    return f.flush();
}

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

        TAnwendung app(benutzer);
        const qint64 vorher = Speicher("VmRSS:");
        HochwasserZuruecksetzen();
        const auto start = Uhrzeit::now();
        const TLeseErgebnis e = MessDateiLesen(app, pfad, false, app.ArbeitsDatei);
        const double dauer = Sekunden(start);
        const qint64 hoch = Speicher("VmHWM:");
        if (!e) {
            std::fprintf(stderr, "%s\n", qPrintable(e.Meldung));
            return 1;
        }
        qint64 gelesen = 0;
        for (const TMessreihe& r : app.ArbeitsDatei.Messreihen) {
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
