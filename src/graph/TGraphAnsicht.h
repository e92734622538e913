#pragma once

#include "graph/TAnsichtZustand.h"
#include "graph/TDiagramm.h"
#include "shell/TEinheiten.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

// What a graph window shows, worked out from its document and its view state by plain
// functions: the chart is drawn from this alone (ui/TGraphAbbildung), never read back. The
// points themselves stay in the document; a curve here names its index there.
struct TGraphAnsicht {
    struct TAchsenBild {
        QString Beschriftung; // title, and " / " and the unit symbol when the unit is known
        TAnsichtZustand::TBereich Bereich;
        double Schritt = 0; // grid and label distance, 0: automatic
        quint8 Gitterstil = 0;
        TColor Gitterfarbe = 0;
        bool Sichtbar = true;
        bool operator==(const TAchsenBild&) const = default;
    };
    struct TKurvenBild {
        qsizetype Index = 0; // into the document's curves
        QString Name;
        bool Sichtbar = true;
        bool AchseRechts = false;
        TColor Linienfarbe = 0;
        quint8 Linienstil = 0;
        int Linienbreite = 1;
        bool LinieSichtbar = true;
        TColor Punktfarbe = 0;
        quint8 Punktstil = 0;
        int Punktbreite = 1;
        bool PunktSichtbar = false;
        bool operator==(const TKurvenBild&) const = default;
    };
    struct TMarkerBild {
        bool Sichtbar = false;
        double X = 0, YLinks = 0; // shown values; the pixel follows zoom and scroll
        QString Text;
        bool operator==(const TMarkerBild&) const = default;
    };

    QString Titel;
    QString Fusszeile;
    TColor Rahmenfarbe = 0;
    TColor Hintergrundfarbe = 0;
    TColor Schriftfarbe = 0;
    bool LegendeSichtbar = false;      // the document's flag, and only while there are curves
    QStringList Legende;               // one entry per curve, in curve order
    std::array<TAchsenBild, 3> Achsen; // 0 left, 1 bottom, 2 right
    bool DatumZeit = false;
    QVector<TKurvenBild> Kurven;
    std::array<TMarkerBild, 2> Marker;
    TColor MarkerFarbe = 0; // already made readable on the plot background
    quint8 MarkerStil = 0;

    bool operator==(const TGraphAnsicht&) const = default;

    static TGraphAnsicht Berechnen(const TDiagramm& d, const TAnsichtZustand& zustand,
                                   const TEinheitenListe& einheiten, const QString& marker1Text,
                                   const QString& marker2Text);

    // Whether a curve uses the right axis: only then is it drawn and read out.
    static bool RechteAchseBenutzt(const TDiagramm& d);

    // Title + " / " + the symbol of the units-list entry (index 1 on; the last match wins)
    // named like the axis' unit; the title alone when no entry matches.
    static QString AchsenBeschriftung(const TAchse& achse, const TEinheitenListe& einheiten);
    // The parts of such a caption: before and after the first " / ".
    static QString AchsenTitel(const QString& beschriftung);
    static QString AchsenEinheit(const QString& beschriftung);
    // Title and unit of an axis as its caption shows them, the way the window takes the
    // axes back into the document: the title up to the first " / ", and as unit the name
    // of the last units-list entry (index 0 included) whose symbol is the one shown; so an
    // axis without a known unit gets the neutral unit's name.
    static void AchseWieGezeigt(TAchse& achse, const TEinheitenListe& einheiten);

    // `farbe` when it stands out from `hintergrund`; otherwise `ersatz` when that does,
    // otherwise black or white, whichever stands out more. A yellow marker on the white plot
    // is barely visible on the screen and lost on paper.
    static TColor LesbareFarbe(TColor farbe, TColor hintergrund, TColor ersatz);
    // Contrast of two colours as the ratio of their relative luminances (1 ... 21).
    static double Kontrast(TColor a, TColor b);

    // How much of the plot a legend of size `legende` may take: all of it shown while it
    // covers at most a third of the plot's width and half its height; else the smaller
    // legend (`klein`) if that fits; otherwise none.
    enum class TLegendenPlatz { Voll, Klein, Keiner };
    static TLegendenPlatz LegendenPlatz(QSize plot, QSize legende, QSize klein);
};
