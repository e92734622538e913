#include "graph/DateiInDiagramm.h"

#include "catalogue/TKanalInfo.h"
#include "graph/Farben.h"
#include "graph/KurveBerechnen.h"
#include "shell/TShellKontext.h"

#include <QFileInfo>
#include <algorithm>
#include <numeric>

namespace {

enum class TReihenArt { Keine, Gemessen, Berechnet };

TReihenArt Art(const TMessDatei& m, qsizetype i) {
    if (i >= m.KanalAnzahl) {
        return TReihenArt::Berechnet; // no channel of the device: a calculated series
    }
    const auto& typen = m.KanalInfo[KanalInfoZeile::KanalTyp];
    if (i >= typen.size()) {
        return TReihenArt::Keine; // the channel table is shorter than it claims
    }
    switch (typen[i]) {
    case ktNul:
    case ktBin:
    case ktAna:
    case ktSBin:
    case ktSAna:
        return TReihenArt::Gemessen;
    case ktComp:
        return TReihenArt::Berechnet;
    default:
        return TReihenArt::Keine;
    }
}

// The colour of series `i`: by series index in a graph of its own; in a graph that had
// curves before, the first colour of the table from there on that no curve uses yet (white
// last resort only: it cannot be seen on the white plot).
TColor NeueFarbe(qsizetype i, bool ergaenzen, const QVector<TKurve>& kurven) {
    const TColor bevorzugt = Farben::KurvenFarben[i % 16];
    if (!ergaenzen) {
        return bevorzugt;
    }
    const auto benutzt = [&](TColor f) {
        return std::any_of(kurven.cbegin(), kurven.cend(),
                           [f](const TKurve& k) { return k.Linienfarbe == f; });
    };
    for (qsizetype schritt = 0; schritt < 16; ++schritt) {
        const TColor f = Farben::KurvenFarben[(i + schritt) % 16];
        if (f != Farbe::clWhite && !benutzt(f)) {
            return f;
        }
    }
    return bevorzugt;
}

} // namespace

TErgebnis DateiInDiagramm(TShellKontext& app, const TKurve& vorlage, TParser& parser, TMessDatei& m,
                          TDiagramm& d, const TImportQuelle& quelle) {
    // Built on a copy (the point rows are shared, not copied) and taken over at the end.
    TDiagramm neu = d;
    // Title and footer belong to the graph once it has curves: adding a second file must not
    // replace what the first one (or the user) gave it.
    const bool ergaenzen = !d.Kurven.isEmpty();
    if (!ergaenzen) {
        neu.Titel = quelle.Roh ? QFileInfo(quelle.Datei).fileName() : m.Auftrag.AuftragName;
        neu.Fusszeile = quelle.Roh ? QString() : m.Auftrag.Kommentar;
    }
    neu.Legende = true;
    neu.AchseLinks.MinMaxAutomatik = true;
    neu.AchseUnten.MinMaxAutomatik = true;
    neu.AchseRechts.MinMaxAutomatik = true;
    // Raw bytes have no time of their own: their X is the byte index, on a number axis.
    neu.DatumZeitAchse = !(quelle.Roh && !ergaenzen);

    bool ersterPunkt = false;
    for (qsizetype i = 0; i < m.Messreihen.size(); ++i) {
        if ((m.Messreihen[i].Aktiv & 1) == 0) {
            continue;
        }
        const TReihenArt art = Art(m, i);
        if (art == TReihenArt::Keine) {
            continue;
        }
        if (art == TReihenArt::Berechnet) {
            m.Messreihen[i].Anzahl = 0;
            const TErgebnis e = KurveBerechnen(app, parser, int(i), m);
            if (!e) {
                return e;
            }
        }
        const TMessreihe& s = std::as_const(m.Messreihen)[i];
        TKurve k = vorlage;
        k.Name = s.Name;
        k.Linienfarbe = k.Punktfarbe = NeueFarbe(i, ergaenzen, neu.Kurven);
        k.Anzahl = s.Anzahl;
        k.Intervall = 1;
        k.YOffset = 0;
        k.YFaktor = 1;
        k.Start = 0;
        k.Werte = s.Messwerte; // shares the rows until one side changes
        if (quelle.Roh && !ergaenzen) {
            QVector<double> index(k.Werte[0].size());
            std::iota(index.begin(), index.end(), 0.0);
            k.Werte[0] = std::move(index);
        }
        if (k.Werte[1].size() != k.Werte[0].size()) {
            k.Werte[1].resize(k.Werte[0].size()); // resizing would copy even at equal size
        }
        const qsizetype n = k.Werte[0].size();
        if (n > 0) {
            const double* x = k.Werte[0].constData();
            double xMin = ersterPunkt ? neu.XMin : x[0];
            for (qsizetype j = 0; j < n; ++j) {
                xMin = x[j] < xMin ? x[j] : xMin;
            }
            neu.XMin = xMin;
            ersterPunkt = true;
        }
        neu.Kurven.append(std::move(k));
    }
    d = std::move(neu);
    return {};
}
