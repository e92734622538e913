#include "graph/ui/TGraphOverlay.h"

#include "graph/ui/GraphStile.h"

namespace {
const QString kEbene = QStringLiteral("overlay");
}

TGraphOverlay::TGraphOverlay(QCustomPlot* chart) : QCPLayerable(chart, kEbene) {
    if (QCPLayer* ebene = chart->layer(kEbene)) {
        ebene->setMode(QCPLayer::lmBuffered);
    }
}

void TGraphOverlay::Neuzeichnen() {
    if (Vorbereiten) {
        Vorbereiten();
    }
    if (layer() != nullptr) {
        layer()->replot();
    }
}

void TGraphOverlay::applyDefaultAntialiasingHint(QCPPainter* painter) const {
    painter->setAntialiasing(false);
}

void TGraphOverlay::Kreuz(QCPPainter* painter, QPoint p) const {
    // Each line only where its position lies inside the plot rectangle.
    const int rechts = Plot.left() + Plot.width();
    const int unten = Plot.top() + Plot.height();
    if (p.x() >= Plot.left() && p.x() < rechts) {
        painter->drawLine(QLine(p.x(), Plot.top(), p.x(), unten - 1));
    }
    if (p.y() >= Plot.top() && p.y() < unten) {
        painter->drawLine(QLine(Plot.left(), p.y(), rechts - 1, p.y()));
    }
}

void TGraphOverlay::draw(QCPPainter* painter) {
    if (Vorbereiten) {
        Vorbereiten();
    }
    painter->save();
    painter->setClipRect(Plot.adjusted(0, 0, 1, 1));
    for (const TMarkerBild& m : Marker) {
        if (!m.Sichtbar) {
            continue;
        }
        painter->setPen(MarkerStift);
        Kreuz(painter, m.Pixel);
        painter->setFont(GraphStile::Schrift(11, false));
        painter->setPen(MarkerStift.color());
        const QRect platz(m.Pixel + QPoint(3, 2), QSize(200, 20));
        painter->drawText(platz, Qt::AlignLeft | Qt::AlignTop, m.Text);
    }
    if (Fadenkreuz.x() >= 0) {
        QPen grau(QColor(128, 128, 128), 1);
        grau.setCosmetic(true);
        painter->setPen(grau);
        Kreuz(painter, Fadenkreuz);
    }
    if (!Zoomrahmen.isEmpty()) {
        QPen rahmen(QColor(0, 0, 0), 1, Qt::DashLine);
        rahmen.setCosmetic(true);
        painter->setPen(rahmen);
        painter->setBrush(QColor(80, 120, 200, 40));
        painter->drawRect(Zoomrahmen);
    }
    painter->restore();
}
