// graph [FILE.ome...] [--into G.ogr] --out OUT.ogr: measurement files into a graph file, as
// the main window's "load into a new graph" and "load into the active graph" do.
#include "cli/TCliKontext.h"
#include "formula/TParser.h"
#include "graph/DateiInDiagramm.h"
#include "graph/GraphDatei.h"
#include "measurement/MessDateiLeser.h"

namespace {

int GraphBefehl(TCliKontext& k, const QStringList& argumente) {
    QStringList dateien;
    QString into;
    QString out;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        if ((a == u"--into" || a == u"--out") && i + 1 < argumente.size()) {
            (a == u"--into" ? into : out) = argumente[++i];
        } else if (a.startsWith(QStringLiteral("--"))) {
            out.clear();
            break;
        } else {
            dateien << a;
        }
    }
    if (out.isEmpty()) {
        Fehlerausgabe(QStringLiteral("usage: graph [FILE.ome...] [--into G.ogr] --out OUT.ogr"));
        return cliAufruf;
    }

    TAnwendung& app = k.App;
    TDiagramm d = app.DefaultDiagramm;
    if (!into.isEmpty() && !GraphDatei::GraphDateiOeffnen(app, into, d)) {
        return cliAbgelehnt;
    }
    // One evaluator for the whole document, as a graph window owns one.
    TParser parser;
    for (const QString& datei : dateien) {
        const TEinleseErgebnis e = MessDateiEinlesen(app, datei, false, app.ArbeitsDatei);
        if (e.Weg == TEinleseWeg::Abgelehnt) {
            return cliAbgelehnt;
        }
        if (e.Weg == TEinleseWeg::Fehler) {
            app.Nachricht(2, datei);
            Fehlerausgabe(QStringLiteral("graph: ") + e.Lesen.Meldung);
            return cliAbgelehnt;
        }
        const TImportErgebnis i =
            DateiInDiagramm(app, app.DefaultKurve, parser, app.ArbeitsDatei, d);
        if (!i) {
            Fehlerausgabe(QStringLiteral("graph: %1: %2").arg(datei, i.Fehler));
            return cliFehler;
        }
    }
    QString fehler;
    if (!GraphDatei::GraphDateiSchreiben(out, d, &fehler)) {
        app.Nachricht(29, out);
        Fehlerausgabe(QStringLiteral("graph: cannot write %1: %2").arg(out, fehler));
        return cliFehler;
    }
    return cliFertig;
}

const TCliBefehl befehl("graph", "graph [FILE.ome...] [--into G.ogr] --out OUT.ogr", GraphBefehl);

} // namespace
