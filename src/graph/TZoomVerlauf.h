#pragma once

#include <QVector>
#include <array>
#include <optional>

// What a graph window shows: the limits of its left, bottom and right axis (in this order) and
// whether each scales itself to the data.
struct TAnsichtsStand {
    std::array<double, 3> Minimum{};
    std::array<double, 3> Maximum{};
    std::array<bool, 3> Automatik{};
    bool operator==(const TAnsichtsStand&) const = default;
};

// The views a graph window showed before, for "Zoom zurück" and "Zoom vor": every zoom, scroll,
// pan and refresh remembers the view it leaves; going back remembers the view it leaves for
// going forward again. A new change of the view forgets the way forward.
class TZoomVerlauf {
public:
    // How many views are kept; the oldest goes first.
    static constexpr qsizetype kTiefe = 200;

    // Remembers `vorher`, the view that a change is about to leave. The same view twice in a
    // row is kept once.
    void Merken(const TAnsichtsStand& vorher);
    // The view to go back to (`jetzt` is kept for going forward), or none.
    std::optional<TAnsichtsStand> Zurueck(const TAnsichtsStand& jetzt);
    // The view to go forward to (`jetzt` is kept for going back), or none.
    std::optional<TAnsichtsStand> Vor(const TAnsichtsStand& jetzt);
    bool KannZurueck() const { return !FZurueck.isEmpty(); }
    bool KannVor() const { return !FVor.isEmpty(); }
    void Leeren();

private:
    static void Anhaengen(QVector<TAnsichtsStand>& stapel, const TAnsichtsStand& stand);

    QVector<TAnsichtsStand> FZurueck;
    QVector<TAnsichtsStand> FVor;
};
