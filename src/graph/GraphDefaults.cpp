#include "graph/GraphDefaults.h"

#include "graph/Farben.h"
#include "shell/Stilnamen.h"
#include "shell/TIniDatei.h"

namespace GraphDefaults {

namespace {

const QString kDiagramm = QStringLiteral("Diagramm");
const QString kMarker = QStringLiteral("Marker");
const QString kKurve = QStringLiteral("Kurve");

struct TAchsVorgabe {
    const char* Abschnitt; // also the default title
    TAchse TDiagramm::*Achse;
    double Minimum, Maximum, Gitterabstand, GitterAnzahl;
};
constexpr TAchsVorgabe kAchsen[] = {
    {"Achse Links", &TDiagramm::AchseLinks, -10, 10, 5, 4},
    {"Achse Unten", &TDiagramm::AchseUnten, 0, 100, 10, 10},
    {"Achse Rechts", &TDiagramm::AchseRechts, 0, 100, 10, 10},
};

TColor FarbeLesen(const TIniDatei& ini, const QString& abschnitt, const char* schluessel,
                  TColor vorgabe) {
    const QString text = ini.LiesText(abschnitt, QLatin1String(schluessel), QString());
    if (text.trimmed().isEmpty()) {
        return vorgabe;
    }
    return Farben::FarbeWert(text).value_or(vorgabe);
}

void FarbeSchreiben(TIniDatei& ini, const QString& abschnitt, const char* schluessel,
                    TColor farbe) {
    ini.SchreibeText(abschnitt, QLatin1String(schluessel), Farben::FarbeText(farbe));
}

quint8 LinienstilLesen(const TIniDatei& ini, const QString& abschnitt, const char* schluessel,
                       const char* vorgabe) {
    return Stilnamen::LinienstilWert(
        ini.LiesText(abschnitt, QLatin1String(schluessel), QLatin1String(vorgabe)).trimmed());
}

} // namespace

void DiagrammDefaultLesen(const TIniDatei& ini, TDiagramm& d) {
    d.Titel = ini.LiesText(kDiagramm, QStringLiteral("Titel"), QStringLiteral("Titel"));
    d.Fusszeile = ini.LiesText(kDiagramm, QStringLiteral("Fusszeile"), QStringLiteral("Fusszeile"));
    d.Rahmenfarbe = FarbeLesen(ini, kDiagramm, "Rahmenfarbe", Farbe::clSilver);
    d.Hintergrundfarbe = FarbeLesen(ini, kDiagramm, "Hintergrundfarbe", Farbe::clWhite);
    d.Schriftfarbe = FarbeLesen(ini, kDiagramm, "Schriftfarbe", Farbe::clBlack);
    d.Legende = ini.LiesBool(kDiagramm, QStringLiteral("Legende"), true);
    for (const TAchsVorgabe& v : kAchsen) {
        const QString s = QLatin1String(v.Abschnitt);
        TAchse& a = d.*v.Achse;
        a.Titel = ini.LiesText(s, QStringLiteral("Titel"), s);
        a.Einheit = ini.LiesText(s, QStringLiteral("Einheit"), QString());
        a.Minimum = ini.LiesGleitzahl(s, QStringLiteral("Minimum"), v.Minimum);
        a.Maximum = ini.LiesGleitzahl(s, QStringLiteral("Maximum"), v.Maximum);
        a.MinMaxAutomatik = ini.LiesBool(s, QStringLiteral("MinMax Automatik"), false);
        a.Gitterabstand = ini.LiesGleitzahl(s, QStringLiteral("Gitterabstand"), v.Gitterabstand);
        // Key names match without regard to letter case: "GitterAnzahl" is the same key.
        a.GitterAnzahl = ini.LiesGleitzahl(s, QStringLiteral("Gitteranzahl"), v.GitterAnzahl);
        a.Gitterstil = LinienstilLesen(ini, s, "Gitterstil", "psDot");
        a.GitterAutomatik = ini.LiesBool(s, QStringLiteral("Gitter Automatik"), false);
        a.Gitterfarbe = FarbeLesen(ini, s, "Gitterfarbe", Farbe::clGray);
    }
    d.MarkerStil = LinienstilLesen(ini, kMarker, "Linienstil", "psDot");
    // A stored marker colour is kept whatever it is; without one the markers are red, which
    // reads on a white plot and on paper (yellow, the old default, hardly does).
    d.MarkerFarbe = FarbeLesen(ini, kMarker, "Linienfarbe", kMarkerFarbeVorgabe);
}

void DiagrammDefaultSchreiben(TIniDatei& ini, const TDiagramm& d) {
    ini.SchreibeText(kDiagramm, QStringLiteral("Titel"), d.Titel);
    ini.SchreibeText(kDiagramm, QStringLiteral("Fusszeile"), d.Fusszeile);
    FarbeSchreiben(ini, kDiagramm, "Rahmenfarbe", d.Rahmenfarbe);
    FarbeSchreiben(ini, kDiagramm, "Hintergrundfarbe", d.Hintergrundfarbe);
    FarbeSchreiben(ini, kDiagramm, "Schriftfarbe", d.Schriftfarbe);
    ini.SchreibeBool(kDiagramm, QStringLiteral("Legende"), d.Legende);
    for (const TAchsVorgabe& v : kAchsen) {
        const QString s = QLatin1String(v.Abschnitt);
        const TAchse& a = d.*v.Achse;
        ini.SchreibeText(s, QStringLiteral("Titel"), a.Titel);
        ini.SchreibeText(s, QStringLiteral("Einheit"), a.Einheit);
        ini.SchreibeGleitzahl(s, QStringLiteral("Minimum"), a.Minimum);
        ini.SchreibeGleitzahl(s, QStringLiteral("Maximum"), a.Maximum);
        ini.SchreibeBool(s, QStringLiteral("MinMax Automatik"), a.MinMaxAutomatik);
        ini.SchreibeGleitzahl(s, QStringLiteral("Gitterabstand"), a.Gitterabstand);
        ini.SchreibeGleitzahl(s, QStringLiteral("Gitteranzahl"), a.GitterAnzahl);
        ini.SchreibeText(s, QStringLiteral("Gitterstil"), Stilnamen::LinienstilText(a.Gitterstil));
        ini.SchreibeBool(s, QStringLiteral("Gitter Automatik"), a.GitterAutomatik);
        FarbeSchreiben(ini, s, "Gitterfarbe", a.Gitterfarbe);
    }
    ini.SchreibeText(kMarker, QStringLiteral("Linienstil"),
                     Stilnamen::LinienstilText(d.MarkerStil));
    FarbeSchreiben(ini, kMarker, "Linienfarbe", d.MarkerFarbe);
}

void KurveDefaultLesen(const TIniDatei& ini, TKurve& k) {
    k.Name = ini.LiesText(kKurve, QStringLiteral("Name"), QStringLiteral("Default-Kurve"));
    k.Sichtbar = ini.LiesBool(kKurve, QStringLiteral("Sichtbar"), true);
    k.AchseRechts = ini.LiesBool(kKurve, QStringLiteral("Achse Rechts"), false);
    k.Intervall = ini.LiesGleitzahl(kKurve, QStringLiteral("Intervall"), 1);
    k.Start = ini.LiesGleitzahl(kKurve, QStringLiteral("Start"), 0);
    k.YOffset = ini.LiesGleitzahl(kKurve, QStringLiteral("Y - Offset"), 0);
    k.YFaktor = ini.LiesGleitzahl(kKurve, QStringLiteral("Y - Faktor"), 1);
    k.Linienfarbe = FarbeLesen(ini, kKurve, "Linienfarbe", Farbe::clBlack);
    k.Linienstil = LinienstilLesen(ini, kKurve, "Linienstil", "psSolid");
    k.Linienbreite = ini.LiesGanzzahl(kKurve, QStringLiteral("Linienbreite"), 1);
    k.LinieSichtbar = ini.LiesBool(kKurve, QStringLiteral("Linie sichtbar"), true);
    k.Punktfarbe = FarbeLesen(ini, kKurve, "Punktfarbe", Farbe::clBlack);
    k.Punktstil = Stilnamen::PunktstilWert(
        ini.LiesText(kKurve, QStringLiteral("Punktstil"), QStringLiteral("psSmallDot")).trimmed());
    k.Punktbreite = ini.LiesGanzzahl(kKurve, QStringLiteral("Punktbreite"), 3);
    k.PunktSichtbar = ini.LiesBool(kKurve, QStringLiteral("Punkt sichtbar"), true);
}

void KurveDefaultSchreiben(TIniDatei& ini, const TKurve& k) {
    ini.SchreibeText(kKurve, QStringLiteral("Name"), k.Name);
    ini.SchreibeBool(kKurve, QStringLiteral("Sichtbar"), k.Sichtbar);
    ini.SchreibeBool(kKurve, QStringLiteral("Achse Rechts"), k.AchseRechts);
    ini.SchreibeGleitzahl(kKurve, QStringLiteral("Intervall"), k.Intervall);
    ini.SchreibeGleitzahl(kKurve, QStringLiteral("Start"), k.Start);
    ini.SchreibeGleitzahl(kKurve, QStringLiteral("Y - Offset"), k.YOffset);
    ini.SchreibeGleitzahl(kKurve, QStringLiteral("Y - Faktor"), k.YFaktor);
    FarbeSchreiben(ini, kKurve, "Linienfarbe", k.Linienfarbe);
    ini.SchreibeText(kKurve, QStringLiteral("Linienstil"), Stilnamen::LinienstilText(k.Linienstil));
    ini.SchreibeGanzzahl(kKurve, QStringLiteral("Linienbreite"), k.Linienbreite);
    ini.SchreibeBool(kKurve, QStringLiteral("Linie sichtbar"), k.LinieSichtbar);
    FarbeSchreiben(ini, kKurve, "Punktfarbe", k.Punktfarbe);
    ini.SchreibeText(kKurve, QStringLiteral("Punktstil"), Stilnamen::PunktstilText(k.Punktstil));
    ini.SchreibeGanzzahl(kKurve, QStringLiteral("Punktbreite"), k.Punktbreite);
    ini.SchreibeBool(kKurve, QStringLiteral("Punkt sichtbar"), k.PunktSichtbar);
}

void Lesen(const TIniDatei& ini, TDiagramm& d, TKurve& k) {
    DiagrammDefaultLesen(ini, d);
    KurveDefaultLesen(ini, k);
}

void Schreiben(TIniDatei& ini, const TDiagramm& d, const TKurve& k) {
    DiagrammDefaultSchreiben(ini, d);
    KurveDefaultSchreiben(ini, k);
}

} // namespace GraphDefaults
