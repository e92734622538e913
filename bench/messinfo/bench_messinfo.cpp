// bench_messinfo [CYCLES]: the job dialog on a measurement of CYCLES measuring cycles
// (default ten million; four ANA channels, as the reader benchmark writes them). Times
//  - the anchor: reading the file alone (MessDateiPruefen and MessDateiLesen);
//  - the dialog on the measurement already read: creating it, showing the record, selecting
//    series 2 and painting its value grid (target: under 200 ms), median of five runs;
//  - picking the file in the dialog (the read included) and selecting series 2;
//  - scrolling the value grid to its last row and painting it.
// Runs offscreen unless QT_QPA_PLATFORM says otherwise.
#include "catalogue/GeraeteKatalog.h"
#include "common/BenchMessung.h"
#include "measurement/MessDateiLeser.h"
#include "measurement/ui/TMessInfoForm.h"
#include "measurement/ui/TWerteTabelle.h"
#include "shell/TShellKontext.h"
#include "shell/TSkriptBenutzer.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Uhrzeit = std::chrono::steady_clock;

double Ms(Uhrzeit::time_point seit) {
    return std::chrono::duration<double, std::milli>(Uhrzeit::now() - seit).count();
}

// Everything the user would see once the series is selected.
void Zeigen(TMessInfoForm& d) {
    QApplication::processEvents();
    d.VGrWerte->viewport()->grab();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication qapp(argc, argv);
    const quint32 takte = argc > 1 ? quint32(std::atoll(argv[1])) : 10000000u;
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Config"));
    QFile::copy(QStringLiteral(ORVAN_SOURCE_DIR "/resources/Geraete.cfg"),
                dir.filePath(QStringLiteral("Config/Geraete.cfg")));
    const QString pfad = dir.filePath(QStringLiteral("dauerlauf.ome"));
    qint64 kopf = 0;
    if (!BenchMessung::DateiErzeugen(pfad, takte, kopf)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(pfad));
        return 1;
    }
    TSkriptBenutzer benutzer;
    TShellKontext app(benutzer);
    TMessDatei arbeit;
    quint32 speicherbedarf = 0;
    app.AppConst.PrgKonfigPfad = dir.filePath(QStringLiteral("Config/"));
    app.AppConst.DatenPfad = dir.path() + QStringLiteral("/");
    app.AppConst.Geraet = QStringLiteral("VL-8 Analog");
    GeraeteListeLesen(app, app.AppConst.GeraeteListe);
    app.AppConst.Einheiten = {{QStringLiteral("Bit"), QStringLiteral("Bit"), 1, 0, QString()}};

    // Anchor: reading the file alone.
    auto start = Uhrzeit::now();
    if (!MessDateiPruefen(app, pfad, arbeit) || !MessDateiLesen(app, pfad, false, arbeit)) {
        std::fprintf(stderr, "cannot read the measurement\n");
        return 1;
    }
    const double lesen = Ms(start);
    const TMessDatei gelesen = arbeit;

    // The dialog on the record already read.
    std::vector<double> dialog;
    for (int i = 0; i < 5; ++i) {
        arbeit = gelesen;
        start = Uhrzeit::now();
        TMessInfoForm d(app, arbeit, speicherbedarf);
        const double t1 = Ms(start);
        d.show();
        const double t2 = Ms(start);
        d.MessAuftragLesen(arbeit);
        const double t3 = Ms(start);
        d.CmbMessreihenName->setCurrentIndex(2);
        const double t4 = Ms(start);
        Zeigen(d);
        dialog.push_back(Ms(start));
        if (getenv("BENCH_TEILE")) {
            std::printf("  create %.1f show %.1f lesen %.1f select %.1f paint %.1f\n", t1, t2, t3,
                        t4, dialog.back());
        }
        if (d.VGrWerte->model()->rowCount() != int(takte)) {
            std::fprintf(stderr, "the value grid shows %d rows\n", d.VGrWerte->model()->rowCount());
            return 1;
        }
    }
    std::sort(dialog.begin(), dialog.end());
    const double median = dialog[dialog.size() / 2];

    // Picking the file in the dialog, the read included, then the series and the last row.
    start = Uhrzeit::now();
    TMessInfoForm d(app, arbeit, speicherbedarf);
    d.show();
    benutzer.Dateien = {pfad};
    d.BtnMessdateiAuswahlClick();
    d.CmbMessreihenName->setCurrentIndex(2);
    Zeigen(d);
    const double waehlen = Ms(start);
    if (!benutzer.Gezeigt.isEmpty()) {
        std::fprintf(stderr, "picking the file showed message %d\n", benutzer.Gezeigt[0].Nummer);
        return 1;
    }
    start = Uhrzeit::now();
    d.VGrWerte->scrollToBottom();
    Zeigen(d);
    const double scrollen = Ms(start);

    std::printf("measurement: %u cycles, 4 series\n", takte);
    std::printf("anchor  read the file alone:                   %8.1f ms\n", lesen);
    std::printf("dialog  open, show, select series 2, paint:    %8.1f ms (median of 5; target < "
                "200 ms)  ratio %.3f\n",
                median, median / lesen);
    std::printf("dialog  pick the file (read included), select: %8.1f ms  ratio %.3f\n", waehlen,
                waehlen / lesen);
    std::printf("grid    scroll to the last row and paint:      %8.1f ms\n", scrollen);
    return median < 200 ? 0 : 2;
}
