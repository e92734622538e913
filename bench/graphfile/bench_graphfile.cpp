// bench_graphfile [POINTS]: a document of four curves of POINTS points each (default 2.5
// million) is written with GraphDateiSchreiben and read back with GraphDateiLesen; the
// anchor writes the same bytes with one plain buffered write and reads them with one plain
// read into a buffer. Each figure is the best of five runs on a warm page cache. Prints the
// times and the ratios (target: at most 1.5 each).
#include "graph/GraphDatei.h"

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <type_traits>
#include <unistd.h>

namespace {

using Uhrzeit = std::chrono::steady_clock;

// The best of `laeufe` runs; a task that returns a time measured itself reports that.
template <typename F> double Beste(int laeufe, F&& arbeit) {
    double beste = 1e30;
    for (int i = 0; i < laeufe; ++i) {
        const auto start = Uhrzeit::now();
        double dauer;
        if constexpr (std::is_void_v<decltype(arbeit())>) {
            arbeit();
            dauer = std::chrono::duration<double>(Uhrzeit::now() - start).count();
        } else {
            dauer = arbeit();
        }
        beste = std::min(beste, dauer);
    }
    return beste;
}

TDiagramm Dokument(qsizetype punkte) {
    TDiagramm d;
    d.Titel = QStringLiteral("Dauerlauf");
    d.DatumZeitAchse = true;
    for (int k = 0; k < 4; ++k) {
        TKurve c;
        c.Name = QStringLiteral("Kanal %1").arg(k);
        c.Werte[0].resize(punkte);
        c.Werte[1].resize(punkte);
        double* x = c.Werte[0].data();
        double* y = c.Werte[1].data();
        for (qsizetype j = 0; j < punkte; ++j) {
            x[j] = 45418.29 + double(j) / 86400.0;
            y[j] = double((j * 7919 + k) % 4096) * 0.01 - 20;
        }
        d.Kurven.append(c);
    }
    return d;
}

} // namespace

int main(int argc, char** argv) {
    const qsizetype punkte = argc > 1 ? std::atoll(argv[1]) : 2500000;
    QTemporaryDir dir;
    const QString graph = dir.filePath(QStringLiteral("g.ogr"));
    const QString roh = dir.filePath(QStringLiteral("roh.bin"));
    const TDiagramm d = Dokument(punkte);

    if (!GraphDatei::GraphDateiSchreiben(graph, d)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(graph));
        return 1;
    }
    QByteArray bytes;
    {
        QFile f(graph);
        f.open(QIODevice::ReadOnly);
        bytes = f.readAll();
    }
    const double mb = double(bytes.size()) / 1e6;

    // Anchor write: the finished bytes, one buffered write into a new file, closed; and the
    // same with the flush to disk that QSaveFile's commit does (fdatasync), so the price of
    // a save that survives a crash shows separately.
    auto ankerWrite = [&](bool sync) {
        QFile::remove(roh);
        FILE* f = std::fopen(qPrintable(roh), "wb");
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), f);
        std::fflush(f);
        if (sync) {
            fdatasync(fileno(f));
        }
        std::fclose(f);
    };
    const double ankerSchreiben = Beste(5, [&] { ankerWrite(false); });
    const double ankerSchreibenSync = Beste(5, [&] { ankerWrite(true); });
    const double schreiben = Beste(5, [&] {
        if (!GraphDatei::GraphDateiSchreiben(graph, d)) {
            std::abort();
        }
    });

    // Anchor read: the whole file into a newly allocated buffer, as any reader must hold its
    // result in fresh memory. Freeing the results is not timed, on either side.
    size_t gelesen = 0;
    std::unique_ptr<char[]> puffer;
    const double ankerLesen = Beste(5, [&] {
        puffer.reset();
        const auto start = Uhrzeit::now();
        puffer.reset(new char[size_t(bytes.size())]);
        FILE* f = std::fopen(qPrintable(roh), "rb");
        gelesen = std::fread(puffer.get(), 1, size_t(bytes.size()), f);
        std::fclose(f);
        return std::chrono::duration<double>(Uhrzeit::now() - start).count();
    });
    TDiagramm zurueck;
    const double lesen = Beste(5, [&] {
        zurueck = TDiagramm{};
        const auto start = Uhrzeit::now();
        if (!GraphDatei::GraphDateiLesen(graph, zurueck)) {
            std::abort();
        }
        return std::chrono::duration<double>(Uhrzeit::now() - start).count();
    });
    TDiagramm erwartet = d;
    erwartet.XMin = 45418.29;
    if (!(zurueck == erwartet) || gelesen != size_t(bytes.size())) {
        std::fprintf(stderr, "read-back differs\n");
        return 1;
    }

    std::printf("graph file: 4 curves x %lld points, %.1f MB\n", qlonglong(punkte), mb);
    std::printf("write: GraphDateiSchreiben %.3f s, plain buffered write %.3f s, ratio %.2f "
                "(target <= 1.5)\n",
                schreiben, ankerSchreiben, schreiben / ankerSchreiben);
    std::printf("       plain buffered write + fdatasync (what QSaveFile commits) %.3f s, "
                "ratio %.2f\n",
                ankerSchreibenSync, schreiben / ankerSchreibenSync);
    std::printf("read:  GraphDateiLesen     %.3f s, plain buffered read  %.3f s, ratio %.2f "
                "(target <= 1.5)\n",
                lesen, ankerLesen, lesen / ankerLesen);
    return 0;
}
