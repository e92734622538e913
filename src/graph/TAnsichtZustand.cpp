#include "graph/TAnsichtZustand.h"

#include "graph/Kurvenwerte.h"

#include <cmath>

namespace {

using TBereich = TAnsichtZustand::TBereich;

std::optional<TBereich> Umfang(const QVector<double>& werte, double offset, double faktor) {
    std::optional<TBereich> b;
    for (const double w : werte) {
        const double v = Kurvenwerte::Gezeigt(offset, faktor, w);
        if (std::isnan(v)) {
            continue;
        }
        if (!b) {
            b = TBereich{v, v};
        } else {
            b->Min = std::min(b->Min, v);
            b->Max = std::max(b->Max, v);
        }
    }
    return b;
}

void Vereinigen(std::optional<TBereich>& ziel, const std::optional<TBereich>& teil) {
    if (!teil) {
        return;
    }
    ziel = ziel ? TBereich{std::min(ziel->Min, teil->Min), std::max(ziel->Max, teil->Max)} : *teil;
}

const TAchse& AchseNr(const TDiagramm& d, int nummer) {
    return nummer == 0 ? d.AchseLinks : nummer == 1 ? d.AchseUnten : d.AchseRechts;
}

TAchse& AchseNr(TDiagramm& d, int nummer) {
    return nummer == 0 ? d.AchseLinks : nummer == 1 ? d.AchseUnten : d.AchseRechts;
}

} // namespace

void TAnsichtZustand::AchsenUebernehmen(const TDiagramm& d) {
    for (int i = 0; i < 3; ++i) {
        const TAchse& a = AchseNr(d, i);
        Bereich[i] = {std::min(a.Minimum, a.Maximum), std::max(a.Minimum, a.Maximum)};
        Automatik[i] = a.MinMaxAutomatik;
    }
    Gezoomt = false;
}

void TAnsichtZustand::KurvenUebernehmen(const TDiagramm& d) {
    Kurven.resize(d.Kurven.size());
    for (qsizetype i = 0; i < d.Kurven.size(); ++i) {
        const TKurve& k = d.Kurven[i];
        Kurven[i].X = Umfang(k.Werte[0], k.Start, k.Intervall);
        Kurven[i].Y = Umfang(k.Werte[1], k.YOffset, k.YFaktor);
        Kurven[i].Steigend = Kurvenwerte::GezeigtSteigend(k);
    }
}

std::optional<TBereich> TAnsichtZustand::DatenBereich(const TDiagramm& d, int nummer) const {
    std::optional<TBereich> bereich;
    for (qsizetype i = 0; i < d.Kurven.size() && i < Kurven.size(); ++i) {
        const TKurve& k = d.Kurven[i];
        if (!k.Sichtbar) {
            continue;
        }
        if (nummer == 1) {
            Vereinigen(bereich, Kurven[i].X);
        } else if ((nummer == 2) == k.AchseRechts) {
            Vereinigen(bereich, Kurven[i].Y);
        }
    }
    return bereich;
}

void TAnsichtZustand::Einpassen(const TDiagramm& d) {
    for (int i = 0; i < 3; ++i) {
        if (!Automatik[i]) {
            continue;
        }
        if (std::optional<TBereich> b = DatenBereich(d, i)) {
            if (b->Spanne() <= 0) {
                const double rand = b->Min == 0 ? 1 : std::abs(b->Min) * 0.01;
                b = TBereich{b->Min - rand, b->Max + rand};
            }
            Bereich[i] = *b;
        }
    }
}

void TAnsichtZustand::ZoomMerken() {
    if (!Gezoomt) {
        ZoomAutomatik = Automatik;
        Gezoomt = true;
    }
}

void TAnsichtZustand::Zoomen(double prozent) {
    ZoomMerken();
    for (int i = 0; i < 3; ++i) {
        const double rand = Bereich[i].Spanne() * (prozent - 100) * 0.01;
        Bereich[i] = {Bereich[i].Min + rand, Bereich[i].Max - rand};
        Automatik[i] = false;
    }
}

void TAnsichtZustand::Verschieben(int nummer, double versatz) {
    Bereich[nummer] = {Bereich[nummer].Min + versatz, Bereich[nummer].Max + versatz};
    Automatik[nummer] = false;
}

void TAnsichtZustand::AchseSetzen(int nummer, const TBereich& bereich) {
    ZoomMerken();
    Bereich[nummer] = {std::min(bereich.Min, bereich.Max), std::max(bereich.Min, bereich.Max)};
    Automatik[nummer] = false;
}

void TAnsichtZustand::Setzen(const std::array<TBereich, 3>& bereich) {
    ZoomMerken();
    for (int i = 0; i < 3; ++i) {
        Bereich[i] = {std::min(bereich[i].Min, bereich[i].Max),
                      std::max(bereich[i].Min, bereich[i].Max)};
        Automatik[i] = false;
    }
}

void TAnsichtZustand::Einpassen_Alle(const TDiagramm& d) {
    if (Gezoomt) {
        Automatik = ZoomAutomatik;
        Gezoomt = false;
    }
    const std::array<bool, 3> gemerkt = Automatik;
    Automatik = {true, true, true};
    Einpassen(d);
    Automatik = gemerkt;
}

void TAnsichtZustand::InsDiagramm(TDiagramm& d) const {
    for (int i = 0; i < 3; ++i) {
        TAchse& a = AchseNr(d, i);
        a.Minimum = Bereich[i].Min;
        a.Maximum = Bereich[i].Max;
        a.MinMaxAutomatik = Automatik[i];
        // The chart knows one increment per axis, 0 meaning automatic: a grid distance of 0
        // is automatic, and an automatic grid keeps no distance.
        if (a.GitterAutomatik || a.Gitterabstand == 0) {
            a.GitterAutomatik = true;
            a.Gitterabstand = 0;
        }
    }
}
