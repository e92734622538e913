// dump FILE [--job]: a measurement or job file read as the main window reads it, as JSON.
#include "cli/MessDateiJson.h"
#include "cli/TCliKontext.h"
#include "measurement/MessDateiLeser.h"

#include <QJsonArray>
#include <QJsonDocument>
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
        k.App.Nachricht(2, datei);
    }
    if (e.Weg == TEinleseWeg::Fehler) {
        Fehlerausgabe(QStringLiteral("error: ") + e.Lesen.Meldung);
        return cliAbgelehnt;
    }
    if (e.Weg == TEinleseWeg::Abgelehnt) {
        return cliAbgelehnt;
    }
    QJsonObject json = MessDateiNachJson(k.App.ArbeitsDatei);
    QJsonArray nachrichten;
    for (qsizetype i = vorher; i < k.Benutzer.Gezeigt.size(); ++i) {
        nachrichten.append(k.Benutzer.Gezeigt[i].Nummer);
    }
    json["Nachrichten"] = nachrichten;
    const QByteArray text = QJsonDocument(json).toJson(QJsonDocument::Indented);
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    return cliFertig;
}

const TCliBefehl befehl("dump", "dump FILE [--job]", Dump);

} // namespace
