#include "graph/TZoomVerlauf.h"

void TZoomVerlauf::Anhaengen(QVector<TAnsichtsStand>& stapel, const TAnsichtsStand& stand) {
    if (!stapel.isEmpty() && stapel.last() == stand) {
        return;
    }
    if (stapel.size() >= kTiefe) {
        stapel.removeFirst();
    }
    stapel.append(stand);
}

void TZoomVerlauf::Merken(const TAnsichtsStand& vorher) {
    Anhaengen(FZurueck, vorher);
    FVor.clear();
}

std::optional<TAnsichtsStand> TZoomVerlauf::Zurueck(const TAnsichtsStand& jetzt) {
    // A change that left the view as it was (a click without a drag) is no step back.
    while (!FZurueck.isEmpty() && FZurueck.last() == jetzt) {
        FZurueck.removeLast();
    }
    if (FZurueck.isEmpty()) {
        return std::nullopt;
    }
    Anhaengen(FVor, jetzt);
    return FZurueck.takeLast();
}

std::optional<TAnsichtsStand> TZoomVerlauf::Vor(const TAnsichtsStand& jetzt) {
    while (!FVor.isEmpty() && FVor.last() == jetzt) {
        FVor.removeLast();
    }
    if (FVor.isEmpty()) {
        return std::nullopt;
    }
    Anhaengen(FZurueck, jetzt);
    return FVor.takeLast();
}

void TZoomVerlauf::Leeren() {
    FZurueck.clear();
    FVor.clear();
}
