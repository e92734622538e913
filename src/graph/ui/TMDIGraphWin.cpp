#include "graph/ui/TMDIGraphWin.h"

#include "formula/TParser.h"
#include "graph/Export.h"
#include "graph/GraphDatei.h"
#include "graph/Kurvenwerte.h"
#include "graph/ui/GraphStile.h"
#include "graph/ui/TAchsenTicker.h"
#include "graph/ui/TGraphOverlay.h"
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
    aufbau->addWidget(StatusBar2);
    aufbau->addWidget(StatusBar1);
    setMinimumSize(240, 180);
}

void TMDIGraphWin::MarkerKnoepfeSetzen(QAction* marker1, QAction* marker2) {
    FMarkerKnopf[0] = marker1;
    FMarkerKnopf[1] = marker2;
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

// ---------------------------------------------------------------- zoom and scroll

void TMDIGraphWin::ZoomMerken() {
    if (!FGezoomt) {
        FZoomAutomatik = FAutomatik;
        FGezoomt = true;
    }
}

void TMDIGraphWin::Zoomen(double prozent) {
    ZoomMerken();
    for (int i = 0; i < 3; ++i) {
        QCPAxis* a = Achse(i);
        const double d = (a->range().upper - a->range().lower) * (prozent - 100) * 0.01;
        a->setRange(a->range().lower + d, a->range().upper - d);
        FAutomatik[i] = false;
    }
    Neuzeichnen();
    MarkerSetzen();
}

void TMDIGraphWin::ZoomGross() {
    Zoomen(110);
}

void TMDIGraphWin::ZoomKlein() {
    Zoomen(90);
}

void TMDIGraphWin::Verschieben(QCPAxis* achse, double versatz, int nummer) {
    achse->setRange(achse->range().lower + versatz, achse->range().upper + versatz);
    FAutomatik[nummer] = false;
}

void TMDIGraphWin::ScrollLinks() {
    Verschieben(Chart->xAxis, -Chart->xAxis->range().size() / 10, 1);
    Neuzeichnen();
    MarkerSetzen();
}

void TMDIGraphWin::ScrollRechts() {
    Verschieben(Chart->xAxis, Chart->xAxis->range().size() / 10, 1);
    Neuzeichnen();
    MarkerSetzen();
}

void TMDIGraphWin::ScrollOben() {
    Verschieben(Chart->yAxis, Chart->yAxis->range().size() / 10, 0);
    Verschieben(Chart->yAxis2, Chart->yAxis2->range().size() / 10, 2);
    Neuzeichnen();
    MarkerSetzen();
}

void TMDIGraphWin::ScrollUnten() {
    Verschieben(Chart->yAxis, -Chart->yAxis->range().size() / 10, 0);
    Verschieben(Chart->yAxis2, -Chart->yAxis2->range().size() / 10, 2);
    Neuzeichnen();
    MarkerSetzen();
}

void TMDIGraphWin::GraphRefresh() {
    if (FGezoomt) {
        FAutomatik = FZoomAutomatik;
        FGezoomt = false;
    }
    const std::array<bool, 3> gemerkt = FAutomatik;
    FAutomatik = {true, true, true};
    Neuzeichnen();
    MarkerSetzen();
    FAutomatik = gemerkt;
    GraphEigenschaftenAchsenLesen();
}

void TMDIGraphWin::DatumZeit() {
    GraphEigenschaftenAchsenLesen();
    TDiagramm& d = Diagramm;
    d.DatumZeitAchse = !d.DatumZeitAchse;
    // Without curves there is no interval to take; 1 keeps the limits where they are.
    const double iv = d.Kurven.isEmpty() ? 1.0 : d.Kurven.first().Intervall;
    TAchse& unten = d.AchseUnten;
    if (d.DatumZeitAchse) {
        DatumZeitIntervall = iv;
        if (iv != 0) {
            unten.Minimum = unten.Minimum / iv + d.XMin;
            unten.Maximum = unten.Maximum / iv + d.XMin;
        }
        for (TKurve& k : d.Kurven) {
            k.Intervall = 1;
            k.Start = k.Start + d.XMin;
        }
    } else {
        unten.Minimum = (unten.Minimum - d.XMin) * DatumZeitIntervall;
        unten.Maximum = (unten.Maximum - d.XMin) * DatumZeitIntervall;
        for (TKurve& k : d.Kurven) {
            k.Intervall = DatumZeitIntervall;
            k.Start = k.Start - d.XMin;
        }
    }
    GraphEigenschaftenAchsenSetzen();
    GraphEigenschaftenKurvenSetzen();
    MarkerSetzen();
}

// ---------------------------------------------------------------- markers and cross-hair

bool TMDIGraphWin::MarkerScharf(int nummer) const {
    const QAction* knopf = FMarkerKnopf[nummer];
    return knopf != nullptr ? knopf->isChecked() : FMarkerArmiert[nummer];
}

void TMDIGraphWin::MarkerKnopf(int nummer, bool gedrueckt) {
    if (QAction* knopf = FMarkerKnopf[nummer]) {
        knopf->setChecked(gedrueckt);
    }
    FMarkerArmiert[nummer] = gedrueckt;
}

void TMDIGraphWin::MarkerSchalten(int nummer) {
    bool& sichtbar = nummer == 0 ? Diagramm.Marker1Sichtbar : Diagramm.Marker2Sichtbar;
    if (sichtbar) {
        sichtbar = false;
        MarkerKnopf(nummer, false);
        MarkerSetzen();
    } else {
        MarkerKnopf(nummer, true);
    }
}

void TMDIGraphWin::Marker1() {
    MarkerSchalten(0);
}

void TMDIGraphWin::Marker2() {
    MarkerSchalten(1);
}

void TMDIGraphWin::OverlayVorbereiten() {
    const TDiagramm& d = Diagramm;
    FOverlay->Plot = PlotRechteck();
    QPen stift(GraphStile::QtFarbe(d.MarkerFarbe), 1, GraphStile::Linienstil(d.MarkerStil));
    stift.setCosmetic(true);
    FOverlay->MarkerStift = stift;
    FOverlay->Marker[0] = {d.Marker1Sichtbar, BerechnePixelWerte(d.Marker1X, d.Marker1YLinks),
                           FApp.Texte.Marker1Text};
    FOverlay->Marker[1] = {d.Marker2Sichtbar, BerechnePixelWerte(d.Marker2X, d.Marker2YLinks),
                           FApp.Texte.Marker2Text};
}

void TMDIGraphWin::MarkerSetzen() {
    FOverlay->Fadenkreuz = QPoint(-1, -1);
    TDiagramm& d = Diagramm;
    if (!d.Marker1Sichtbar) {
        d.Marker1X = d.Marker1YLinks = d.Marker1YRechts = 0;
    }
    if (!d.Marker2Sichtbar) {
        d.Marker2X = d.Marker2YLinks = d.Marker2YRechts = 0;
    }
    FOverlay->Neuzeichnen();
}

QPoint TMDIGraphWin::Fadenkreuz() const {
    return FOverlay->Fadenkreuz;
}

void TMDIGraphWin::FadenkreuzEntfernen() {
    if (FOverlay->Fadenkreuz.x() >= 0) {
        FOverlay->Fadenkreuz = QPoint(-1, -1);
        FOverlay->Neuzeichnen();
    }
}

void TMDIGraphWin::ChartMouseDown(QMouseEvent* ereignis) {
    const QPoint p = ereignis->pos();
    if (!PlotRechteck().contains(p)) {
        return;
    }
    if (ereignis->button() == Qt::RightButton) {
        FSchieben = true;
        FSchiebeLetzte = p;
        return;
    }
    if (ereignis->button() != Qt::LeftButton) {
        return;
    }
    bool gesetzt = false;
    TDiagramm& d = Diagramm;
    for (int nummer = 0; nummer < 2; ++nummer) {
        bool& sichtbar = nummer == 0 ? d.Marker1Sichtbar : d.Marker2Sichtbar;
        if (MarkerScharf(nummer) && !sichtbar) {
            sichtbar = true;
            MarkerKnopf(nummer, false);
            const TRealWerte w = BerechneRealWerte(p.x(), p.y());
            (nummer == 0 ? d.Marker1X : d.Marker2X) = w.X;
            (nummer == 0 ? d.Marker1YLinks : d.Marker2YLinks) = w.YLinks;
            (nummer == 0 ? d.Marker1YRechts : d.Marker2YRechts) = w.YRechts;
            MarkerSetzen();
            gesetzt = true;
        }
    }
    if (!gesetzt) {
        FZiehStart = p;
        FZoomZiehen = true;
    }
}

void TMDIGraphWin::Panelsetzen(int x, int y) {
    const TDiagramm& d = Diagramm;
    const TRealWerte w = BerechneRealWerte(x, y);
    const QString links = EinheitZeichen(d.AchseLinks.Einheit);
    const QString unten = EinheitZeichen(d.AchseUnten.Einheit);
    const QString rechts = EinheitZeichen(d.AchseRechts.Einheit);
    const auto z = [](double v) { return Zahlen::GleitzahlText(v); };
    const TSprachTexte& t = FApp.Texte;
    FPanel[0][0]->setText(d.AchseLinks.Titel + u'=' + z(w.YLinks) + u' ' + links);
    FPanel[1][0]->setText(t.DeltaYLinksText + u'=' + z(d.Marker2YLinks - d.Marker1YLinks) + u' ' +
                          links);
    FPanel[0][1]->setText(d.AchseUnten.Titel + u'=' + z(w.X) + u' ' + unten);
    FPanel[1][1]->setText(t.DeltaXText + u'=' + z(d.Marker2X - d.Marker1X) + u' ' + unten);
    FPanel[0][2]->setText(d.AchseRechts.Titel + u'=' + z(w.YRechts) + u' ' + rechts);
    FPanel[1][2]->setText(t.DeltaYRechtsText + u'=' + z(d.Marker2YRechts - d.Marker1YRechts) +
                          u' ' + rechts);
}

void TMDIGraphWin::ChartMouseMove(QMouseEvent* ereignis) {
    const QPoint p = ereignis->pos();
    if (FSchieben) {
        // Panning: the curves follow the mouse on all three axes.
        const QPoint delta = p - FSchiebeLetzte;
        FSchiebeLetzte = p;
        const QRect r = PlotRechteck();
        if (r.width() > 0 && r.height() > 0) {
            Verschieben(Chart->xAxis, -delta.x() * Chart->xAxis->range().size() / r.width(), 1);
            Verschieben(Chart->yAxis, delta.y() * Chart->yAxis->range().size() / r.height(), 0);
            Verschieben(Chart->yAxis2, delta.y() * Chart->yAxis2->range().size() / r.height(), 2);
            FOverlay->Fadenkreuz = QPoint(-1, -1);
            Chart->replot(QCustomPlot::rpQueuedReplot);
        }
        return;
    }
    if (FZoomZiehen) {
        FOverlay->Zoomrahmen = QRect(FZiehStart, p).normalized().intersected(PlotRechteck());
    }
    if (!PlotRechteck().contains(p)) {
        Chart->setCursor(Qt::ArrowCursor);
        FadenkreuzEntfernen();
        return;
    }
    Chart->setCursor(Qt::CrossCursor);
    FOverlay->Fadenkreuz = p;
    FOverlay->Neuzeichnen();
    Panelsetzen(p.x(), p.y());
}

void TMDIGraphWin::ChartMouseUp(QMouseEvent* ereignis) {
    if (ereignis->button() == Qt::RightButton && FSchieben) {
        FSchieben = false;
        MarkerSetzen();
        return;
    }
    if (ereignis->button() != Qt::LeftButton || !FZoomZiehen) {
        return;
    }
    FZoomZiehen = false;
    const QRect rahmen = FOverlay->Zoomrahmen;
    FOverlay->Zoomrahmen = QRect();
    if (rahmen.width() >= 4 && rahmen.height() >= 4) {
        ZoomMerken();
        const TRealWerte obenLinks = BerechneRealWerte(rahmen.left(), rahmen.top());
        const TRealWerte untenRechts = BerechneRealWerte(rahmen.right(), rahmen.bottom());
        Chart->xAxis->setRange(obenLinks.X, untenRechts.X);
        Chart->yAxis->setRange(untenRechts.YLinks, obenLinks.YLinks);
        Chart->yAxis2->setRange(untenRechts.YRechts, obenLinks.YRechts);
        FAutomatik = {false, false, false};
        Neuzeichnen();
    }
    MarkerSetzen();
}

bool TMDIGraphWin::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == Chart && ereignis->type() == QEvent::Leave) {
        FadenkreuzEntfernen();
    }
    return QWidget::eventFilter(objekt, ereignis);
}

// ---------------------------------------------------------------- import and dialogs

void TMDIGraphWin::GraphEigenschaftenBearbeiten() {
    GraphEigenschaftenLesen();
    // The graph properties dialog comes with its own subsystem.
    FApp.Nachricht(999, QString(FApp.Texte.GraphEigenschaftenCaption).remove(u'&'));
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
    const QWidget* rahmen = qobject_cast<QMdiSubWindow*>(parentWidget()) != nullptr
                                ? parentWidget()
                                : static_cast<QWidget*>(this);
    const QRect lage = rahmen->isMaximized() ? rahmen->normalGeometry() : rahmen->geometry();
    a.FensterLinks = lage.left();
    a.FensterOben = lage.top();
    a.FensterBreite = lage.width();
    a.FensterHoehe = lage.height();
    a.FensterMaximiert = rahmen->isMaximized();
    FensterPositionSpeichern(FApp);
    ereignis->accept();
}

// ---------------------------------------------------------------- saving

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

void TMDIGraphWin::ChartDrucken(QPrinter& drucker) {
    QCPPainter maler;
    if (!maler.begin(&drucker)) {
        throw std::runtime_error("Der Druckauftrag kann nicht begonnen werden.");
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
        throw std::runtime_error("Der Druckauftrag konnte nicht abgeschlossen werden.");
    }
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
    ChartDrucken(*drucker);
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
    QString fehler;
    if (!Export::Exportieren(*gewaehlt, Diagramm, &fehler)) {
        FApp.Nachricht(29, *gewaehlt);
    }
}
