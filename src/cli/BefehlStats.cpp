// stats G.ogr [--from X] [--to X]: the figures of every visible curve between two X, as the
// graph window's statistics table shows them, as tab-separated text.
#include "cli/TCliKontext.h"
#include "graph/GraphDatei.h"
#include "graph/Statistik.h"
#include "graph/StatistikTabelle.h"
#include "shell/DatumZeit.h"
#include "shell/Uhr.h"
#include "shell/Zahlen.h"

#include <limits>

namespace {

const char* const kAufruf = "stats G.ogr [--from X] [--to X]";

// A number, or a date and time in the user's format ("ZeitDatumsformat").
std::optional<double> XLesen(const TAnwendung& app, const QString& text) {
    if (const auto zahl = Zahlen::GleitzahlLesen(text)) {
        return zahl;
    }
    return DatumZeit::Lesen(text.trimmed(), app.AppConst.ZeitDatumsformat, Uhr::Jetzt());
}

int StatsBefehl(TCliKontext& k, const QStringList& argumente) {
    QString graph;
    QString vonText, bisText;
    bool vonDa = false, bisDa = false;
    bool aufruf = true;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        if ((a == u"--from" || a == u"--to") && i + 1 < argumente.size()) {
            (a == u"--from" ? vonText : bisText) = argumente[++i];
            (a == u"--from" ? vonDa : bisDa) = true;
        } else if (a.startsWith(QStringLiteral("--")) || !graph.isEmpty()) {
            aufruf = false;
        } else {
            graph = a;
        }
    }
    if (!aufruf || graph.isEmpty()) {
        Fehlerausgabe(QStringLiteral("usage: ") + QLatin1String(kAufruf));
        return cliAufruf;
    }
    TAnwendung& app = k.App;
    constexpr double unendlich = std::numeric_limits<double>::infinity();
    Statistik::TBereich bereich{-unendlich, unendlich, false};
    for (const auto& [text, da, ziel] :
         {std::tuple{vonText, vonDa, &bereich.Von}, std::tuple{bisText, bisDa, &bereich.Bis}}) {
        if (!da) {
            continue;
        }
        const auto x = XLesen(app, text);
        if (!x) {
            Fehlerausgabe(QStringLiteral("stats: not a number nor a date and time in the "
                                         "format %1: %2")
                              .arg(app.AppConst.ZeitDatumsformat, text));
            return cliAbgelehnt;
        }
        *ziel = *x;
    }

    TDiagramm d = app.DefaultDiagramm;
    if (!GraphDatei::GraphDateiOeffnen(app, graph, d)) {
        return cliAbgelehnt;
    }
    // Without a range given, the markers stored with the graph, else every point.
    QString art = QStringLiteral("Eingabe");
    if (!vonDa && !bisDa) {
        bereich = Statistik::Bereich(d, -unendlich, unendlich);
        art = bereich.Marker ? QString() : QStringLiteral("Alle Punkte");
    }
    StatistikTabelle::TFormat f =
        StatistikTabelle::FormatFuer(d, app.AppConst.Einheiten, app.AppConst.ZeitDatumsformat);
    f.Zahl = ZahlText;
    QList<QStringList> zeilen{StatistikTabelle::BereichZeile(bereich, f, art),
                              StatistikTabelle::Kopf(f)};
    for (const TKurvenStatistik& s : Statistik::DiagrammAuswerten(d, bereich.Von, bereich.Bis)) {
        zeilen << StatistikTabelle::Zeile(s, f);
    }
    QString text = StatistikTabelle::TabText(zeilen);
    text.chop(1);
    Ausgabe(text);
    return cliFertig;
}

const TCliBefehl befehl("stats", kAufruf, StatsBefehl);

} // namespace
