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
#include <stdexcept>

namespace {

const QString kTrenner = QStringLiteral(" / ");

// The bottom axis labels date and time in the desktop's short date and long time format; a
// desktop without regional settings gets the German ones.
QLocale Regionalformat() {
    const QLocale system = QLocale::system();
    return system.language() == QLocale::C ? QLocale(QLocale::German, QLocale::Germany) : system;
}

QString OhneZeitzone(QString format) {
    format.remove(u't');
    return format.trimmed();
}

// The points of a series as the chart holds them: shown X and shown Y.
void PunkteLesen(const QCPAbstractPlottable* reihe, QVector<double>& x, QVector<double>& y) {
    x.clear();
    y.clear();
    if (const auto* g = qobject_cast<const QCPGraph*>(reihe)) {
        x.reserve(g->data()->size());
        y.reserve(g->data()->size());
        for (const QCPGraphData& p : *g->data()) {
            x.append(p.key);
            y.append(p.value);
        }
    } else if (const auto* c = qobject_cast<const QCPCurve*>(reihe)) {
        for (const QCPCurveData& p : *c->data()) {
            x.append(p.key);
            y.append(p.value);
        }
    }
}

} // namespace

TMDIGraphWin::TMDIGraphWin(TShellKontext& app, const TDiagramm& vorlage,
                           const TKurve& kurvenVorlage, const QString& name, bool oeffnen,
                           QWidget* eltern)
    : QWidget(eltern), FApp(app), FKurvenVorlage(kurvenVorlage),
      FParser(std::make_unique<TParser>()) {
    ChartAnlegen();
    NavigationEinrichten();
    setWindowTitle(name);
    Gespeichert = true;
    if (oeffnen) {
        // A missing file has been reported (message 28), a damaged one too; the window then
        // opens with an empty document.
        Diagramm = TDiagramm();
        TDiagramm gelesen;
        if (GraphDatei::GraphDateiOeffnen(FApp, name, gelesen)) {
            Diagramm = gelesen;
        }
    } else {
        Diagramm = vorlage;
    }
    GraphEigenschaftenSetzen();
    Aktualisieren();
}

TMDIGraphWin::~TMDIGraphWin() = default;

void TMDIGraphWin::ChartAnlegen() {
    Chart = new QCustomPlot(this);
    Chart->setObjectName(QStringLiteral("Chart"));
    Chart->setMouseTracking(true);
    Chart->setInteractions(QCP::Interactions());
    Chart->setNoAntialiasingOnDrag(true);
    Chart->setPlottingHint(QCP::phCacheLabels, true);
    Chart->installEventFilter(this);

    FTitel = new QCPTextElement(Chart, QString(), GraphStile::Schrift(21, true));
    FTitel->setTextColor(Qt::black);
    Chart->plotLayout()->insertRow(0);
    Chart->plotLayout()->addElement(0, 0, FTitel);
    FFuss = new QCPTextElement(Chart, QString(), GraphStile::Schrift(11, false));
    FFuss->setTextFlags(Qt::AlignLeft | Qt::AlignVCenter);
    FFuss->setTextColor(Qt::black);
    Chart->plotLayout()->addElement(2, 0, FFuss);
    Chart->plotLayout()->setRowSpacing(0);
    Chart->plotLayout()->setMargins(QMargins(2, 2, 2, 2));

    QCPAxis* achsen[3] = {Chart->yAxis, Chart->xAxis, Chart->yAxis2};
    for (int i = 0; i < 3; ++i) {
        FTicker[i] = QSharedPointer<TAchsenTicker>::create();
        achsen[i]->setTicker(FTicker[i]);
        achsen[i]->setVisible(true);
        achsen[i]->setTickLength(0, 5);
        achsen[i]->setSubTickLength(0, 0);
        achsen[i]->setLabelPadding(5);
        achsen[i]->setTickLabelFont(GraphStile::Schrift(12, false));
        achsen[i]->setLabelFont(GraphStile::Schrift(12, true));
        achsen[i]->grid()->setVisible(true);
        achsen[i]->setRange(-10, 10);
    }
    Chart->yAxis2->setTickLabels(true);
    Chart->xAxis2->setVisible(false);
    Chart->axisRect()->setRangeZoomAxes({Chart->xAxis}, {Chart->yAxis, Chart->yAxis2});

    Chart->legend->setVisible(false);
    Chart->legend->setFont(GraphStile::Schrift(11, false));
    Chart->legend->setIconSize(15, 10);
    Chart->axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignTop | Qt::AlignRight);
    Chart->axisRect()->insetLayout()->setMargins(QMargins(5, 5, 5, 5));
    Chart->setBackground(QColor(192, 192, 192));
    Chart->axisRect()->setBackground(Qt::white);

    FOverlay = new TGraphOverlay(Chart);
    FOverlay->Vorbereiten = [this] { OverlayVorbereiten(); };

    connect(Chart, &QCustomPlot::mousePress, this, &TMDIGraphWin::ChartMouseDown);
    connect(Chart, &QCustomPlot::mouseMove, this, &TMDIGraphWin::ChartMouseMove);
    connect(Chart, &QCustomPlot::mouseRelease, this, &TMDIGraphWin::ChartMouseUp);

    StatusBar2 = new QStatusBar(this);
    StatusBar2->setSizeGripEnabled(false);
    StatusBar1 = new QStatusBar(this);
    for (int leiste = 0; leiste < 2; ++leiste) {
        for (int i = 0; i < 3; ++i) {
            auto* panel = new QLabel(this);
            panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            panel->setMinimumWidth(40);
            (leiste == 0 ? StatusBar1 : StatusBar2)->addWidget(panel, 1);
            FPanel[leiste][i] = panel;
        }
    }
    auto* aufbau = new QVBoxLayout(this);
    aufbau->setContentsMargins(0, 0, 0, 0);
    aufbau->setSpacing(0);
    aufbau->addWidget(Chart, 1);
    aufbau->addWidget(StatistikAnlegen());
    aufbau->addWidget(StatusBar2);
    aufbau->addWidget(StatusBar1);
    setMinimumSize(240, 180);
}

void TMDIGraphWin::MarkerKnoepfeSetzen(QAction* marker1, QAction* marker2) {
    FMarkerKnopf[0] = marker1;
    FMarkerKnopf[1] = marker2;
}

void TMDIGraphWin::VorgabenSetzen(TVorgaben vorgaben) {
    FVorgaben = std::move(vorgaben);
}

void TMDIGraphWin::DruckerSetzen(QPrinter* drucker) {
    FDrucker = drucker;
}

QCPAxis* TMDIGraphWin::Achse(int nummer) const {
    switch (nummer) {
    case 0:
        return Chart->yAxis;
    case 1:
        return Chart->xAxis;
    default:
        return Chart->yAxis2;
    }
}

QString TMDIGraphWin::StatusText(int leiste, int panel) const {
    return FPanel[leiste == 1 ? 0 : 1][panel]->text();
}

// ---------------------------------------------------------------- document into the chart

void TMDIGraphWin::GraphEigenschaftenSetzen() {
    GraphEigenschaftenAllgemeinSetzen();
    GraphEigenschaftenAchsenSetzen();
    GraphEigenschaftenKurvenSetzen();
}

void TMDIGraphWin::GraphEigenschaftenAllgemeinSetzen() {
    const TDiagramm& d = Diagramm;
    FTitel->setText(d.Titel);
    FFuss->setText(d.Fusszeile);
    FRahmenfarbe = d.Rahmenfarbe;
    FHintergrundfarbe = d.Hintergrundfarbe;
    FSchriftfarbe = d.Schriftfarbe;
    Chart->setBackground(GraphStile::QtFarbe(d.Rahmenfarbe));
    Chart->axisRect()->setBackground(GraphStile::QtFarbe(d.Hintergrundfarbe));
    FTitel->setTextColor(GraphStile::QtFarbe(d.Schriftfarbe));
    FFuss->setTextColor(GraphStile::QtFarbe(d.Schriftfarbe));
    Chart->legend->setVisible(d.Legende);
    Neuzeichnen();
}

QString TMDIGraphWin::EinheitZeichen(const QString& einheit) const {
    // Entry 0 of the list is the neutral unit of the settings dialog and never used here.
    QString zeichen;
    const TEinheitenListe& liste = FApp.AppConst.Einheiten;
    for (qsizetype k = 1; k < liste.size(); ++k) {
        if (liste[k].Name == einheit) {
            zeichen = liste[k].Zeichen;
        }
    }
    return zeichen;
}

QString TMDIGraphWin::AchsenBeschriftung(const TAchse& achse) const {
    QString beschriftung = achse.Titel;
    const TEinheitenListe& liste = FApp.AppConst.Einheiten;
    for (qsizetype k = 1; k < liste.size(); ++k) {
        if (liste[k].Name == achse.Einheit) {
            beschriftung = achse.Titel + kTrenner + liste[k].Zeichen;
        }
    }
    return beschriftung;
}

void TMDIGraphWin::AchseSetzen(int nummer, const TAchse& achse) {
    QCPAxis* a = Achse(nummer);
    TAchsenTicker& ticker = *FTicker[nummer];
    a->setLabel(AchsenBeschriftung(achse));
    const QColor schrift = GraphStile::QtFarbe(Diagramm.Schriftfarbe);
    a->setLabelColor(schrift);
    a->setTickLabelColor(schrift);
    // The chart never sees a minimum above its maximum.
    a->setRange(QCPRange(qMin(achse.Minimum, achse.Maximum), qMax(achse.Minimum, achse.Maximum)));
    FAutomatik[nummer] = achse.MinMaxAutomatik;
    ticker.Schritt = achse.GitterAutomatik ? 0 : achse.Gitterabstand;
    FGitterstil[nummer] = achse.Gitterstil;
    FGitterfarbe[nummer] = achse.Gitterfarbe;
    QPen gitter(GraphStile::QtFarbe(achse.Gitterfarbe), 0,
                GraphStile::Linienstil(achse.Gitterstil));
    gitter.setCosmetic(true);
    a->grid()->setPen(gitter);
    a->grid()->setZeroLinePen(Qt::NoPen);
}

void TMDIGraphWin::GraphEigenschaftenAchsenSetzen() {
    const QLocale region = Regionalformat();
    FTicker[1]->DatumFormat = region.dateFormat(QLocale::ShortFormat);
    FTicker[1]->ZeitFormat = OhneZeitzone(region.timeFormat(QLocale::LongFormat));
    AchseSetzen(0, Diagramm.AchseLinks);
    AchseSetzen(1, Diagramm.AchseUnten);
    AchseSetzen(2, Diagramm.AchseRechts);
    FGezoomt = false;
    Neuzeichnen();
}

void TMDIGraphWin::KurveAnlegen(const TKurve& k) {
    QCPAxis* werteAchse = k.AchseRechts ? Chart->yAxis2 : Chart->yAxis;
    const qsizetype n = k.Punkte();
    QVector<double> x(n);
    QVector<double> y(n);
    bool sortiert = true;
    for (qsizetype j = 0; j < n; ++j) {
        x[j] = Kurvenwerte::GezeigtX(k, k.Werte[0][j]);
        y[j] = Kurvenwerte::GezeigtY(k, k.Werte[1][j]);
        if (j > 0 && !(x[j] >= x[j - 1])) {
            sortiert = false;
        }
    }
    const QColor linie = GraphStile::QtFarbe(k.Linienfarbe);
    const QColor punkt = GraphStile::QtFarbe(k.Punktfarbe);
    QPen stift(linie, qMax(1, k.Linienbreite), GraphStile::Linienstil(k.Linienstil));
    if (k.Linienbreite <= 1) {
        stift.setCosmetic(true);
    }
    const QCPScatterStyle punkte =
        k.PunktSichtbar
            ? GraphStile::Punktstil(k.Punktstil, k.Punktbreite, punkt, k.Linienbreite, punkt)
            : QCPScatterStyle(QCPScatterStyle::ssNone);

    QCPAbstractPlottable* reihe = nullptr;
    if (sortiert) {
        // Sorted X values (every measurement): the fast series with adaptive sampling.
        auto* g = new QCPGraph(Chart->xAxis, werteAchse);
        g->setData(x, y, true);
        g->setLineStyle(k.LinieSichtbar ? QCPGraph::lsLine : QCPGraph::lsNone);
        g->setScatterStyle(punkte);
        g->setAdaptiveSampling(true);
        reihe = g;
    } else {
        // Unsorted X values are drawn in point order, as they were entered.
        auto* c = new QCPCurve(Chart->xAxis, werteAchse);
        c->setData(x, y);
        c->setLineStyle(k.LinieSichtbar ? QCPCurve::lsLine : QCPCurve::lsNone);
        c->setScatterStyle(punkte);
        reihe = c;
    }
    if (!k.LinieSichtbar) {
        stift.setStyle(Qt::NoPen);
    }
    reihe->setPen(stift);
    reihe->setName(k.Name);
    reihe->setVisible(k.Sichtbar);
    reihe->setAntialiased(false);
    // What the chart cannot say itself, so that reading back gives the document's values.
    reihe->setProperty("Linienstil", int(k.Linienstil));
    reihe->setProperty("Linienbreite", k.Linienbreite);
    reihe->setProperty("LinieSichtbar", k.LinieSichtbar);
    reihe->setProperty("Linienfarbe", uint(k.Linienfarbe));
    reihe->setProperty("Punktfarbe", uint(k.Punktfarbe));
    reihe->setProperty("Punktstil", int(k.Punktstil));
    reihe->setProperty("Punktbreite", k.Punktbreite);
    reihe->setProperty("PunktSichtbar", k.PunktSichtbar);
    reihe->setProperty("DatumZeit", Diagramm.DatumZeitAchse);
    FReihen.append(reihe);
}

void TMDIGraphWin::GraphEigenschaftenKurvenSetzen() {
    Chart->clearPlottables();
    FReihen.clear();
    for (const TKurve& k : Diagramm.Kurven) {
        KurveAnlegen(k);
    }
    LegendeAbgleichen();
    ++FStatistikStand;
    FTicker[1]->DatumZeit = Diagramm.DatumZeitAchse;
    Neuzeichnen();
}

// ---------------------------------------------------------------- chart into the document

void TMDIGraphWin::GraphEigenschaftenLesen() {
    GraphEigenschaftenAllgemeinLesen();
    GraphEigenschaftenAchsenLesen();
    GraphEigenschaftenKurvenLesen();
}

void TMDIGraphWin::GraphEigenschaftenAllgemeinLesen() {
    TDiagramm& d = Diagramm;
    d.Titel = FTitel->text();
    d.Fusszeile = FFuss->text();
    d.Rahmenfarbe = FRahmenfarbe;
    d.Hintergrundfarbe = FHintergrundfarbe;
    d.Legende = Chart->legend->visible();
    d.Schriftfarbe = FSchriftfarbe;
    d.DatumZeitAchse = !FReihen.isEmpty() && FReihen.first()->property("DatumZeit").toBool();
}

QString TMDIGraphWin::AchsenTitel(const QString& beschriftung) {
    const qsizetype stelle = beschriftung.indexOf(kTrenner);
    return stelle < 0 ? beschriftung : beschriftung.left(stelle);
}

QString TMDIGraphWin::AchsenEinheit(const QString& beschriftung) {
    const qsizetype stelle = beschriftung.indexOf(kTrenner);
    return stelle < 0 ? QString() : beschriftung.mid(stelle + kTrenner.size());
}

void TMDIGraphWin::AchseLesen(int nummer, TAchse& achse) const {
    const QCPAxis* a = Achse(nummer);
    achse.Titel = AchsenTitel(a->label());
    const QString zeichen = AchsenEinheit(a->label());
    achse.Einheit.clear();
    for (const TEinheiten& e : FApp.AppConst.Einheiten) {
        if (e.Zeichen == zeichen) {
            achse.Einheit = e.Name;
        }
    }
    achse.Minimum = a->range().lower;
    achse.Maximum = a->range().upper;
    achse.MinMaxAutomatik = FAutomatik[nummer];
    achse.GitterAutomatik = FTicker[nummer]->Schritt == 0;
    achse.Gitterabstand = FTicker[nummer]->Schritt;
    achse.Gitterstil = FGitterstil[nummer];
    achse.Gitterfarbe = FGitterfarbe[nummer];
}

void TMDIGraphWin::GraphEigenschaftenAchsenLesen() {
    AchseLesen(0, Diagramm.AchseLinks);
    AchseLesen(1, Diagramm.AchseUnten);
    AchseLesen(2, Diagramm.AchseRechts);
}

void TMDIGraphWin::GraphEigenschaftenKurvenLesen() {
    Diagramm.Kurven.resize(FReihen.size());
    QVector<double> x;
    QVector<double> y;
    for (qsizetype i = 0; i < FReihen.size(); ++i) {
        const QCPAbstractPlottable* r = FReihen[i];
        TKurve& k = Diagramm.Kurven[i];
        k.Name = r->name();
        k.Sichtbar = r->visible();
        k.AchseRechts = r->valueAxis() == Chart->yAxis2;
        k.LinieSichtbar = r->property("LinieSichtbar").toBool();
        k.Linienstil = quint8(r->property("Linienstil").toInt());
        k.Linienbreite = r->property("Linienbreite").toInt();
        k.Linienfarbe = r->property("Linienfarbe").toUInt();
        k.PunktSichtbar = r->property("PunktSichtbar").toBool();
        k.Punktbreite = r->property("Punktbreite").toInt();
        k.Punktfarbe = r->property("Punktfarbe").toUInt();
        k.Punktstil = quint8(r->property("Punktstil").toInt());
        PunkteLesen(r, x, y);
        Kurvenwerte::GezeigteWerteUebernehmen(k, x, y);
    }
}

// ---------------------------------------------------------------- drawing

void TMDIGraphWin::Neuzeichnen() {
    // Axes that scale automatically fit the shown curves drawn against them.
    for (int i = 0; i < 3; ++i) {
        if (!FAutomatik[i]) {
            continue;
        }
        QCPAxis* a = Achse(i);
        bool gefunden = false;
        QCPRange bereich;
        for (QCPAbstractPlottable* r : FReihen) {
            if (!r->visible() || (r->keyAxis() != a && r->valueAxis() != a)) {
                continue;
            }
            bool ok = false;
            const QCPRange teil = r->keyAxis() == a ? r->getKeyRange(ok) : r->getValueRange(ok);
            if (ok) {
                bereich = gefunden ? QCPRange(qMin(bereich.lower, teil.lower),
                                              qMax(bereich.upper, teil.upper))
                                   : teil;
                gefunden = true;
            }
        }
        if (gefunden) {
            // A single value gets a span around it; the conversions need one above zero.
            if (bereich.size() <= 0) {
                const double rand = bereich.lower == 0 ? 1 : std::abs(bereich.lower) * 0.01;
                bereich = QCPRange(bereich.lower - rand, bereich.upper + rand);
            }
            a->setRange(bereich);
        }
    }
    Chart->replot();
}

void TMDIGraphWin::Aktualisieren() {
    DatumZeitIntervall = 1.0;
    Chart->setStatusTip(FApp.Texte.GraphFensterHint);
    setStatusTip(FApp.Texte.GraphFensterHint);
    MarkerSetzen();
    Neuzeichnen();
}

QRect TMDIGraphWin::PlotRechteck() const {
    return Chart->axisRect()->rect();
}

TMDIGraphWin::TRealWerte TMDIGraphWin::BerechneRealWerte(int x, int y) const {
    const QRect r = PlotRechteck();
    const QCPRange b = Chart->xAxis->range();
    const QCPRange l = Chart->yAxis->range();
    const QCPRange re = Chart->yAxis2->range();
    const double w = r.width();
    const double h = r.height();
    const int unten = r.top() + r.height();
    TRealWerte werte;
    werte.X = w > 0 ? (b.upper - b.lower) / w * (x - r.left()) + b.lower : b.lower;
    werte.YLinks = h > 0 ? (l.upper - l.lower) / h * (unten - y) + l.lower : l.lower;
    werte.YRechts = h > 0 ? (re.upper - re.lower) / h * (unten - y) + re.lower : re.lower;
    return werte;
}

QPoint TMDIGraphWin::BerechnePixelWerte(double x, double yLinks) const {
    const QRect r = PlotRechteck();
    const QCPRange b = Chart->xAxis->range();
    const QCPRange l = Chart->yAxis->range();
    const int unten = r.top() + r.height();
    // Far outside the plot the pixel is clamped, so that nothing overflows.
    const auto ganz = [](double v) { return int(std::trunc(qBound(-1e7, v, 1e7))); };
    const int px = b.size() > 0 ? r.left() + ganz(r.width() / b.size() * (x - b.lower)) : r.left();
    const int py = l.size() > 0 ? unten - ganz(r.height() / l.size() * (yLinks - l.lower)) : unten;
    return {px, py};
}

// ---------------------------------------------------------------- import and dialogs

void TMDIGraphWin::GraphEigenschaftenBearbeiten() {
    GraphEigenschaftenLesen();
    TDiagramm eigenesDiagramm = FVorgaben.DefaultDiagramm ? TDiagramm() : Diagramm;
    TKurve eigeneKurve = FKurvenVorlage;
    TGraphWinCfgForm dialog(Diagramm, FApp.AppConst, FApp.Texte, *FApp.Benutzer,
                            FVorgaben.DefaultKurve ? *FVorgaben.DefaultKurve : eigeneKurve,
                            FVorgaben.DefaultDiagramm ? *FVorgaben.DefaultDiagramm
                                                      : eigenesDiagramm,
                            FVorgaben.Schreiben, this);
    connect(&dialog, &TGraphWinCfgForm::Speichern, this, [this](const TDiagramm& kopie) {
        Gespeichert = false;
        DiagrammKopieren(kopie, Diagramm);
        GraphEigenschaftenSetzen();
    });
    connect(&dialog, &TGraphWinCfgForm::EinheitenBearbeitenGewuenscht, this,
            &TMDIGraphWin::EinheitenBearbeitenGewuenscht);
    dialog.exec();
}

void TMDIGraphWin::closeEvent(QCloseEvent* ereignis) {
    if (!Gespeichert) {
        const int antwort = FApp.Nachricht(30, windowTitle());
        if (antwort == mrCancel) {
            ereignis->ignore();
            return;
        }
        if (antwort == mrYes) {
            GraphDateiSpeichern(windowTitle());
            if (!Gespeichert) {
                ereignis->ignore();
                return;
            }
        }
    }
    TAppConst& a = FApp.AppConst;
    QWidget* rahmen = qobject_cast<QMdiSubWindow*>(parentWidget()) != nullptr
                          ? parentWidget()
                          : static_cast<QWidget*>(this);
    // A minimised window is a title-bar strip and a maximised one fills the area; the size
    // to remember is the one it has as a normal window. A window inside the main window has
    // no normal geometry of its own to ask for, so it is made normal on its way out.
    const bool maximiert = rahmen->isMaximized();
    if (rahmen->isMinimized() || maximiert) {
        rahmen->showNormal();
    }
    const QRect lage = rahmen->geometry();
    a.FensterLinks = lage.left();
    a.FensterOben = lage.top();
    a.FensterBreite = lage.width();
    a.FensterHoehe = lage.height();
    a.FensterMaximiert = maximiert;
    FensterPositionSpeichern(FApp);
    ereignis->accept();
}
