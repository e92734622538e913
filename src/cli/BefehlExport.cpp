// export G.ogr OUT: the shown values of a graph file's curves as CSV or tab-separated text.
#include "cli/TCliKontext.h"
#include "graph/Export.h"
#include "graph/GraphDatei.h"

namespace {

int ExportBefehl(TCliKontext& k, const QStringList& argumente) {
    if (argumente.size() != 2) {
        Fehlerausgabe(QStringLiteral("usage: export G.ogr OUT.csv|OUT.txt"));
        return cliAufruf;
    }
    const QString& graph = argumente[0];
    const QString& ziel = argumente[1];
    if (Export::ArtNachEndung(ziel) == Export::TArt::Keine) {
        Fehlerausgabe(QStringLiteral("export: the output name must end in .csv or .txt: ") + ziel);
        return cliAufruf;
    }
    TDiagramm d = k.App.DefaultDiagramm;
    if (!GraphDatei::GraphDateiOeffnen(k.App, graph, d)) {
        return cliAbgelehnt;
    }
    if (const TErgebnis e = Export::Exportieren(ziel, d); !e) {
        Fehlerausgabe(QStringLiteral("export: cannot write %1: %2").arg(ziel, e.Meldung));
        return cliFehler;
    }
    return cliFertig;
}

const TCliBefehl befehl("export", "export G.ogr OUT.csv|OUT.txt", ExportBefehl);

} // namespace
