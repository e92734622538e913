#include "graph/ui/TAchsenTicker.h"

#include "shell/DatumZeit.h"

#include <cmath>

namespace {

// Steps that read well on a time axis, in seconds.
constexpr double kZeitSchritte[] = {1,     2,     5,     10,    15,     30,     60,
                                    120,   300,   600,   900,   1800,   3600,   7200,
                                    10800, 21600, 43200, 86400, 172800, 604800, 1209600};
constexpr double kSekundenProTag = 86400.0;

} // namespace

QString TAchsenTicker::ZahlText(double wert) {
    if (std::abs(wert) < 5e-7) {
        return QStringLiteral("0");
    }
    QString text = QString::number(wert, 'f', 6);
    while (text.endsWith(u'0')) {
        text.chop(1);
    }
    if (text.endsWith(u'.')) {
        text.chop(1);
    }
    return text;
}

double TAchsenTicker::getTickStep(const QCPRange& bereich) {
    const double spanne = bereich.size();
    // A typed increment that would give thousands of ticks, or fewer than two labels (a
    // number increment on a date axis of a few days), is left to the automatic one.
    if (Schritt > 0 && spanne / Schritt <= 200 && spanne / Schritt >= 2) {
        return Schritt;
    }
    if (DatumZeit) {
        const double ziel = spanne * kSekundenProTag / (mTickCount + 1e-10);
        if (ziel >= 1 && ziel <= kZeitSchritte[std::size(kZeitSchritte) - 1]) {
            double bester = kZeitSchritte[0];
            for (double s : kZeitSchritte) {
                if (std::abs(s - ziel) < std::abs(bester - ziel)) {
                    bester = s;
                }
            }
            return bester / kSekundenProTag;
        }
    }
    return QCPAxisTicker::getTickStep(bereich);
}

int TAchsenTicker::getSubTickCount(double) {
    return 0;
}

QString TAchsenTicker::getTickLabel(double wert, const QLocale&, QChar, int) {
    if (DatumZeit) {
        const QDateTime zeit = DatumZeit::NachQDateTime(wert);
        return zeit.date().toString(DatumFormat) + u'\n' + zeit.time().toString(ZeitFormat);
    }
    return ZahlText(wert);
}
