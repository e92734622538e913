#include "graph/ui/TGraphAbbildung.h"

#include "graph/Ausduennung.h"
#include "graph/Kurvenwerte.h"
#include "graph/ui/GraphStile.h"
#include "graph/ui/TAchsenTicker.h"
#include "graph/ui/TGraphOverlay.h"
#include "shell/Arbeitsspeicher.h"

#include <qcustomplot.h>

#include <QLocale>
#include <climits>
#include <cmath>
#include <limits>

namespace {

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

constexpr int kLegendeSchrift = 11;
constexpr int kLegendeKleinSchrift = 8;

// The points of a curve of rising X as the chart takes them, all or those of `indizes`,
// made in place (millions of them: no second copy).
void PunkteSetzen(QCPGraph* g, const TKurve& k, const QVector<qsizetype>* indizes) {
    const qsizetype n = qMin(k.Werte[0].size(), k.Werte[1].size());
    const double* x = k.Werte[0].constData();
    const double* y = k.Werte[1].constData();
    QVector<QCPGraphData> punkte;
    if (indizes) {
        punkte.reserve(indizes->size());
        for (qsizetype j : *indizes) {
            punkte.append(
                QCPGraphData(Kurvenwerte::GezeigtX(k, x[j]), Kurvenwerte::GezeigtY(k, y[j])));
        }
    } else {
        punkte.reserve(n);
        Arbeitsspeicher::GrosseSeitenAnraten(punkte.data(), n * qint64(sizeof(QCPGraphData)));
        for (qsizetype j = 0; j < n; ++j) {
            punkte.append(
                QCPGraphData(Kurvenwerte::GezeigtX(k, x[j]), Kurvenwerte::GezeigtY(k, y[j])));
        }
    }
    g->data()->set(punkte, true);
}

// The pixel column of an X value as the chart's sampling counts it: its pixel truncated
// toward zero (a pixel far outside the int range stays at the range's end).
int Spalte(const QCPAxis* achse, double wert, int runden) {
    return int(qBound(double(INT_MIN), achse->coordToPixel(wert) + runden, double(INT_MAX)));
}

// The least number of points from which on the chart samples a stretch of a curve from
// shown X `erster` to `letzter`: two for every pixel it spans, and two more.
qsizetype MindestensFuerSampling(const QCPAxis* achse, double erster, double letzter) {
    const double spanne = qAbs(achse->coordToPixel(erster) - achse->coordToPixel(letzter));
    return 2 * spanne + 2 < double(INT_MAX) ? qsizetype(int(2 * spanne + 2))
                                            : std::numeric_limits<qsizetype>::max();
}

} // namespace

TGraphAbbildung::TGraphAbbildung(QCustomPlot* chart, TVerwendung verwendung)
    : Chart(chart), FVerwendung(verwendung) {
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
    // However small the window, the curves keep a plot they can be read in.
    Chart->axisRect()->setMinimumSize(MindestPlot());

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
    Chart->legend->setFont(GraphStile::Schrift(kLegendeSchrift, false));
    Chart->legend->setIconSize(15, 10);
    Chart->axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignTop | Qt::AlignRight);
    Chart->axisRect()->insetLayout()->setMargins(QMargins(5, 5, 5, 5));
    Chart->setBackground(QColor(192, 192, 192));
    Chart->axisRect()->setBackground(Qt::white);

    FOverlay = new TGraphOverlay(Chart);
    FOverlay->Vorbereiten = [this] {
        FOverlay->Plot = PlotRechteck();
        QPen stift(GraphStile::QtFarbe(FAnsicht.MarkerFarbe), 1,
                   GraphStile::Linienstil(FAnsicht.MarkerStil));
        // Not cosmetic: on paper and in a picture at twice the size the line grows with the
        // drawing instead of shrinking to one printer dot.
        FOverlay->MarkerStift = stift;
        for (int m = 0; m < 2; ++m) {
            const TGraphAnsicht::TMarkerBild& b = FAnsicht.Marker[m];
            FOverlay->Marker[m] = {b.Sichtbar, Pixel(b.X, b.YLinks), b.Text};
        }
    };
    // The legend is fitted to the plot each time the layout is made, on the screen and in
    // every drawing of another size.
    QObject::connect(Chart, &QCustomPlot::afterLayout, Chart, [this] {
        LegendeEinpassen();
        StandbildPunkte();
    });
}

TGraphAbbildung::~TGraphAbbildung() = default;

QSize TGraphAbbildung::MindestPlot() {
    return {200, 120};
}

QCPAxis* TGraphAbbildung::Achse(int nummer) const {
    switch (nummer) {
    case 0:
        return Chart->yAxis;
    case 1:
        return Chart->xAxis;
    default:
        return Chart->yAxis2;
    }
}

QRect TGraphAbbildung::PlotRechteck() const {
    return Chart->axisRect()->rect();
}

QPoint TGraphAbbildung::Pixel(double x, double yLinks) const {
    const QRect r = PlotRechteck();
    const TAnsichtZustand::TBereich b = FAnsicht.Achsen[1].Bereich;
    const TAnsichtZustand::TBereich l = FAnsicht.Achsen[0].Bereich;
    const int unten = r.top() + r.height();
    const auto ganz = [](double v) { return int(std::trunc(qBound(-1e7, v, 1e7))); };
    const int px =
        b.Spanne() > 0 ? r.left() + ganz(r.width() / b.Spanne() * (x - b.Min)) : r.left();
    const int py =
        l.Spanne() > 0 ? unten - ganz(r.height() / l.Spanne() * (yLinks - l.Min)) : unten;
    return {px, py};
}

void TGraphAbbildung::Anwenden(const TGraphAnsicht& ansicht, const TDiagramm& d, bool kurvenNeu) {
    FAnsicht = ansicht;
    Allgemein();
    Achsen();
    if (kurvenNeu || FReihen.size() != ansicht.Kurven.size()) {
        KurvenAnlegen(d);
    }
    KurvenAussehen();
    // A still picture chooses its points again at the next layout, for the looks now set.
    for (TStandbildQuelle& quelle : FStandbild) {
        quelle.Abbildung.fill(qQNaN());
    }
}

void TGraphAbbildung::Allgemein() {
    const TGraphAnsicht& a = FAnsicht;
    FTitel->setText(a.Titel);
    FFuss->setText(a.Fusszeile);
    Chart->setBackground(GraphStile::QtFarbe(a.Rahmenfarbe));
    Chart->axisRect()->setBackground(GraphStile::QtFarbe(a.Hintergrundfarbe));
    FTitel->setTextColor(GraphStile::QtFarbe(a.Schriftfarbe));
    FFuss->setTextColor(GraphStile::QtFarbe(a.Schriftfarbe));
    Chart->legend->setVisible(a.LegendeSichtbar);
}

void TGraphAbbildung::Achsen() {
    const QLocale region = Regionalformat();
    FTicker[1]->DatumFormat = region.dateFormat(QLocale::ShortFormat);
    FTicker[1]->ZeitFormat = OhneZeitzone(region.timeFormat(QLocale::LongFormat));
    FTicker[1]->DatumZeit = FAnsicht.DatumZeit;
    const QColor schrift = GraphStile::QtFarbe(FAnsicht.Schriftfarbe);
    for (int i = 0; i < 3; ++i) {
        const TGraphAnsicht::TAchsenBild& b = FAnsicht.Achsen[i];
        QCPAxis* a = Achse(i);
        a->setVisible(b.Sichtbar);
        a->grid()->setVisible(b.Sichtbar);
        a->setLabel(b.Beschriftung);
        a->setLabelColor(schrift);
        a->setTickLabelColor(schrift);
        a->setRange(QCPRange(b.Bereich.Min, b.Bereich.Max));
        FTicker[i]->Schritt = b.Schritt;
        QPen gitter(GraphStile::QtFarbe(b.Gitterfarbe), 0, GraphStile::Linienstil(b.Gitterstil));
        gitter.setCosmetic(true);
        a->grid()->setPen(gitter);
        a->grid()->setZeroLinePen(Qt::NoPen);
    }
}

void TGraphAbbildung::KurvenAnlegen(const TDiagramm& d) {
    Chart->clearPlottables();
    FReihen.clear();
    FStandbild.clear();
    for (const TGraphAnsicht::TKurvenBild& b : FAnsicht.Kurven) {
        QCPAxis* werteAchse = b.AchseRechts ? Chart->yAxis2 : Chart->yAxis;
        const TKurve& k = d.Kurven.at(b.Index);
        TStandbildQuelle quelle;
        if (Kurvenwerte::GezeigtSteigend(k)) {
            // Rising X values (every measurement): the fast series with adaptive sampling.
            auto* g = new QCPGraph(Chart->xAxis, werteAchse);
            g->setAdaptiveSampling(true);
            if (FVerwendung == TVerwendung::Standbild) {
                // The points follow when the picture is laid out and its columns are known.
                quelle.Kurve = &k;
                quelle.Abbildung.fill(qQNaN());
            } else {
                PunkteSetzen(g, k, nullptr);
            }
            FReihen.append(g);
        } else {
            // Other X values are drawn in point order, as they were entered.
            QVector<double> x;
            QVector<double> y;
            Kurvenwerte::GezeigtePunkte(k, x, y);
            auto* c = new QCPCurve(Chart->xAxis, werteAchse);
            c->setData(x, y);
            FReihen.append(c);
        }
        FStandbild.append(quelle);
    }
}

void TGraphAbbildung::StandbildPunkte() {
    if (FVerwendung != TVerwendung::Standbild) {
        return;
    }
    QCPAxis* achse = Chart->xAxis;
    const QRect plot = PlotRechteck();
    const std::array<double, 4> abbildung{achse->range().lower, achse->range().upper,
                                          double(plot.left()), double(plot.width())};
    // The chart's sampling: a column starts at the pixel of its first point (rounded away
    // from the axis' direction) and is one pixel wide, measured at the first column (on a
    // logarithmic axis at every column).
    const int richtung = achse->pixelOrientation();
    const int runden = richtung == -1 ? 1 : 0;
    const bool breiteJeSpalte = achse->scaleType() == QCPAxis::stLogarithmic;
    for (qsizetype i = 0; i < FReihen.size(); ++i) {
        TStandbildQuelle& quelle = FStandbild[i];
        if (quelle.Kurve == nullptr || quelle.Abbildung == abbildung) {
            continue;
        }
        quelle.Abbildung = abbildung;
        auto* g = static_cast<QCPGraph*>(FReihen[i]);
        const TKurve& k = *quelle.Kurve;
        const TGraphAnsicht::TKurvenBild& bild = FAnsicht.Kurven[i];
        if (!bild.Sichtbar) {
            g->data()->clear(); // not drawn at all
            continue;
        }
        if (bild.PunktSichtbar) {
            // Points drawn as symbols are sampled by another rule: the chart gets them all.
            PunkteSetzen(g, k, nullptr);
            continue;
        }
        double breite = qQNaN();
        Ausduennung::TSpalten spalten;
        spalten.Ende = [&](double x) {
            const double anfang = achse->pixelToCoord(Spalte(achse, x, runden));
            if (std::isnan(breite) || breiteJeSpalte) {
                breite = qAbs(anfang - achse->pixelToCoord(achse->coordToPixel(anfang) + richtung));
            }
            return anfang + breite;
        };
        // The chart samples only where there are at least two points for every pixel the
        // drawn points span; with fewer it draws each point as it is.
        spalten.Mindestens = [&](double erster, double letzter) {
            return MindestensFuerSampling(achse, erster, letzter);
        };
        const QVector<qsizetype> indizes =
            Ausduennung::Indizes(k, abbildung[0], abbildung[1], spalten);
        bool genug = false;
        if (!indizes.isEmpty()) {
            const double* x = k.Werte[0].constData();
            genug = indizes.size() >=
                    MindestensFuerSampling(achse, Kurvenwerte::GezeigtX(k, x[indizes.first()]),
                                           Kurvenwerte::GezeigtX(k, x[indizes.last()]));
        }
        // Should the thinned points not reach that (a stretch too thin to be sampled), the
        // chart gets them all.
        PunkteSetzen(g, k, genug ? &indizes : nullptr);
    }
}

qsizetype TGraphAbbildung::Punktzahl(qsizetype reihe) const {
    const QCPAbstractPlottable* p = FReihen.value(reihe);
    if (const auto* g = qobject_cast<const QCPGraph*>(p)) {
        return g->data()->size();
    }
    if (const auto* c = qobject_cast<const QCPCurve*>(p)) {
        return c->data()->size();
    }
    return 0;
}

void TGraphAbbildung::KurvenAussehen() {
    for (qsizetype i = 0; i < FReihen.size(); ++i) {
        const TGraphAnsicht::TKurvenBild& k = FAnsicht.Kurven[i];
        QCPAbstractPlottable* reihe = FReihen[i];
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
        if (auto* g = qobject_cast<QCPGraph*>(reihe)) {
            g->setLineStyle(k.LinieSichtbar ? QCPGraph::lsLine : QCPGraph::lsNone);
            g->setScatterStyle(punkte);
        } else if (auto* c = qobject_cast<QCPCurve*>(reihe)) {
            c->setLineStyle(k.LinieSichtbar ? QCPCurve::lsLine : QCPCurve::lsNone);
            c->setScatterStyle(punkte);
        }
        if (!k.LinieSichtbar) {
            stift.setStyle(Qt::NoPen);
        }
        reihe->setPen(stift);
        reihe->setName(k.Name);
        reihe->setVisible(k.Sichtbar);
        reihe->setAntialiased(false);
        // A hidden curve keeps its legend entry, greyed and in italics, so that a click on
        // it can show the curve again.
        if (QCPPlottableLegendItem* eintrag = Chart->legend->itemWithPlottable(reihe)) {
            eintrag->setTextColor(k.Sichtbar ? Chart->legend->textColor() : QColor(160, 160, 160));
            QFont schrift = eintrag->font();
            schrift.setItalic(!k.Sichtbar);
            eintrag->setFont(schrift);
        }
    }
}

std::optional<qsizetype> TGraphAbbildung::LegendenKurve(QPoint pixel) const {
    if (!Chart->legend->visible()) {
        return std::nullopt;
    }
    for (qsizetype i = 0; i < FReihen.size() && i < FAnsicht.Kurven.size(); ++i) {
        const QCPPlottableLegendItem* eintrag = Chart->legend->itemWithPlottable(FReihen[i]);
        if (eintrag != nullptr && eintrag->realVisibility() &&
            eintrag->outerRect().contains(pixel)) {
            return FAnsicht.Kurven[i].Index;
        }
    }
    return std::nullopt;
}

void TGraphAbbildung::LegendeEinpassen() {
    if (!FAnsicht.LegendeSichtbar) {
        Chart->legend->setVisible(false);
        return;
    }
    QCPLegend* legende = Chart->legend;
    const auto groesse = [legende](int schrift, QSize symbol) {
        legende->setFont(QFont(GraphStile::Schrift(schrift, false)));
        legende->setIconSize(symbol);
        for (int i = 0; i < legende->itemCount(); ++i) {
            // Each entry keeps its own slant (a hidden curve is in italics).
            QFont schrift = legende->font();
            schrift.setItalic(legende->item(i)->font().italic());
            legende->item(i)->setFont(schrift);
        }
        return legende->minimumOuterSizeHint();
    };
    const QSize voll = groesse(kLegendeSchrift, QSize(15, 10));
    const QSize klein = groesse(kLegendeKleinSchrift, QSize(10, 7));
    const QSize plot = PlotRechteck().size();
    switch (TGraphAnsicht::LegendenPlatz(plot, voll, klein)) {
    case TGraphAnsicht::TLegendenPlatz::Voll:
        groesse(kLegendeSchrift, QSize(15, 10));
        legende->setVisible(true);
        break;
    case TGraphAnsicht::TLegendenPlatz::Klein:
        legende->setVisible(true);
        break;
    case TGraphAnsicht::TLegendenPlatz::Keiner:
        legende->setVisible(false);
        break;
    }
    // The legend sits inside the plot: laying out the inset again after the change.
    QCPLayoutInset* inset = Chart->axisRect()->insetLayout();
    inset->update(QCPLayoutElement::upPreparation);
    inset->update(QCPLayoutElement::upMargins);
    inset->update(QCPLayoutElement::upLayout);
}

void TGraphAbbildung::Zeichnen(QCPPainter& maler, int breite, int hoehe) {
    // The picture as printed: the cross-hair belongs to the mouse and the zoom rectangle to
    // the drag, not to the graph.
    const QPoint kreuz = FOverlay->Fadenkreuz;
    const QRect rahmen = FOverlay->Zoomrahmen;
    FOverlay->Fadenkreuz = QPoint(-1, -1);
    FOverlay->Zoomrahmen = QRect();
    Chart->toPainter(&maler, breite, hoehe);
    FOverlay->Fadenkreuz = kreuz;
    FOverlay->Zoomrahmen = rahmen;
    // The layout was made for the drawing's size; the screen gets its own back.
    Chart->replot(QCustomPlot::rpQueuedReplot);
}

QImage TGraphAbbildung::Bild(QSize groesse, double skala) {
    QImage bild(QSize(qMax(1, int(std::lround(groesse.width() * skala))),
                      qMax(1, int(std::lround(groesse.height() * skala)))),
                QImage::Format_RGB32);
    bild.fill(Qt::white);
    QCPPainter maler(&bild);
    maler.scale(skala, skala);
    Zeichnen(maler, groesse.width(), groesse.height());
    return bild;
}
