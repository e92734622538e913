#include "graph/DateiInDiagramm.h"

#include "catalogue/TKanalInfo.h"
#include "graph/Farben.h"
#include "graph/KurveBerechnen.h"
#include "shell/TShellKontext.h"

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

} // namespace

TImportErgebnis DateiInDiagramm(TShellKontext& app, const TKurve& vorlage, TParser& parser,
                                TMessDatei& m, TDiagramm& d) {
    // Built on a copy (the point rows are shared, not copied) and taken over at the end.
    TDiagramm neu = d;
    neu.Titel = m.Auftrag.AuftragName;
    neu.Fusszeile = m.Auftrag.Kommentar;
    neu.Legende = true;
    neu.AchseLinks.MinMaxAutomatik = true;
    neu.AchseUnten.MinMaxAutomatik = true;
    neu.AchseRechts.MinMaxAutomatik = true;
    neu.DatumZeitAchse = true;

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
            const TImportErgebnis e = KurveBerechnen(app, parser, int(i), m);
            if (!e) {
                return e;
            }
        }
        const TMessreihe& s = std::as_const(m.Messreihen)[i];
        TKurve k = vorlage;
        k.Name = s.Name;
        k.Linienfarbe = k.Punktfarbe = Farben::KurvenFarben[i % 16];
        k.Anzahl = s.Anzahl;
        k.Intervall = 1;
        k.YOffset = 0;
        k.YFaktor = 1;
        k.Start = 0;
        k.Werte = s.Messwerte; // shares the rows until one side changes
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
