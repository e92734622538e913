#include "graph/ui/GraphBildSchreiben.h"

#include "graph/ui/TGraphAbbildung.h"
#include "shell/TSpeicherDatei.h"

#include <qcustomplot.h>

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgGenerator>

namespace GraphBildSchreiben {

namespace {

QByteArray Png(TGraphAbbildung& abbildung, const GraphBildFormat::TGroesse& g) {
    const QImage bild = abbildung.Bild(g.Pixel, g.Skala);
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    if (!bild.save(&puffer, "PNG")) {
        return {};
    }
    return bytes;
}

QByteArray Svg(TGraphAbbildung& abbildung, const GraphBildFormat::TGroesse& g) {
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    svg.setSize(g.Pixel);
    svg.setViewBox(QRect(QPoint(0, 0), g.Pixel));
    svg.setTitle(QStringLiteral("Orvan"));
    QCPPainter maler;
    if (!maler.begin(&svg)) {
        return {};
    }
    maler.setMode(QCPPainter::pmVectorized);
    abbildung.Zeichnen(maler, g.Pixel.width(), g.Pixel.height());
    maler.end();
    // The generator gives the size in millimetres, which viewers turn back into pixels at
    // different resolutions; the picture's size is meant in pixels.
    static const QRegularExpression mm(
        QStringLiteral(R"(<svg([^>]*?) width="[^"]*" height="[^"]*")"));
    QString text = QString::fromUtf8(bytes);
    text.replace(mm, QStringLiteral(R"(<svg\1 width="%1" height="%2")")
                         .arg(g.Pixel.width())
                         .arg(g.Pixel.height()));
    return text.toUtf8();
}

QByteArray Pdf(TGraphAbbildung& abbildung, const GraphBildFormat::TGroesse& g) {
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&puffer);
    // One page of the picture's proportions, at 96 dots per inch: a point is 4/3 pixels.
    pdf.setResolution(96);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setPageSize(QPageSize(QSizeF(g.Pixel.width() * 0.75, g.Pixel.height() * 0.75),
                              QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setTitle(QStringLiteral("Orvan"));
    QCPPainter maler;
    if (!maler.begin(&pdf)) {
        return {};
    }
    maler.setMode(QCPPainter::pmVectorized);
    const double faktor = double(pdf.width()) / g.Pixel.width();
    maler.scale(faktor, faktor);
    abbildung.Zeichnen(maler, g.Pixel.width(), g.Pixel.height());
    if (!maler.end()) {
        return {};
    }
    return bytes;
}

} // namespace

bool Schreiben(TGraphAbbildung& abbildung, const QString& datei,
               const GraphBildFormat::TGroesse& groesse, QString* fehler) {
    QByteArray bytes;
    switch (GraphBildFormat::ArtNachEndung(datei)) {
    case GraphBildFormat::TArt::Png:
        bytes = Png(abbildung, groesse);
        break;
    case GraphBildFormat::TArt::Svg:
        bytes = Svg(abbildung, groesse);
        break;
    case GraphBildFormat::TArt::Pdf:
        bytes = Pdf(abbildung, groesse);
        break;
    case GraphBildFormat::TArt::Keine:
        if (fehler) {
            *fehler = QStringLiteral("keine Bild-Endung (.png, .svg, .pdf)");
        }
        return false;
    }
    if (bytes.isEmpty()) {
        if (fehler) {
            *fehler = QStringLiteral("das Bild konnte nicht erzeugt werden");
        }
        return false;
    }
    const TErgebnis e = TSpeicherDatei::Alles(datei, bytes);
    if (!e && fehler) {
        *fehler = e.Meldung;
    }
    return bool(e);
}

bool DiagrammSchreiben(const TDiagramm& d, const TEinheitenListe& einheiten,
                       const QString& marker1Text, const QString& marker2Text, const QString& datei,
                       const GraphBildFormat::TGroesse& groesse, QString* fehler) {
    TAnsichtZustand zustand;
    zustand.AchsenUebernehmen(d);
    zustand.KurvenUebernehmen(d);
    zustand.Einpassen(d);
    QCustomPlot chart;
    chart.resize(groesse.Pixel);
    TGraphAbbildung abbildung(&chart, TGraphAbbildung::TVerwendung::Standbild);
    abbildung.Anwenden(TGraphAnsicht::Berechnen(d, zustand, einheiten, marker1Text, marker2Text), d,
                       true);
    return Schreiben(abbildung, datei, groesse, fehler);
}

} // namespace GraphBildSchreiben
