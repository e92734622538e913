// graph [FILE.ome...] [--into G.ogr] --out OUT.ogr: measurement files into a graph file, as
// the main window's "load into a new graph" and "load into the active graph" do.
#include "cli/TCliKontext.h"
#include "formula/TParser.h"
#include "graph/DateiInDiagramm.h"
#include "graph/GraphDatei.h"
#include "measurement/MessDateiLeser.h"
#include "shell/DateiPruefung.h"
#include "shell/Meldungen.h"

namespace {

int GraphBefehl(TCliKontext& k, const QStringList& argumente) {
    QStringList dateien;
    QString into;
    QString out;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        if ((k.Option(argumente, i, "--into") || k.Option(argumente, i, "--out")) &&
            i + 1 < argumente.size()) {
            (a == u"--into" ? into : out) = argumente[++i];
        } else if (k.SiehtAusWieOption(argumente, i)) {
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
            // A missing file or a FIFO is not a file of the wrong format.
            if (DateiPruefung::Lesbar(datei).isEmpty()) {
                app.Nachricht(Meldung::FalschesDateiformat, datei);
            }
            Fehlerausgabe(QStringLiteral("graph: ") + e.Lesen.Meldung);
            return cliAbgelehnt;
        }
        const TErgebnis i = DateiInDiagramm(app, app.DefaultKurve, parser, app.ArbeitsDatei, d,
                                            TImportQuelle{datei, e.Weg == TEinleseWeg::RohGelesen});
        if (!i) {
            Fehlerausgabe(QStringLiteral("graph: %1: %2").arg(datei, i.Meldung));
            return cliFehler;
        }
    }
    if (const TErgebnis e = GraphDatei::GraphDateiSchreiben(out, d); !e) {
        app.Nachricht(Meldung::DateiNichtAnlegbar, out + QChar(13) + e.Meldung);
        Fehlerausgabe(QStringLiteral("graph: cannot write %1: %2").arg(out, e.Meldung));
        return cliFehler;
    }
    return cliFertig;
}

const TCliBefehl befehl("graph", "graph [FILE.ome...] [--into G.ogr] --out OUT.ogr", GraphBefehl);

} // namespace
