// orvan-cli render of a graph with 4 curves x 2.5 million points to PNG, against the anchor
// of reading the same graph file in this process (what the render has to do at least).
// Prints both times in ms and their ratio; the goal is a render under 1 s.
#include "graph/GraphDatei.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

double Bestzeit(int runden, const std::function<bool()>& f) {
    double beste = 1e300;
    for (int i = 0; i < runden; ++i) {
        QElapsedTimer uhr;
        uhr.start();
        if (!f()) {
            std::fprintf(stderr, "bench_render: a run failed\n");
            std::exit(1);
        }
        beste = std::min(beste, uhr.nsecsElapsed() / 1e6);
    }
    return beste;
}

TDiagramm Vierkurven(qsizetype n) {
    TDiagramm d;
    d.Titel = QStringLiteral("Vier Kurven");
    d.Legende = true;
    d.Rahmenfarbe = 0xC0C0C0;
    d.Hintergrundfarbe = 0xFFFFFF;
    d.DatumZeitAchse = true;
    for (TAchse* a : {&d.AchseLinks, &d.AchseUnten, &d.AchseRechts}) {
        a->MinMaxAutomatik = true;
        a->GitterAutomatik = true;
        a->Gitterfarbe = 0x808080;
    }
    const TColor farben[4] = {0x000080, 0x008000, 0x800000, 0x0000FF};
    for (int c = 0; c < 4; ++c) {
        TKurve k;
        k.Name = QStringLiteral("Kanal %1").arg(c + 1);
        k.Sichtbar = true;
        k.LinieSichtbar = true;
        k.Linienbreite = 1;
        k.Linienfarbe = farben[c];
        k.Intervall = 1;
        k.YFaktor = 1;
        k.Werte[0].resize(n);
        k.Werte[1].resize(n);
        for (qsizetype j = 0; j < n; ++j) {
            k.Werte[0][j] = 45418.0 + j / 86400.0;
            k.Werte[1][j] = 20 * c + 5 * std::sin(j * 1e-4) + (j % 97) * 0.01;
        }
        d.Kurven << k;
    }
    return d;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (qEnvironmentVariableIsSet("BENCH_BEHALTEN")) {
        dir.setAutoRemove(false);
        std::printf("kept %s\n", qPrintable(dir.path()));
    }
    const QString graph = dir.filePath(QStringLiteral("vier.ogr"));
    const QString bild = dir.filePath(QStringLiteral("vier.png"));
    if (!GraphDatei::GraphDateiSchreiben(graph, Vierkurven(2'500'000))) {
        std::fprintf(stderr, "bench_render: cannot write %s\n", qPrintable(graph));
        return 1;
    }
    const double anker = Bestzeit(3, [&] {
        TDiagramm d;
        return GraphDatei::GraphDateiLesen(graph, d) && d.Kurven.size() == 4;
    });
    // The helper prints the time of each of its steps on standard error.
    qputenv("ORVAN_RENDER_ZEITEN", "1");
    const QString cli = QStringLiteral(ORVAN_BIN_DIR "/orvan-cli");
    const double render = Bestzeit(3, [&] {
        QFile::remove(bild);
        const int rc = QProcess::execute(
            cli, {QStringLiteral("--home"), dir.path(), QStringLiteral("render"), graph, bild});
        return rc == 0 && QFileInfo(bild).size() > 0;
    });
    std::printf("graph file: 4 curves x 2.5 million points, %.1f MB\n",
                QFileInfo(graph).size() / 1e6);
    std::printf("anchor  read graph file in-process  %8.1f ms\n", anker);
    std::printf("render  orvan-cli render to PNG     %8.1f ms   ratio %.2f   (goal < 1000 ms)\n",
                render, render / anker);
    return 0;
}
