// The graph window's way out: saving the graph file, the picture for the clipboard, the printout
// and the export.
#include "graph/ui/TMDIGraphWin.h"

#include "formula/TParser.h"
#include "graph/Export.h"
#include "graph/GraphDatei.h"
#include "graph/Kurvenwerte.h"
#include "graph/ui/GraphStile.h"
#include "graph/ui/TAchsenTicker.h"
#include "graph/ui/TGraphOverlay.h"
#include "graph/ui/TGraphWinCfgForm.h"
#include "shell/DateiDialoge.h"
#include "shell/DatumZeit.h"
#include "shell/Fehleranzeige.h"
#include "shell/Konfiguration.h"
#include "shell/TBenutzer.h"
#include "shell/TShellKontext.h"
#include "shell/Uhr.h"
#include "shell/Zahlen.h"

#include <qcustomplot.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QScopeGuard>
#include <QStatusBar>
#include <QVBoxLayout>
#include <cmath>

void TMDIGraphWin::GraphDateiSpeichern(const QString& vorschlag) {
    const TSprachTexte& t = FApp.Texte;
    TDateiDialog dialog =
        DateiDialogVorlage(FApp, t.GraphDateiSpeichernText, t.GraphDateienText, GraphDatei::Endung);
    dialog.DateiName = QFileInfo(vorschlag).fileName();
    const auto gewaehlt = FApp.Benutzer->DateiSpeichern(dialog);
    if (!gewaehlt) {
        return;
    }
    if (QFileInfo::exists(*gewaehlt) && FApp.Nachricht(12, *gewaehlt) != mrYes) {
        return;
    }
    if (GraphDatei::GraphDateiSchreiben(*gewaehlt, Diagramm)) {
        Gespeichert = true;
        setWindowTitle(*gewaehlt);
        emit DateiGespeichert(*gewaehlt);
    } else {
        FApp.Nachricht(29, *gewaehlt);
    }
}

namespace {
bool IstGraphDatei(const QString& name) {
    return name.endsWith(GraphDatei::Endung, Qt::CaseInsensitive);
}
} // namespace

// A cancelled dialog or a failed write leaves the window unsaved, so that closing it still
// asks; only a written file counts as saved.
void TMDIGraphWin::DateiSpeichern() {
    const QString name = windowTitle();
    if (!IstGraphDatei(name)) {
        GraphDateiSpeichern(FApp.AppConst.DatenPfad + name + GraphDatei::Endung);
    } else if (GraphDatei::GraphDateiSchreiben(name, Diagramm)) {
        Gespeichert = true;
        emit DateiGespeichert(name);
    } else {
        FApp.Nachricht(29, name);
    }
}

void TMDIGraphWin::DateiSpeichernUnter() {
    const QString name = windowTitle();
    if (!IstGraphDatei(name)) {
        GraphDateiSpeichern(FApp.AppConst.DatenPfad + name + GraphDatei::Endung);
    } else {
        // Only the file-name part reaches the dialog: it offers the current name in the
        // data directory.
        GraphDateiSpeichern(FApp.AppConst.DatenPfad + QFileInfo(name).fileName());
    }
}

// ---------------------------------------------------------------- picture and printout

QImage TMDIGraphWin::Bild() {
    // Without the cross-hair: it belongs to the mouse, not to the graph.
    const QPoint kreuz = FOverlay->Fadenkreuz;
    FOverlay->Fadenkreuz = QPoint(-1, -1);
    QImage bild(Chart->size(), QImage::Format_RGB32);
    bild.fill(Qt::white);
    {
        QCPPainter maler(&bild);
        Chart->toPainter(&maler, bild.width(), bild.height());
    }
    FOverlay->Fadenkreuz = kreuz;
    return bild;
}

QRect TMDIGraphWin::DruckRechteck(int breite, int hoehe) {
    // 5 % of each side, rounded to the nearest pixel with halves to the even neighbour.
    const int mx = int(std::nearbyint(breite * 5 / 100.0));
    const int my = int(std::nearbyint(hoehe * 5 / 100.0));
    return QRect(QPoint(mx, my), QPoint(breite - mx, hoehe - my));
}

TErgebnis TMDIGraphWin::ChartDrucken(QPrinter& drucker) {
    QCPPainter maler;
    if (!maler.begin(&drucker)) {
        return TErgebnis::Fehler(QStringLiteral("Der Druckauftrag kann nicht begonnen werden."));
    }
    const QRect ziel = DruckRechteck(maler.device()->width(), maler.device()->height());
    // The chart is laid out as on the screen (fonts and lines keep their proportions) and
    // scaled into the page rectangle.
    const int breite = qMax(Chart->width(), 800);
    const int hoehe = qMax(1, int(std::lround(breite * double(ziel.height()) / ziel.width())));
    const double faktor = double(ziel.width()) / breite;
    const QPoint kreuz = FOverlay->Fadenkreuz;
    FOverlay->Fadenkreuz = QPoint(-1, -1);
    maler.translate(ziel.topLeft());
    maler.scale(faktor, faktor);
    maler.setMode(QCPPainter::pmVectorized);
    maler.setMode(QCPPainter::pmNoCaching);
    Chart->toPainter(&maler, breite, hoehe);
    FOverlay->Fadenkreuz = kreuz;
    if (!maler.end()) {
        drucker.abort();
        return TErgebnis::Fehler(
            QStringLiteral("Der Druckauftrag konnte nicht abgeschlossen werden."));
    }
    return {};
}

void TMDIGraphWin::GraphDrucken() {
    QPrinter* drucker = FDrucker;
    if (drucker == nullptr) {
        if (!FEigenerDrucker) {
            FEigenerDrucker = std::make_unique<QPrinter>();
        }
        drucker = FEigenerDrucker.get();
    }
    if (!FApp.Benutzer->DruckDialog(*drucker)) {
        return;
    }
    // Orientation and cursor come back whatever happens while printing.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QPageLayout::Orientation vorher = drucker->pageLayout().orientation();
    const auto zurueck = qScopeGuard([drucker, vorher] {
        drucker->setPageOrientation(vorher);
        QApplication::restoreOverrideCursor();
    });
    drucker->setPageOrientation(QPageLayout::Landscape);
    drucker->setDocName(FApp.AppConst.InternerName + u' ' + FApp.Texte.DruckDatumText +
                        DatumZeit::Formatieren(FApp.AppConst.ZeitDatumsformat, Uhr::Jetzt()));
    if (const TErgebnis e = ChartDrucken(*drucker); !e) {
        FehlerZeigen(FApp.Benutzer, e.Meldung);
    }
}

// ---------------------------------------------------------------- export

void TMDIGraphWin::DateiExportieren() {
    GraphDateiExportieren(windowTitle());
}

void TMDIGraphWin::GraphDateiExportieren(const QString& name) {
    const TSprachTexte& t = FApp.Texte;
    QString ohneEndung = name;
    const QFileInfo info(name);
    if (!info.suffix().isEmpty()) {
        ohneEndung.chop(info.suffix().size() + 1);
    }
    TDateiDialog dialog = DateiDialogVorlage(FApp, t.GraphDateiExportierenText,
                                             t.ExportCSVDateienText, QStringLiteral(".csv"));
    dialog.DateiName = QFileInfo(ohneEndung).fileName();
    dialog.Filter = DateiFilter({{t.ExportCSVDateienText, QStringLiteral(".csv")},
                                 {t.ExportTextDateienText, QStringLiteral(".txt")},
                                 {t.AlleDateienText, QStringLiteral(".*")}});
    const auto gewaehlt = FApp.Benutzer->DateiSpeichern(dialog);
    if (!gewaehlt) {
        return;
    }
    if (QFileInfo::exists(*gewaehlt) && FApp.Nachricht(12, *gewaehlt) != mrYes) {
        return;
    }
    if (Export::ArtNachEndung(*gewaehlt) == Export::TArt::Keine) {
        // Only the two export kinds exist; a name that is neither is not silently dropped.
        FApp.Nachricht(0, *gewaehlt + QStringLiteral(": nur die Endungen .csv und .txt "
                                                     "können exportiert werden!"));
        return;
    }
    if (!Export::Exportieren(*gewaehlt, Diagramm)) {
        FApp.Nachricht(29, *gewaehlt);
    }
}
