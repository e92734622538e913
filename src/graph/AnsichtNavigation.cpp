#include "graph/AnsichtNavigation.h"

#include "graph/TDiagramm.h"
#include "shell/DatumZeit.h"
#include "shell/Zahlen.h"

#include <algorithm>
#include <cmath>

namespace AnsichtNavigation {

TBereich UmPunktZoomen(const TBereich& bereich, double punkt, double faktor) {
    const TBereich neu{punkt - (punkt - bereich.Minimum) * faktor,
                       punkt + (bereich.Maximum - punkt) * faktor};
    const double groesse = std::max(std::fabs(neu.Minimum), std::fabs(neu.Maximum));
    // Below about a thousand steps of double precision the axis could no longer tell its
    // ticks apart; stop zooming there instead of collapsing the span.
    if (!std::isfinite(neu.Minimum) || !std::isfinite(neu.Maximum) ||
        !(neu.Spanne() > groesse * 1e-13) || !(neu.Spanne() < 1e300)) {
        return bereich;
    }
    return neu;
}

double RadFaktor(int winkel) {
    return std::pow(0.8, winkel / 120.0);
}

TBereich Zentrieren(const TBereich& bereich, double mitte) {
    const double halb = bereich.Spanne() / 2;
    return {mitte - halb, mitte + halb};
}

std::optional<double> ZeitpunktLesen(const QString& text, bool datumZeit, const QString& muster,
                                     const QString& datumsmuster, const QString& zeitmuster,
                                     double jetzt) {
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        return std::nullopt;
    }
    if (!datumZeit) {
        const auto zahl = Zahlen::GleitzahlLesen(t);
        return zahl && std::isfinite(*zahl) ? zahl : std::nullopt;
    }
    for (const QString& m : {muster, datumsmuster + u' ' + zeitmuster, datumsmuster}) {
        if (const auto wert = DatumZeit::Lesen(t, m, jetzt)) {
            return wert;
        }
    }
    return std::nullopt;
}

std::optional<TBereich> DatenBereichX(const TDiagramm& diagramm) {
    std::optional<TBereich> bereich;
    for (const TKurve& k : diagramm.Kurven) {
        if (k.Werte.size() < 1) {
            continue;
        }
        for (const double x : k.Werte[0]) {
            const double gezeigt = (k.Start + x) * k.Intervall;
            if (!std::isfinite(gezeigt)) {
                continue;
            }
            if (!bereich) {
                bereich = TBereich{gezeigt, gezeigt};
            } else {
                bereich->Minimum = std::min(bereich->Minimum, gezeigt);
                bereich->Maximum = std::max(bereich->Maximum, gezeigt);
            }
        }
    }
    return bereich;
}

} // namespace AnsichtNavigation
