// payload JOB.oor [--now TDATETIME]: the job command and the job figures of a job file.
#include "cli/TCliKontext.h"
#include "measurement/Auftrag.h"
#include "measurement/MessDateiLeser.h"
#include "shell/Meldungen.h"
#include "shell/Uhr.h"

#include <QFileInfo>

namespace {

int Payload(TCliKontext& k, const QStringList& argumente) {
    QStringList rest = argumente;
    const qsizetype jetztPos = rest.indexOf(QStringLiteral("--now"));
    if (jetztPos >= 0 && k.Option(rest, jetztPos, "--now")) {
        bool ok = false;
        const double jetzt = rest.value(jetztPos + 1).toDouble(&ok);
        if (!ok) {
            Fehlerausgabe(QStringLiteral("usage: payload JOB.oor [--now TDATETIME]"));
            return cliAufruf;
        }
        Uhr::Stellen([jetzt] { return jetzt; });
        rest.remove(jetztPos, 2);
    }
    if (rest.size() != 1) {
        Fehlerausgabe(QStringLiteral("usage: payload JOB.oor [--now TDATETIME]"));
        return cliAufruf;
    }
    const QString datei = rest.first();
    // As the job dialog: read as a job exactly when the extension is ".oor".
    const bool nurAuftrag = QFileInfo(datei).suffix() == u"oor";
    const TEinleseErgebnis e = MessDateiEinlesen(k.App, datei, nurAuftrag, k.App.ArbeitsDatei);
    if (e.Weg != TEinleseWeg::Gelesen) {
        if (e.Weg == TEinleseWeg::Fehler) {
            Fehlerausgabe(QStringLiteral("error: ") + e.Lesen.Meldung);
        } else {
            k.App.Nachricht(Meldung::FalschesDateiformat, datei);
        }
        return cliAbgelehnt;
    }
    TMessDatei& d = k.App.ArbeitsDatei;
    const TAuftragErgebnis auftrag = AuftragErzeugen(d, Uhr::Jetzt());
    if (!auftrag) {
        Fehlerausgabe(QStringLiteral("error: ") + auftrag.Fehler);
        return cliFehler;
    }
    Ausgabe(QString::fromLatin1(auftrag.Auftrag.toHex()));
    const TBerechnungen b = Berechnungen(d, k.App.Texte);
    k.App.Speicherbedarf = b.Speicherbedarf;
    if (!b) {
        Fehlerausgabe(QStringLiteral("error: ") + b.Fehler);
        return cliFehler;
    }
    Ausgabe(QStringLiteral("Speicherbedarf=%1 Prozent=%2 Farbe=%3 Reihen=%4 Dauer=%5")
                .arg(b.Speicherbedarf)
                .arg(b.Fortschritt)
                .arg(b.Rot ? QStringLiteral("rot") : QStringLiteral("normal"))
                .arg(b.AnzahlReihen)
                .arg(b.Messdauer));
    return cliFertig;
}

const TCliBefehl befehl("payload", "payload JOB.oor [--now TDATETIME]", Payload);

} // namespace
