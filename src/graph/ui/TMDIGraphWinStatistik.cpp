// The graph window's statistics table: what it shows, when it is computed again, the value
// of each curve at the cross-hair, snapping a marker to a curve's point and the export.
#include "graph/SpeicherAblauf.h"
#include "graph/Statistik.h"
#include "graph/StatistikTabelle.h"
#include "graph/ui/TMDIGraphWin.h"
#include "graph/ui/TStatistikTafel.h"
#include "shell/DateiDialoge.h"
#include "shell/Konfiguration.h"
#include "shell/TShellKontext.h"
#include "shell/Zahlen.h"

#include <qcustomplot.h>

#include <QFileInfo>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

QWidget* TMDIGraphWin::StatistikAnlegen() {
    StatistikTafel = new TStatistikTafel(FApp.Texte, this);
    StatistikTafel->setMinimumHeight(110);
    StatistikTafel->setVisible(FApp.AppConst.FensterStatistik);
    FStatistikKnopf = new QToolButton(this);
    FStatistikKnopf->setObjectName(QStringLiteral("BtnStatistik"));
    FStatistikKnopf->setText(FApp.Texte.BtnStatistikCaption);
    FStatistikKnopf->setToolTip(FApp.Texte.BtnStatistikHint);
    FStatistikKnopf->setCheckable(true);
    FStatistikKnopf->setChecked(FApp.AppConst.FensterStatistik);
    StatusBar2->addPermanentWidget(FStatistikKnopf);
    connect(FStatistikKnopf, &QToolButton::toggled, this, &TMDIGraphWin::StatistikZeigen);
    connect(StatistikTafel, &TStatistikTafel::ExportGewuenscht, this,
            &TMDIGraphWin::StatistikExportieren);
    // Every change of the view, of the curves and of the axes ends in a replot.
    connect(Chart, &QCustomPlot::afterReplot, this, &TMDIGraphWin::StatistikAnfordern);
    return StatistikTafel;
}

void TMDIGraphWin::StatistikZeigen(bool an) {
    FApp.AppConst.FensterStatistik = an;
    if (FStatistikKnopf->isChecked() != an) {
        FStatistikKnopf->setChecked(an);
    }
    StatistikTafel->setVisible(an);
    if (an) {
        StatistikBerechnen();
    }
}

void TMDIGraphWin::StatistikAnfordern() {
    // Several changes in one pass of the event loop (a zoom redraws, then sets the markers)
    // are computed once.
    if (FStatistikAusstehend) {
        return;
    }
    FStatistikAusstehend = true;
    QTimer::singleShot(0, this, [this] { StatistikBerechnen(); });
}

QVector<bool> TMDIGraphWin::XAufsteigend() const {
    // The chart draws a curve with rising X as a graph and any other in point order: the
    // order has been found out already when the series was made.
    QVector<bool> aufsteigend;
    if (FZustand.Kurven.size() == Diagramm.Kurven.size()) {
        for (const TAnsichtZustand::TKurvenBereich& k : FZustand.Kurven) {
            aufsteigend << k.Steigend;
        }
    }
    return aufsteigend;
}

void TMDIGraphWin::StatistikBerechnen() {
    FStatistikAusstehend = false;
    if (!StatistikTafel->isVisibleTo(this)) {
        return;
    }
    const Statistik::TBereich bereich =
        Statistik::Bereich(Diagramm, FZustand.Bereich[1].Min, FZustand.Bereich[1].Max);
    const TStatistikStand stand{bereich.Von, bereich.Bis, bereich.Marker, FStatistikStand};
    if (stand == FStatistikBerechnet) {
        return; // nothing the figures depend on has changed
    }
    FStatistikBerechnet = stand;
    // The full form for copy and export, the short form for the eye.
    StatistikTabelle::TFormat f = StatistikTabelle::FormatFuer(Diagramm, FApp.AppConst.Einheiten,
                                                               FApp.AppConst.ZeitDatumsformat);
    f.Cursor = true;
    f.Texte = StatistikTabelle::Beschriftung(FApp.Texte);
    StatistikTabelle::TFormat kurz = f;
    kurz.Anzeige = true;
    kurz.Texte = StatistikTabelle::Beschriftung(FApp.Texte, true);
    Statistik::SummenNachfuehren(Diagramm, FSummen);
    const QVector<TKurvenStatistik> liste =
        Statistik::DiagrammAuswerten(Diagramm, bereich.Von, bereich.Bis, FSummen);
    QList<QStringList> zeilen{StatistikTabelle::BereichZeile(bereich, f),
                              StatistikTabelle::Kopf(f)};
    QList<QStringList> anzeige{StatistikTabelle::BereichZeile(bereich, kurz),
                               StatistikTabelle::Kopf(kurz)};
    QStringList namen;
    FStatistikKurven.clear();
    FStatistikStellen.clear();
    for (const TKurvenStatistik& s : liste) {
        zeilen << StatistikTabelle::Zeile(s, f);
        anzeige << StatistikTabelle::Zeile(s, kurz);
        namen << s.Name;
        FStatistikKurven << s.Kurve;
        FStatistikStellen << StatistikTabelle::AnzeigeStellen(s);
    }
    StatistikTafel->Zeigen(zeilen, anzeige);
    StatistikTafel->FangKurvenSetzen(namen);
    StatistikCursor(FCursorX);
}

void TMDIGraphWin::StatistikCursor(std::optional<double> x) {
    FCursorX = x;
    if (!StatistikTafel->isVisibleTo(this)) {
        return;
    }
    const QVector<bool> aufsteigend = XAufsteigend();
    QStringList werte, anzeige;
    for (qsizetype r = 0; r < FStatistikKurven.size(); ++r) {
        const qsizetype i = FStatistikKurven[r];
        std::optional<double> wert;
        if (x && i < Diagramm.Kurven.size()) {
            wert = Statistik::WertBei(Diagramm.Kurven[i], *x,
                                      i < aufsteigend.size() ? std::optional<bool>(aufsteigend[i])
                                                             : std::nullopt);
        }
        werte << (wert ? Zahlen::GleitzahlText(*wert) : QString());
        anzeige << (wert ? StatistikTabelle::AnzeigeZahl(*wert, FStatistikStellen.value(r))
                         : QString());
    }
    StatistikTafel->CursorZeigen(werte, anzeige);
}

void TMDIGraphWin::MarkerFangen(int nummer) {
    const int wahl = StatistikTafel->FangKurve();
    if (wahl < 0 || wahl >= FStatistikKurven.size() ||
        FStatistikKurven[wahl] >= Diagramm.Kurven.size()) {
        return;
    }
    const qsizetype i = FStatistikKurven[wahl];
    const TKurve& k = Diagramm.Kurven[i];
    const QVector<bool> aufsteigend = XAufsteigend();
    double& x = nummer == 0 ? Diagramm.Marker1X : Diagramm.Marker2X;
    const auto p = Statistik::NaechsterPunkt(
        k, x, i < aufsteigend.size() ? std::optional<bool>(aufsteigend[i]) : std::nullopt);
    if (!p) {
        return;
    }
    x = p->X;
    // The value on the curve's own axis; the other axis keeps the clicked value.
    if (k.AchseRechts) {
        (nummer == 0 ? Diagramm.Marker1YRechts : Diagramm.Marker2YRechts) = p->Y;
    } else {
        (nummer == 0 ? Diagramm.Marker1YLinks : Diagramm.Marker2YLinks) = p->Y;
    }
}

void TMDIGraphWin::StatistikExportieren() {
    const TSprachTexte& t = FApp.Texte;
    TDateiDialog dialog = DateiDialogVorlage(FApp, t.StatistikExportCaption,
                                             t.ExportTextDateienText, QStringLiteral(".txt"));
    dialog.DateiName = QFileInfo(windowTitle()).completeBaseName() + t.StatistikDateiText;
    SpeicherAblauf::TSchritte schritte;
    schritte.Schreiben = [this](const QString& name) -> bool {
        StatistikBerechnen();
        return bool(StatistikTabelle::Speichern(name, StatistikTafel->Zeilen()));
    };
    SpeicherAblauf::Ausfuehren(FApp, dialog, schritte);
}
