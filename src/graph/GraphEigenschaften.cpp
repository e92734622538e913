#include "graph/GraphEigenschaften.h"

#include "shell/Einheiten.h"

#include <cmath>

namespace GraphEigenschaften {

TAchse& Achse(TDiagramm& d, int nummer) {
    switch (nummer) {
    case 0:
        return d.AchseLinks;
    case 1:
        return d.AchseUnten;
    default:
        return d.AchseRechts;
    }
}

const TAchse& Achse(const TDiagramm& d, int nummer) {
    return Achse(const_cast<TDiagramm&>(d), nummer);
}

double RundenGerade(double wert, double raster) {
    // std::nearbyint rounds halves to even in the default rounding mode. Dividing by the
    // inverse keeps 0.001 steps exact where a multiplication by 0.001 would not.
    const double inverse = std::round(1.0 / raster);
    if (inverse > 1) {
        return std::nearbyint(wert * inverse) / inverse;
    }
    return std::nearbyint(wert / raster) * raster;
}

std::optional<double> Schritt(double wert, bool hoch, double oben, double unten, double raster) {
    if (hoch ? !(wert < oben) : !(wert > unten)) {
        return std::nullopt;
    }
    return RundenGerade(hoch ? wert + 1 : wert - 1, raster);
}

TEinheitWechsel EinheitWechseln(TDiagramm& d, int achse, const TEinheitenListe& liste,
                                qsizetype neu) {
    TEinheitWechsel w;
    TAchse& a = Achse(d, achse);
    w.Vorher = qMax<qsizetype>(0, EinheitSuchen(liste, a.Einheit));
    if (neu < 0 || neu >= liste.size() || w.Vorher >= liste.size()) {
        return w;
    }
    const TEinheiten& von = liste[w.Vorher];
    const TEinheiten& nach = liste[neu];
    const std::optional<double> faktor = EinheitenWechselFaktor(von, nach);
    if (!faktor) {
        w.Meldung = von.Name + QStringLiteral(" <> ") + nach.Name;
        return w;
    }
    w.Erlaubt = true;
    w.Faktor = *faktor;
    for (TKurve& k : d.Kurven) {
        (achse == 1 ? k.Intervall : k.YFaktor) *= w.Faktor;
    }
    a.Minimum *= w.Faktor;
    a.Maximum *= w.Faktor;
    a.Einheit = nach.Name;
    return w;
}

bool NameVorhanden(const QStringList& namen, const QString& name) {
    return namen.contains(name, Qt::CaseInsensitive);
}

} // namespace GraphEigenschaften
