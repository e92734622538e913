// The graph window's way out: saving the graph file, the picture for the clipboard, the printout
// and the export.
#include "graph/ui/TMDIGraphWin.h"

#include "graph/Export.h"
#include "graph/GraphBildFormat.h"
#include "graph/GraphDatei.h"
#include "graph/SpeicherAblauf.h"
#include "graph/ui/GraphBildSchreiben.h"
#include "graph/ui/TGraphAbbildung.h"
#include "graph/ui/TMDIGraphWin.h"
#include "shell/DateiDialoge.h"
#include "shell/DatumZeit.h"
#include "shell/Fehleranzeige.h"
#include "shell/Konfiguration.h"
#include "shell/Meldungen.h"
#include "shell/TBenutzer.h"
#include "shell/TShellKontext.h"
#include "shell/Uhr.h"

#include <qcustomplot.h>

#include <QApplication>
#include <QFileInfo>
#include <QPrinter>
#include <QScopeGuard>
#include <cmath>

void TMDIGraphWin::GraphDateiSpeichern(const QString& vorschlag) {
    const TSprachTexte& t = FApp.Texte;
    TDateiDialog dialog =
        DateiDialogVorlage(FApp, t.GraphDateiSpeichernText, t.GraphDateienText, GraphDatei::Endung);
    dialog.DateiName = QFileInfo(vorschlag).fileName();
    SpeicherAblauf::TSchritte schritte;
    schritte.Schreiben = [this](const QString& name) -> bool {
        return bool(GraphDatei::GraphDateiSchreiben(name, Diagramm));
    };
    if (const auto gespeichert = SpeicherAblauf::Ausfuehren(FApp, dialog, schritte)) {
        Gespeichert = true;
        setWindowTitle(*gespeichert);
        emit DateiGespeichert(*gespeichert);
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
        return;
    }
    SpeicherAblauf::TSchritte schritte;
    schritte.Schreiben = [this](const QString& datei) -> bool {
        return bool(GraphDatei::GraphDateiSchreiben(datei, Diagramm));
    };
    if (SpeicherAblauf::Schreiben(FApp, name, schritte)) {
        Gespeichert = true;
        emit DateiGespeichert(name);
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
    return FAbbildung->Bild(Chart->size());
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
    maler.translate(ziel.topLeft());
    maler.scale(faktor, faktor);
    maler.setMode(QCPPainter::pmVectorized);
    maler.setMode(QCPPainter::pmNoCaching);
    FAbbildung->Zeichnen(maler, breite, hoehe);
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
                                 {t.ExportPNGDateienText, QStringLiteral(".png")},
                                 {t.ExportSVGDateienText, QStringLiteral(".svg")},
                                 {t.ExportPDFDateienText, QStringLiteral(".pdf")},
                                 {t.AlleDateienText, QStringLiteral(".*")}});
    GraphBildFormat::TGroesse groesse{Chart->size(), 1.0};
    SpeicherAblauf::TSchritte schritte;
    schritte.Pruefen = [&](const QString& gewaehlt) {
        if (GraphBildFormat::ArtNachEndung(gewaehlt) != GraphBildFormat::TArt::Keine) {
            // A picture: its size, proposed as the chart's own.
            const auto text = FApp.Benutzer->Eingabe(t.BildGroesseCaption, t.BildGroesseText,
                                                     GraphBildFormat::GroesseText(groesse));
            if (!text) {
                return false;
            }
            const auto gelesen = GraphBildFormat::GroesseLesen(*text);
            if (!gelesen) {
                FApp.Nachricht(Meldung::Allgemein, t.BildGroesseFehlerText + *text);
                return false;
            }
            groesse = *gelesen;
            return true;
        }
        if (Export::ArtNachEndung(gewaehlt) == Export::TArt::Keine) {
            // Only these kinds exist; a name that is none of them is not silently dropped.
            FApp.Nachricht(Meldung::Allgemein,
                           gewaehlt + QStringLiteral(": nur die Endungen .csv, .txt, .png, "
                                                     ".svg und .pdf können exportiert "
                                                     "werden!"));
            return false;
        }
        return true;
    };
    schritte.Schreiben = [&](const QString& gewaehlt) -> bool {
        if (GraphBildFormat::ArtNachEndung(gewaehlt) != GraphBildFormat::TArt::Keine) {
            return GraphBildSchreiben::Schreiben(*FAbbildung, gewaehlt, groesse);
        }
        return bool(Export::Exportieren(gewaehlt, Diagramm));
    };
    SpeicherAblauf::Ausfuehren(FApp, dialog, schritte);
}
