// The device commands: read-out, clock, status, reset, memory test, clear, abort, send job
// and the raw exchange, run through the same command run as the GUI.
#include "cli/TCliKontext.h"
#include "device/AuftragSenden.h"
#include "device/GeraetBefehl.h"
#include "device/TTextAnzeige.h"
#include "device/port/TQtSeriellerPort.h"
#include "measurement/Auftrag.h"
#include "measurement/MessDateiLeser.h"
#include "shell/DateiPruefung.h"
#include "shell/DatumZeit.h"
#include "shell/Meldungen.h"
#include "shell/Nachrichtenzeile.h"
#include "shell/Textkodierung.h"
#include "shell/Uhr.h"

#include <QFileInfo>

namespace {

// The port on QSerialPort, and the progress display as "status: TEXT" lines.
void Vorbereiten(TCliKontext& k) {
    SeriellenPortEinrichten(k.App.Geraete);
    k.App.Geraete.AnzeigeErzeugen = [] {
        return std::make_unique<TTextAnzeige>(
            [](const QString& zeile) { Fehlerausgabe(QStringLiteral("status: ") + zeile); });
    };
}

// Runs command `befehl` of the selected device; prints the parameter it hands back.
int Ausfuehren(TCliKontext& k, QString TGeraet::*befehl, QString parameter, bool anzeige) {
    const TGeraet& g = k.App.AktuellesGeraet;
    if ((g.*befehl).isEmpty()) {
        // An empty command would run every step whose command is empty as well.
        Fehlerausgabe(QStringLiteral("the device type \"%1\" has no such command").arg(g.Name));
        return cliAbgelehnt;
    }
    Vorbereiten(k);
    const bool ok = GeraetBefehl(k.App, k.App.Geraete, k.App.AktuellesGeraet, g.*befehl, parameter,
                                 g, anzeige, true);
    Ausgabe(parameter);
    return ok ? cliFertig : cliGeraet;
}

// What an interrupted read-out kept goes to standard error, never to standard output: a
// script that takes the printed path must not take an incomplete file for the read-out.
void TeilNennen(const QString& teil) {
    if (!teil.isEmpty()) {
        Fehlerausgabe(QStringLiteral("incomplete: ") + teil);
    }
}

// The name under which send-job keeps a measurement it reads out before clearing the
// instrument: "Auslesen_" and the date and time, in the data directory, never an existing
// file.
QString AuslesenName(const TAnwendung& app) {
    const QString stamm =
        QStringLiteral("Auslesen_") +
        DatumZeit::NachQDateTime(Uhr::Jetzt()).toString(QStringLiteral("yyyyMMdd_HHmmss"));
    for (int nr = 1;; ++nr) {
        const QString name =
            stamm + (nr > 1 ? QStringLiteral("_%1").arg(nr) : QString()) + QStringLiteral(".ome");
        if (!QFileInfo::exists(EmpfangsPfad(app, name))) {
            return EmpfangsPfad(app, name);
        }
    }
}

int Ohne(const QStringList& a, const char* aufruf) {
    if (!a.isEmpty()) {
        Fehlerausgabe(QStringLiteral("usage: ") + QLatin1String(aufruf));
        return cliAufruf;
    }
    return -1;
}

int Lesen(TCliKontext& k, const QStringList& a) {
    if (a.size() != 1) {
        Fehlerausgabe(QStringLiteral("usage: read OUT.ome"));
        return cliAufruf;
    }
    if (k.App.AktuellesGeraet.DatenLesenBefehl.isEmpty()) {
        Fehlerausgabe(QStringLiteral("the device type has no read-data command"));
        return cliAbgelehnt;
    }
    Vorbereiten(k);
    const TAuslesen gelesen = GeraetAuslesen(k.App, k.App.Geraete, k.App.AktuellesGeraet, a[0]);
    const auto& datei = gelesen.Datei;
    if (!datei) {
        AuslesenFehlschlagMelden(k.App, gelesen);
        TeilNennen(gelesen.Bericht.Teil);
        return cliGeraet;
    }
    Ausgabe(*datei);
    // The check the main window makes before it reads the file.
    if (!MessDateiPruefen(k.App, *datei, k.App.ArbeitsDatei)) {
        k.App.Nachricht(Meldung::GeraetNichtImKatalog, QStringLiteral("???"));
        return cliAbgelehnt;
    }
    return cliFertig;
}

int UhrLesen(TCliKontext& k, const QStringList& a) {
    if (int r = Ohne(a, "clock-read"); r >= 0) {
        return r;
    }
    return Ausfuehren(k, &TGeraet::UhrLesenBefehl, QString(), false);
}

int UhrSetzen(TCliKontext& k, const QStringList& a) {
    if (a.size() > 1) {
        Fehlerausgabe(QStringLiteral("usage: clock-set [\"hh:nn:ss dd.mm.yy\"]"));
        return cliAufruf;
    }
    return Ausfuehren(k, &TGeraet::UhrSetzenBefehl, a.value(0), false);
}

int Zustand(TCliKontext& k, const QStringList& a) {
    if (int r = Ohne(a, "status"); r >= 0) {
        return r;
    }
    return Ausfuehren(k, &TGeraet::GeraeteZustandBefehl, QString(), false);
}

int Reset(TCliKontext& k, const QStringList& a) {
    if (int r = Ohne(a, "reset"); r >= 0) {
        return r;
    }
    return Ausfuehren(k, &TGeraet::ResetBefehl, QString(), true);
}

int Speichertest(TCliKontext& k, const QStringList& a) {
    if (int r = Ohne(a, "memtest"); r >= 0) {
        return r;
    }
    return Ausfuehren(k, &TGeraet::SpeicherTestBefehl, QString(), true);
}

int Leeren(TCliKontext& k, const QStringList& a) {
    if (int r = Ohne(a, "clear"); r >= 0) {
        return r;
    }
    return Ausfuehren(k, &TGeraet::SpeicherLeerenBefehl, QString(), false);
}

int Abbrechen(TCliKontext& k, const QStringList& a) {
    if (int r = Ohne(a, "abort"); r >= 0) {
        return r;
    }
    return Ausfuehren(k, &TGeraet::MessungAbbrechenBefehl, QString(), true);
}

int Roh(TCliKontext& k, const QStringList& a) {
    if (a.size() != 1) {
        Fehlerausgabe(QStringLiteral("usage: raw TEXT"));
        return cliAufruf;
    }
    Vorbereiten(k);
    QString parameter = a[0];
    const TGeraet& g = k.App.AktuellesGeraet;
    const bool ok = GeraetBefehl(k.App, k.App.Geraete, k.App.AktuellesGeraet,
                                 QStringLiteral("S077,"), parameter, g, false, true);
    Ausgabe(Nachrichtenzeile::Maskiert(parameter));
    return ok ? cliFertig : cliGeraet;
}

// As the job dialog sends a job: read the job file, build the payload, run the send-job
// command of the job's device with the progress display.
int AuftragSendenBefehl(TCliKontext& k, const QStringList& argumente) {
    QStringList a;
    QString auslesenNach;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        if (k.Option(argumente, i, "--read-to") && i + 1 < argumente.size()) {
            auslesenNach = argumente[++i];
        } else if (k.SiehtAusWieOption(argumente, i)) {
            a.clear();
            break;
        } else {
            a << argumente[i];
        }
    }
    if (a.size() != 1) {
        Fehlerausgabe(QStringLiteral("usage: send-job JOB.oor [--read-to OUT.ome]"));
        return cliAufruf;
    }
    if (const QString art = DateiPruefung::Lesbar(a[0]); !art.isEmpty()) {
        Fehlerausgabe(QStringLiteral("error: ") + art);
        return cliAbgelehnt;
    }
    if (!MessDateiPruefen(k.App, a[0], k.App.ArbeitsDatei)) {
        k.App.Nachricht(Meldung::GeraetNichtImKatalog, QStringLiteral("???"));
        return cliAbgelehnt;
    }
    TMessDatei auftrag = k.App.ArbeitsDatei;
    const TLeseErgebnis gelesen = MessDateiLesen(k.App, a[0], true, auftrag);
    if (!gelesen) {
        Fehlerausgabe(gelesen.Meldung);
        return cliAbgelehnt;
    }
    k.App.ArbeitsDatei = auftrag;
    Vorbereiten(k);
    // Should the instrument hold a measurement and the answer be to read it out, the read-out
    // goes into this file of the data directory (the name part of --read-to, or a name made
    // from the date and time); only a complete read-out lets the memory be cleared.
    const QString ziel =
        auslesenNach.isEmpty() ? AuslesenName(k.App) : EmpfangsPfad(k.App, auslesenNach);
    k.Benutzer.Dateien.append(ziel);
    const TSendeErgebnis e =
        AuftragSenden(k.App, k.App.Geraete, k.App.AktuellesGeraet, k.App.ArbeitsDatei);
    if (!e.Gebaut) {
        k.Benutzer.Dateien.clear();
        Fehlerausgabe(e.Fehler);
        return cliAbgelehnt;
    }
    TeilNennen(e.Teil);
    if (k.Benutzer.Dateien.isEmpty()) {
        // The target was asked for: the read-out ran.
        if (QFileInfo::exists(ziel) && e.Gesendet) {
            Fehlerausgabe(QStringLiteral("read-out: ") + ziel);
        }
    } else {
        k.Benutzer.Dateien.clear();
    }
    Ausgabe(Nachrichtenzeile::Maskiert(e.Parameter));
    return e.Gesendet ? cliFertig : cliGeraet;
}

const TCliBefehl befehle[] = {
    {"read", "read OUT.ome", Lesen},
    {"clock-read", "clock-read", UhrLesen},
    {"clock-set", "clock-set [\"hh:nn:ss dd.mm.yy\"]", UhrSetzen},
    {"status", "status", Zustand},
    {"reset", "reset", Reset},
    {"memtest", "memtest", Speichertest},
    {"clear", "clear", Leeren},
    {"abort", "abort", Abbrechen},
    {"send-job", "send-job JOB.oor [--read-to OUT.ome]", AuftragSendenBefehl},
    {"raw", "raw TEXT", Roh},
};

} // namespace
