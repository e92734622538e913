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

QList<QRect> Kacheln(const QRect& flaeche, int anzahl, const QSize& mindest, bool horizontal) {
    QList<QRect> lagen;
    if (anzahl <= 0) {
        return lagen;
    }
    // Along the strips ("lang") and across them ("quer"), whatever the mode.
    const int lang = horizontal ? flaeche.height() : flaeche.width();
    const int quer = horizontal ? flaeche.width() : flaeche.height();
    const int mindestLang = std::max(1, horizontal ? mindest.height() : mindest.width());
    const int mindestQuer = std::max(1, horizontal ? mindest.width() : mindest.height());
    const int proReihe = std::clamp(lang / mindestLang, 1, anzahl);
    const int reihen = (anzahl + proReihe - 1) / proReihe;
    for (int i = 0; i < anzahl; ++i) {
        const int r = i / proReihe;
        const int k = i % proReihe;
        // The last column (row) may hold fewer windows: they share its whole length.
        const int hier = std::min(proReihe, anzahl - r * proReihe);
        const int a = std::max(lang * k / hier, mindestLang * k);
        const int b = std::max(lang * (k + 1) / hier, a + mindestLang);
        const int c = std::max(quer * r / reihen, mindestQuer * r);
        const int d = std::max(quer * (r + 1) / reihen, c + mindestQuer);
        lagen.append(horizontal ? QRect(flaeche.left() + c, flaeche.top() + a, d - c, b - a)
                                : QRect(flaeche.left() + a, flaeche.top() + c, b - a, d - c));
    }
    return lagen;
}

} // namespace Fensterlage
