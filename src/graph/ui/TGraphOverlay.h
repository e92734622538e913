#pragma once

#include <qcustomplot.h>

#include <QPen>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>

// What is drawn over the finished chart: the two markers with their labels, the cross-hair
// under the mouse and the zoom rectangle while it is dragged. It lives on a layer with its
// own buffer, so moving the cross-hair repaints only this layer, never the curves.
class TGraphOverlay : public QCPLayerable {
    Q_OBJECT
public:
    struct TMarkerBild {
        bool Sichtbar = false;
        QPoint Pixel;
        QString Text;
    };

    explicit TGraphOverlay(QCustomPlot* chart);

    // Called at the start of every drawing, so the markers follow zoom, scroll and resizing.
    std::function<void()> Vorbereiten;

    TMarkerBild Marker[2];
    QPen MarkerStift;
    QPoint Fadenkreuz{-1, -1}; // x = -1: none
    QRect Zoomrahmen;          // empty: none
    QRect Plot;                // the plot rectangle the lines are clipped to

    // Repaints only this layer.
    void Neuzeichnen();

protected:
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
    void draw(QCPPainter* painter) override;

private:
    void Kreuz(QCPPainter* painter, QPoint p) const;
};
