#include "graph/TGraphAnsicht.h"

#include "graph/Farben.h"

#include <algorithm>
#include <cmath>

namespace {

const QString kTrenner = QStringLiteral(" / ");

double Helligkeit(TColor farbe) {
    const TColor f = Farben::Darstellungsfarbe(farbe);
    const auto kanal = [](TColor c) {
        const double v = double(c & 0xFFu) / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * kanal(f) + 0.7152 * kanal(f >> 8) + 0.0722 * kanal(f >> 16);
}

// Below this ratio a thin line or small text is hard to see; yellow on white is 1.07, red
// on white 4.0, silver on white 1.8.
constexpr double kMindestKontrast = 2.5;

} // namespace

double TGraphAnsicht::Kontrast(TColor a, TColor b) {
    const double ha = Helligkeit(a);
    const double hb = Helligkeit(b);
    return (std::max(ha, hb) + 0.05) / (std::min(ha, hb) + 0.05);
}

TColor TGraphAnsicht::LesbareFarbe(TColor farbe, TColor hintergrund, TColor ersatz) {
    if (Kontrast(farbe, hintergrund) >= kMindestKontrast) {
        return farbe;
    }
    if (Kontrast(ersatz, hintergrund) >= kMindestKontrast) {
        return ersatz;
    }
    return Kontrast(Farbe::clBlack, hintergrund) >= Kontrast(Farbe::clWhite, hintergrund)
               ? Farbe::clBlack
               : Farbe::clWhite;
}

bool TGraphAnsicht::RechteAchseBenutzt(const TDiagramm& d) {
    return std::any_of(d.Kurven.cbegin(), d.Kurven.cend(),
                       [](const TKurve& k) { return k.AchseRechts; });
}

QString TGraphAnsicht::AchsenBeschriftung(const TAchse& achse, const TEinheitenListe& liste) {
    // Entry 0 of the list is the neutral unit of the settings dialog and never used here.
    QString beschriftung = achse.Titel;
    for (qsizetype k = 1; k < liste.size(); ++k) {
        if (liste[k].Name == achse.Einheit) {
            beschriftung = achse.Titel + kTrenner + liste[k].Zeichen;
        }
    }
    return beschriftung;
}

QString TGraphAnsicht::AchsenTitel(const QString& beschriftung) {
    const qsizetype stelle = beschriftung.indexOf(kTrenner);
    return stelle < 0 ? beschriftung : beschriftung.left(stelle);
}

QString TGraphAnsicht::AchsenEinheit(const QString& beschriftung) {
    const qsizetype stelle = beschriftung.indexOf(kTrenner);
    return stelle < 0 ? QString() : beschriftung.mid(stelle + kTrenner.size());
}

void TGraphAnsicht::AchseWieGezeigt(TAchse& achse, const TEinheitenListe& einheiten) {
    const QString beschriftung = AchsenBeschriftung(achse, einheiten);
    const QString zeichen = AchsenEinheit(beschriftung);
    achse.Titel = AchsenTitel(beschriftung);
    achse.Einheit.clear();
    for (const TEinheiten& e : einheiten) {
        if (e.Zeichen == zeichen) {
            achse.Einheit = e.Name;
        }
    }
}

TGraphAnsicht::TLegendenPlatz TGraphAnsicht::LegendenPlatz(QSize plot, QSize legende, QSize klein) {
    const auto passt = [plot](QSize s) {
        return s.width() * 3 <= plot.width() && s.height() * 2 <= plot.height();
    };
    if (passt(legende)) {
        return TLegendenPlatz::Voll;
    }
    return passt(klein) ? TLegendenPlatz::Klein : TLegendenPlatz::Keiner;
}

TGraphAnsicht TGraphAnsicht::Berechnen(const TDiagramm& d, const TAnsichtZustand& zustand,
                                       const TEinheitenListe& einheiten, const QString& marker1Text,
                                       const QString& marker2Text) {
    TGraphAnsicht a;
    a.Titel = d.Titel;
    a.Fusszeile = d.Fusszeile;
    a.Rahmenfarbe = d.Rahmenfarbe;
    a.Hintergrundfarbe = d.Hintergrundfarbe;
    a.Schriftfarbe = d.Schriftfarbe;
    a.DatumZeit = d.DatumZeitAchse;

    const TAchse* achsen[3] = {&d.AchseLinks, &d.AchseUnten, &d.AchseRechts};
    for (qsizetype i = 0; i < d.Kurven.size(); ++i) {
        const TKurve& k = d.Kurven[i];
        TKurvenBild b;
        b.Index = i;
        b.Name = k.Name;
        b.Sichtbar = k.Sichtbar;
        b.AchseRechts = k.AchseRechts;
        b.Linienfarbe = k.Linienfarbe;
        b.Linienstil = k.Linienstil;
        b.Linienbreite = k.Linienbreite;
        b.LinieSichtbar = k.LinieSichtbar;
        b.Punktfarbe = k.Punktfarbe;
        b.Punktstil = k.Punktstil;
        b.Punktbreite = k.Punktbreite;
        b.PunktSichtbar = k.PunktSichtbar;
        a.Kurven.append(b);
        a.Legende.append(k.Name);
    }
    // An empty legend box says nothing.
    a.LegendeSichtbar = d.Legende && !d.Kurven.isEmpty();

    for (int i = 0; i < 3; ++i) {
        const TAchse& quelle = *achsen[i];
        TAchsenBild& ziel = a.Achsen[i];
        ziel.Beschriftung = AchsenBeschriftung(quelle, einheiten);
        ziel.Bereich = zustand.Bereich[i];
        ziel.Schritt = quelle.GitterAutomatik ? 0 : quelle.Gitterabstand;
        ziel.Gitterstil = quelle.Gitterstil;
        ziel.Gitterfarbe = quelle.Gitterfarbe;
    }
    // The right axis is drawn only for curves that use it; its title and limits stay in the
    // document all the same.
    a.Achsen[2].Sichtbar = RechteAchseBenutzt(d);

    a.Marker[0] = {d.Marker1Sichtbar, d.Marker1X, d.Marker1YLinks, marker1Text};
    a.Marker[1] = {d.Marker2Sichtbar, d.Marker2X, d.Marker2YLinks, marker2Text};
    a.MarkerFarbe = LesbareFarbe(d.MarkerFarbe, d.Hintergrundfarbe, Farbe::clRed);
    a.MarkerStil = d.MarkerStil;
    return a;
}
