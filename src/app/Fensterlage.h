#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// Where the main window may open: the stored place and size, but never smaller than a usable
// minimum, never larger than the screen's free area and never out of reach.
namespace Fensterlage {

// Below this a menu bar, the tool bar and one graph no longer fit.
constexpr int kMindestBreite = 640;
constexpr int kMindestHoehe = 420;

// `gespeichert` made usable on `bildschirm` (the screen's available area): at least the
// minimum size (or the whole area when that is smaller), at most the area, and moved inside
// it when its title bar would lie off the area.
QRect Anwendbar(const QRect& gespeichert, const QRect& bildschirm);

// What a close stores as the normal place: a maximised window that was never shown normal
// has no normal place of its own and keeps `bisher`.
QRect Speicherbar(const QRect& normal, const QRect& bisher);

// The places of `anzahl` tiled windows on `flaeche`, in order. Horizontal: one above the other
// across the whole width; vertical: side by side over the whole height. Where the strips
// would be smaller than `mindest` (the windows could no longer show their plot), the strips
// continue in a second and further column (row) instead, and a cell is never smaller than
// `mindest`: the area scrolls then.
QList<QRect> Kacheln(const QRect& flaeche, int anzahl, const QSize& mindest, bool horizontal);

} // namespace Fensterlage
