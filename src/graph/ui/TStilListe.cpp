#include "graph/ui/TStilListe.h"

#include "graph/ui/GraphStile.h"
#include "shell/Stilnamen.h"

#include <qcustomplot.h>

#include <QPainter>
#include <QPixmap>

namespace {

const QStringList kLinien = {QStringLiteral("Solid"),      QStringLiteral("Dash"),
                             QStringLiteral("Dot"),        QStringLiteral("DashDot"),
                             QStringLiteral("DashDotDot"), QStringLiteral("Clear")};
const QStringList kPunkte = {
    QStringLiteral("Rectangle"),    QStringLiteral("Circle"),  QStringLiteral("Triangle"),
    QStringLiteral("DownTriangle"), QStringLiteral("Cross"),   QStringLiteral("DiagCross"),
    QStringLiteral("Star"),         QStringLiteral("Diamond"), QStringLiteral("SmallDot")};

} // namespace

TStilListe::TStilListe(TArt art, QWidget* eltern) : QComboBox(eltern), FArt(art) {
    setIconSize(art == TArt::Linie ? QSize(40, 14) : QSize(16, 16));
    for (const QString& name : art == TArt::Linie ? kLinien : kPunkte) {
        addItem(Bild(name), name);
    }
}

QIcon TStilListe::Bild(const QString& name) const {
    const QSize groesse = iconSize();
    QPixmap bild(groesse);
    bild.fill(Qt::transparent);
    QCPPainter maler(&bild);
    const QString stilName = QStringLiteral("ps") + name;
    if (FArt == TArt::Linie) {
        QPen stift(Qt::black, 2, GraphStile::Linienstil(Stilnamen::LinienstilWert(stilName)));
        maler.setPen(stift);
        maler.drawLine(
            QLineF(2, groesse.height() / 2.0, groesse.width() - 3, groesse.height() / 2.0));
    } else {
        maler.setRenderHint(QPainter::Antialiasing);
        const QCPScatterStyle stil = GraphStile::Punktstil(Stilnamen::PunktstilWert(stilName), 10,
                                                           Qt::black, 1, QColor(Qt::darkGray));
        stil.applyTo(&maler, QPen(Qt::black));
        stil.drawShape(&maler, groesse.width() / 2.0, groesse.height() / 2.0);
    }
    return QIcon(bild);
}

void TStilListe::StilZeigen(quint8 stil) {
    const QString text =
        FArt == TArt::Linie ? Stilnamen::LinienstilText(stil) : Stilnamen::PunktstilText(stil);
    setCurrentIndex(-1);
    for (int i = 0; i < count(); ++i) {
        if (QStringLiteral("ps") + itemText(i) == text) {
            setCurrentIndex(i);
        }
    }
}

quint8 TStilListe::Stil(quint8 bisher) const {
    if (currentIndex() < 0) {
        return bisher;
    }
    const QString name = QStringLiteral("ps") + currentText();
    return FArt == TArt::Linie ? Stilnamen::LinienstilWert(name) : Stilnamen::PunktstilWert(name);
}
