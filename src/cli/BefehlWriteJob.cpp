// write-job JSON OUT.oor: the JSON of dump written as a job file.
#include "cli/MessDateiJson.h"
#include "cli/TCliKontext.h"
#include "measurement/MessDateiSchreiber.h"
#include "shell/DateiPruefung.h"

#include <QFile>
#include <QJsonDocument>

namespace {

int WriteJob(TCliKontext&, const QStringList& argumente) {
    if (argumente.size() != 2) {
        Fehlerausgabe(QStringLiteral("usage: write-job JSON OUT.oor"));
        return cliAufruf;
    }
    if (const QString art = DateiPruefung::Lesbar(argumente[0]); !art.isEmpty()) {
        Fehlerausgabe(QStringLiteral("error: ") + art);
        return cliAbgelehnt;
    }
    QFile f(argumente[0]);
    if (!f.open(QIODevice::ReadOnly)) {
        Fehlerausgabe(QStringLiteral("error: ") + argumente[0] + QStringLiteral(": ") +
                      f.errorString());
        return cliAbgelehnt;
    }
    QJsonParseError pf;
    const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &pf);
    if (!doc.isObject()) {
        Fehlerausgabe(QStringLiteral("error: %1: no JSON object (%2 at %3)")
                          .arg(argumente[0], pf.errorString())
                          .arg(pf.offset));
        return cliAbgelehnt;
    }
    TMessDatei d;
    if (const TErgebnis j = MessDateiAusJson(doc.object(), d); !j) {
        Fehlerausgabe(QStringLiteral("error: ") + argumente[0] + QStringLiteral(": ") + j.Meldung);
        return cliAbgelehnt;
    }
    const TLeseErgebnis e = MessDateiSchreiben(argumente[1], true, d);
    if (!e) {
        Fehlerausgabe(QStringLiteral("error: ") + e.Meldung);
        return cliFehler;
    }
    return cliFertig;
}

const TCliBefehl befehl("write-job", "write-job JSON OUT.oor", WriteJob);

} // namespace
