// bench_reader_hostile [MB] [--keep DIR]: writes crafted measurement files of MB megabytes
// (default 100) and times MessDateiLesen on each (processor time) against the anchor: reading
// the same file and storing every byte with a time into two arrays, the least a reader of
// one value per byte does. Prints both, their ratio and whether the read stayed under two
// seconds. With --keep the files stay in DIR (to try them on other builds).
//  - stamps: an intermediate stamp every 2^20 - 1 cycles, the only series inactive;
//  - sparse: one 8-bit series in every cycle beside 254 series every 2^32 - 1 cycles.
#include "measurement/MessDateiLeser.h"
#include "measurement/MessDateiSchreiber.h"
#include "shell/DatumZeit.h"
#include "shell/TShellKontext.h"
#include "shell/TSkriptBenutzer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>

namespace {

// Processor time of this process: the machine may be shared, and waiting for a processor
// is not the reader's cost.
struct Uhrzeit {
    using time_point = double;
    static double now() {
        timespec ts{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
        return double(ts.tv_sec) + 1e-9 * double(ts.tv_nsec);
    }
};

double Sekunden(double seit) {
    return Uhrzeit::now() - seit;
}

TMessDatei Kopf(int reihen, quint8 aufloesung) {
    TMessDatei d;
    d.Name = QStringLiteral("VL-4 Kompakt");
    d.Speicher = 0x7FFFFFFF;
    d.Takt = 1000;
    d.Teiler = 10;
    d.Messfrequenz = 100;
    d.KanalAnzahl = quint8(reihen);
    for (int k = 0; k < reihen; ++k) {
        d.KanalInfo[0].append(2);
        d.KanalInfo[1].append(aufloesung);
        d.KanalInfo[2].append(255);
        d.KanalInfo[3].append(1);
    }
    d.Datum = *DatumZeit::Kodieren({2024, 5, 6, 7, 0, 0, 0});
    d.Auftrag.AnzahlReihen = quint8(reihen);
    d.Auftrag.MessTakte = 0x7F000000;
    d.Auftrag.Start = d.Datum;
    for (int k = 0; k < reihen; ++k) {
        TMessreihe r;
        r.Aktiv = 1;
        r.Kanal = quint8(k);
        r.Messkonstante = 1;
        r.Abstand = k == 0 ? 1 : 0xFFFFFFFF;
        r.Name = QStringLiteral("S%1").arg(k);
        d.Messreihen.append(r);
    }
    return d;
}

bool Schreiben(const QString& pfad, TMessDatei kopf, qint64 datenBytes) {
    QByteArray b;
    if (!MessDateiKodieren(kopf, false, b)) {
        return false;
    }
    qToLittleEndian<qint32>(qint32(std::min<qint64>(b.size() + datenBytes, 0x7FFFFFFF)), b.data());
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly) || f.write(b) != b.size()) {
        return false;
    }
    const QByteArray stempel = QByteArray::fromHex("2405060700000000");
    QByteArray block;
    while (block.size() < (1 << 20)) {
        block += stempel;
    }
    for (qint64 rest = datenBytes; rest > 0; rest -= block.size()) {
        const qint64 n = std::min<qint64>(rest, block.size());
        if (f.write(block.constData(), n) != n) {
            return false;
        }
    }
    return true;
}

// The least a reader storing one value per byte must do: read the file, then store each
// byte with a time into two arrays.
double Anker(const QString& pfad) {
    const auto start = Uhrzeit::now();
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray bytes = f.readAll();
    const qsizetype n = bytes.size();
    std::unique_ptr<double[]> zeit(new double[size_t(n)]);
    std::unique_ptr<double[]> wert(new double[size_t(n)]);
    double t = 45418.29;
    const double periode = 1.0 / (100.0 * 86400.0);
    for (qsizetype i = 0; i < n; ++i) {
        t += periode;
        zeit[i] = t;
        wert[i] = double(uchar(bytes[i]));
    }
    const double dauer = Sekunden(start);
    std::printf("  (anchor check %g)\n", zeit[n / 2] + wert[n - 1]);
    return dauer;
}

} // namespace

int main(int argc, char** argv) {
    qint64 mb = 100;
    QString behalten;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--keep" && i + 1 < argc) {
            behalten = QString::fromLocal8Bit(argv[++i]);
        } else {
            mb = std::stoll(argv[i]);
        }
    }
    QTemporaryDir tmp;
    const QString verzeichnis = behalten.isEmpty() ? tmp.path() : behalten;
    QDir().mkpath(verzeichnis);

    struct Fall {
        const char* Name;
        TMessDatei Kopf;
    };
    TMessDatei stempel = Kopf(1, 12);
    stempel.Messreihen[0].Aktiv = 0;
    stempel.Auftrag.AbstandZeitstempel = 0xFFFFF;
    const Fall faelle[] = {{"stamps", stempel}, {"sparse", Kopf(255, 8)}};
    int fehler = 0;
    for (const Fall& f : faelle) {
        const QString pfad = verzeichnis + QStringLiteral("/%1-%2MB.ome").arg(f.Name).arg(mb);
        if (!Schreiben(pfad, f.Kopf, mb << 20)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(pfad));
            return 1;
        }
        const double anker = Anker(pfad);
        TSkriptBenutzer benutzer;
        TShellKontext app(benutzer);
        const auto start = Uhrzeit::now();
        TMessDatei ziel;
        const TLeseErgebnis e = MessDateiLesen(app, pfad, false, ziel);
        const double dauer = Sekunden(start);
        if (!e) {
            std::fprintf(stderr, "%s\n", qPrintable(e.Meldung));
            return 1;
        }
        std::printf("%-7s %lld MB: anchor %.3f s, MessDateiLesen %.3f s, ratio %.1f, %s\n", f.Name,
                    static_cast<long long>(mb), anker, dauer, dauer / anker,
                    dauer <= 2.0 ? "under 2 s" : "OVER 2 s");
        fehler += dauer > 2.0;
    }
    return fehler == 0 ? 0 : 2;
}
