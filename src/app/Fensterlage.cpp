#include "app/Fensterlage.h"

#include <algorithm>

namespace Fensterlage {

QRect Anwendbar(const QRect& gespeichert, const QRect& bildschirm) {
    if (bildschirm.width() <= 0 || bildschirm.height() <= 0) {
        return QRect(gespeichert.topLeft(), QSize(std::max(gespeichert.width(), kMindestBreite),
                                                  std::max(gespeichert.height(), kMindestHoehe)));
    }
    const int breite = std::clamp(gespeichert.width(), std::min(kMindestBreite, bildschirm.width()),
                                  bildschirm.width());
    const int hoehe = std::clamp(gespeichert.height(), std::min(kMindestHoehe, bildschirm.height()),
                                 bildschirm.height());
    QRect lage(gespeichert.topLeft(), QSize(breite, hoehe));
    // Entirely on the area: a window half off the screen cannot be grabbed reliably.
    if (lage.right() > bildschirm.right()) {
        lage.moveRight(bildschirm.right());
    }
    if (lage.bottom() > bildschirm.bottom()) {
        lage.moveBottom(bildschirm.bottom());
    }
    if (lage.left() < bildschirm.left()) {
        lage.moveLeft(bildschirm.left());
    }
    if (lage.top() < bildschirm.top()) {
        lage.moveTop(bildschirm.top());
    }
    return lage;
}

QRect Speicherbar(const QRect& normal, const QRect& bisher) {
    return normal.isValid() && normal.width() >= kMindestBreite / 2 &&
                   normal.height() >= kMindestHoehe / 2
               ? normal
               : bisher;
}

} // namespace Fensterlage
