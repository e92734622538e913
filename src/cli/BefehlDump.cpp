// dump FILE [--job]: a measurement or job file read as the main window reads it, as JSON.
#include "cli/MessDateiJsonStrom.h"
#include "cli/TCliKontext.h"
#include "measurement/MessDateiLeser.h"
#include "shell/Meldungen.h"

#include <QJsonArray>
#include <cstdio>

namespace {

int Dump(TCliKontext& k, const QStringList& argumente) {
    QStringList rest;
    bool nurAuftrag = false;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        if (k.Option(argumente, i, "--job")) {
            nurAuftrag = true;
        } else {
            rest << argumente[i];
        }
    }
    if (rest.size() != 1) {
        Fehlerausgabe(QStringLiteral("usage: dump FILE [--job]"));
        return cliAufruf;
    }
    const QString datei = rest.first();
    const qsizetype vorher = k.Benutzer.Gezeigt.size();
    const TEinleseErgebnis e = MessDateiEinlesen(k.App, datei, nurAuftrag, k.App.ArbeitsDatei);
    if (e.Weg == TEinleseWeg::RohGelesen || e.Weg == TEinleseWeg::Abgelehnt) {
        // Whatever the answer, the file was not in the expected format.
        k.App.Nachricht(Meldung::FalschesDateiformat, datei);
    }
    if (e.Weg == TEinleseWeg::Fehler) {
        Fehlerausgabe(QStringLiteral("error: ") + e.Lesen.Meldung);
        return cliAbgelehnt;
    }
    if (e.Weg == TEinleseWeg::Abgelehnt) {
        return cliAbgelehnt;
    }
    QJsonArray nachrichten;
    for (qsizetype i = vorher; i < k.Benutzer.Gezeigt.size(); ++i) {
        nachrichten.append(k.Benutzer.Gezeigt[i].Nummer);
    }
    // The values go out as they are written, not as a document held in memory.
    if (!MessDateiJsonSchreiben(k.App.ArbeitsDatei, {{QStringLiteral("Nachrichten"), nachrichten}},
                                stdout)) {
        Fehlerausgabe(QStringLiteral("error: writing to standard output failed"));
        return cliFehler;
    }
    return cliFertig;
}

const TCliBefehl befehl("dump", "dump FILE [--job]", Dump);

} // namespace
