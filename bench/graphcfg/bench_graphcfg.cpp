// Opening the graph properties dialog on a graph with one curve of ten million points, and
// storing it back unchanged, against copying the whole document (every point copied) in the
// same run. Prints each time and its ratio to the anchor.
#include "common/BenchKurven.h"
#include "graph/TKurvenWerteModell.h"
#include "graph/ui/TGraphWinCfgForm.h"
#include "graph/ui/TWerteGrid.h"
#include "shell/TAppConst.h"
#include "shell/TSkriptBenutzer.h"
#include "shell/TSprachTexte.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QTabWidget>
#include <QTableView>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

using BenchKurven::Bestzeit;

TDiagramm Dokument(qsizetype n) {
    TDiagramm d;
    d.Titel = QStringLiteral("Dauerlauf");
    for (TAchse* a : {&d.AchseLinks, &d.AchseUnten, &d.AchseRechts}) {
        a->Maximum = 100;
        a->Gitterabstand = 10;
    }
    TKurve k;
    k.Name = QStringLiteral("Druck");
    k.Sichtbar = true;
    k.Linienbreite = 1;
    k.Punktbreite = 3;
    k.Werte[0].resize(n);
    k.Werte[1].resize(n);
    for (qsizetype j = 0; j < n; ++j) {
        k.Werte[0][j] = 45418.0 + j / 86400.0;
        k.Werte[1][j] = 30 + 8 * std::sin(j / 5000.0);
    }
    d.Kurven = {k};
    return d;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication qapp(argc, argv);
    TSkriptBenutzer benutzer;
    TAppConst appConst;
    TSprachTexte texte;
    TKurve defaultKurve;
    TDiagramm defaultDiagramm;
    const qsizetype n = 10'000'000;
    const TDiagramm dokument = Dokument(n);

    // Anchor: a complete copy of the document, every point copied.
    double summe = 0;
    const double kopie = Bestzeit(3, [&] {
        TDiagramm d = dokument;
        d.Kurven[0].Werte[0].detach();
        d.Kurven[0].Werte[1].detach();
        summe += d.Kurven[0].Werte[1][n - 1];
    });

    // For comparison: a bare table view on the same grid model, the floor of any grid.
    const double tabelle = Bestzeit(3, [&] {
        TKurvenWerteModell modell;
        QTableView sicht;
        sicht.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        sicht.setModel(&modell);
        modell.Setzen(dokument.Kurven[0].Werte);
        sicht.show();
        QApplication::processEvents();
    });

    bool gut = true;
    TDiagramm gespeichert;
    auto oeffnen = [&](bool kurvenTab, bool speichern) {
        TGraphWinCfgForm dialog(dokument, appConst, texte, benutzer, defaultKurve, defaultDiagramm,
                                [] { return true; });
        QObject::connect(&dialog, &TGraphWinCfgForm::Speichern,
                         [&](const TDiagramm& d) { gespeichert = d; });
        if (kurvenTab) {
            dialog.PageControl->setCurrentWidget(dialog.TabKurven);
        }
        dialog.show();
        QApplication::processEvents();
        gut = gut && dialog.ValGrid->Modell().rowCount() == n;
        if (speichern) {
            dialog.BtnSpeichernClick();
        }
    };
    const double offen = Bestzeit(3, [&] { oeffnen(false, false); });
    const double kurven = Bestzeit(3, [&] { oeffnen(true, false); });
    const double gespeichertZeit = Bestzeit(3, [&] { oeffnen(true, true); });
    gut = gut && gespeichert.Kurven.size() == 1 && gespeichert.Kurven[0].Punkte() == n &&
          gespeichert.Kurven[0].Werte[1][n - 1] == dokument.Kurven[0].Werte[1][n - 1];

    std::printf("graph properties dialog, one curve of %lld points (best of 3)\n",
                static_cast<long long>(n));
    std::printf("  anchor: copy of the document, every point    %9.2f ms\n", kopie);
    std::printf("  a bare table view on the grid model          %9.2f ms  ratio %.4f\n", tabelle,
                tabelle / kopie);
    std::printf("  open the dialog (tab Allgemein shown)       %9.2f ms  ratio %.4f\n", offen,
                offen / kopie);
    std::printf("  open with the curves tab and its grid drawn %9.2f ms  ratio %.4f\n", kurven,
                kurven / kopie);
    std::printf("  open, grid drawn, Speichern unchanged        %9.2f ms  ratio %.4f\n",
                gespeichertZeit, gespeichertZeit / kopie);
    std::printf("  (checksum %g, messages shown:", summe);
    for (int nummer : benutzer.Nummern()) {
        std::printf(" %d", nummer);
    }
    std::printf(")\n");
    if (!gut) {
        std::printf("FAILED: the dialog did not show or store all points\n");
        return 1;
    }
    return 0;
}
