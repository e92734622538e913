#include "graph/ui/GraphStile.h"

#include "graph/Farben.h"

#include <qcustomplot.h>

namespace GraphStile {

QColor QtFarbe(TColor farbe) {
    const TColor f = Farben::Darstellungsfarbe(farbe);
    return QColor(int(f & 0xFFu), int((f >> 8) & 0xFFu), int((f >> 16) & 0xFFu));
}

TColor DokumentFarbe(const QColor& farbe) {
    return TColor(farbe.red()) | (TColor(farbe.green()) << 8) | (TColor(farbe.blue()) << 16);
}

Qt::PenStyle Linienstil(quint8 stil) {
    switch (stil & 0x7F) {
    case 1:
        return Qt::DashLine;
    case 2:
        return Qt::DotLine;
    case 3:
        return Qt::DashDotLine;
    case 4:
        return Qt::DashDotDotLine;
    case 5:
        return Qt::NoPen;
    default:
        return Qt::SolidLine; // psSolid, psInsideFrame
    }
}

QCPScatterStyle Punktstil(quint8 stil, int groesse, const QColor& rand, int randBreite,
                          const QColor& fuellung) {
    QCPScatterStyle::ScatterShape form = QCPScatterStyle::ssSquare;
    bool gefuellt = true;
    switch (stil & 0x7F) {
    case 0:
        form = QCPScatterStyle::ssSquare;
        break;
    case 1:
        form = QCPScatterStyle::ssCircle;
        break;
    case 2:
        form = QCPScatterStyle::ssTriangle;
        break;
    case 3:
        form = QCPScatterStyle::ssTriangleInverted;
        break;
    case 4:
        form = QCPScatterStyle::ssPlus;
        gefuellt = false;
        break;
    case 5:
        form = QCPScatterStyle::ssCross;
        gefuellt = false;
        break;
    case 6:
        form = QCPScatterStyle::ssStar;
        gefuellt = false;
        break;
    case 7:
        form = QCPScatterStyle::ssDiamond;
        break;
    case 8:
        form = QCPScatterStyle::ssDot;
        gefuellt = false;
        break;
    default:
        break;
    }
    QPen stift(rand, qMax(1, randBreite));
    stift.setCosmetic(true);
    return QCPScatterStyle(form, stift, gefuellt ? QBrush(fuellung) : QBrush(Qt::NoBrush),
                           qMax(1, groesse));
}

QFont Schrift(int pixel, bool fett) {
    QFont schrift(QStringLiteral("Arial"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(pixel);
    schrift.setBold(fett);
    return schrift;
}

} // namespace GraphStile
