// orvan-cli: the program's work without windows, for scripts and batch conversion.
#include "app/AnwendungStarten.h"
#include "cli/TCliKontext.h"
#include "shell/Arbeitsspeicher.h"
#include "shell/Nachrichtenzeile.h"
#include "shell/ProgrammStart.h"
#include "shell/VersionsInfo.h"
#include "shell/Verzeichnis.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <new>

namespace {

const char kAufruf[] = "usage: orvan-cli [--home DIR] [--port DEVICE] [--yes|--no] COMMAND ARGS...";

void Aufruf() {
    Fehlerausgabe(QLatin1String(kAufruf));
    for (const TCliBefehl* b : TCliBefehl::Alle()) {
        Fehlerausgabe(QStringLiteral("  ") + QString::fromUtf8(b->Aufruf));
    }
}

// --help: the same on standard output, with the options explained.
void Hilfe() {
    Ausgabe(QStringLiteral("Kurven-Auswertungs-Software without windows: reads and converts "
                           "measurement, job and graph files and talks to the instrument."));
    Ausgabe(QString());
    Ausgabe(QLatin1String(kAufruf));
    Ausgabe(QString());
    Ausgabe(QStringLiteral("Options:"));
    Ausgabe(QStringLiteral("  --home DIR      use DIR as the program directory (Config/, Daten/)"));
    Ausgabe(QStringLiteral("  --port DEVICE   serial device for this run, e.g. /dev/ttyUSB0"));
    Ausgabe(QStringLiteral("  --yes, --no     answer to the questions a command asks"));
    Ausgabe(QStringLiteral("  --help          show this help and exit"));
    Ausgabe(QStringLiteral("  --version       show the version and exit"));
    Ausgabe(QString());
    Ausgabe(QStringLiteral("Commands:"));
    for (const TCliBefehl* b : TCliBefehl::Alle()) {
        Ausgabe(QStringLiteral("  ") + QString::fromUtf8(b->Aufruf));
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication qapp(argc, argv);
    QStringList argumente = qapp.arguments().mid(1);

    QString home;
    QString port;
    bool ja = false;
    while (!argumente.isEmpty() && argumente.first().startsWith(QStringLiteral("--"))) {
        const QString option = argumente.takeFirst();
        if (option == u"--") {
            break; // the end of the options: what follows is the command
        }
        if ((option == u"--home" || option == u"--port") && !argumente.isEmpty()) {
            (option == u"--home" ? home : port) = argumente.takeFirst();
        } else if (option == u"--help") {
            Hilfe();
            return 0;
        } else if (option == u"--version") {
            std::fputs(VersionsText(QStringLiteral("orvan-cli")).toUtf8().constData(), stdout);
            return 0;
        } else if (option == u"--yes" || option == u"--no") {
            ja = option == u"--yes";
        } else {
            Fehlerausgabe(QStringLiteral("unknown option: ") + option);
            Aufruf();
            return cliAufruf;
        }
    }
    if (argumente.isEmpty()) {
        Aufruf();
        return cliAufruf;
    }
    const QString name = argumente.takeFirst();
    qsizetype namenAb = -1;
    // "--" among the command's arguments ends its options: every argument after it is a
    // name, even one that starts with "--"; the "--" itself is no file name.
    if (const qsizetype ende = argumente.indexOf(QStringLiteral("--")); ende >= 0) {
        argumente.removeAt(ende);
        namenAb = ende;
    }
    const TCliBefehl* befehl = nullptr;
    for (const TCliBefehl* b : TCliBefehl::Alle()) {
        if (name == QLatin1String(b->Name)) {
            befehl = b;
        }
    }
    if (!befehl) {
        Fehlerausgabe(QStringLiteral("unknown command: ") + name);
        Aufruf();
        return cliAufruf;
    }

    TSkriptBenutzer benutzer;
    benutzer.FrageAntwort = ja ? mrYes : mrNo;
    benutzer.BeiNachricht = [](const TNachrichtInhalt& n) {
        Fehlerausgabe(Nachrichtenzeile::Zeile(n));
    };
    TAnwendung app(benutzer);
    app.Geraete.PortGeraet = port;

    QString programmPfad;
    if (home.isEmpty()) {
        programmPfad = ProgrammPfadErmitteln(qapp.applicationFilePath());
    } else {
        programmPfad = QDir::cleanPath(QDir(home).absolutePath());
        Verzeichnis::BackslashAnhaengen(programmPfad);
    }
    AnwendungStarten(app, qapp.applicationFilePath(), programmPfad);

    TCliKontext kontext{app, benutzer, namenAb < 0 ? argumente.size() : namenAb};
    try {
        return befehl->Funktion(kontext, argumente);
    } catch (const std::bad_alloc&) {
        // Readers check what a file asks for; whatever still runs out of memory ends here
        // with a message rather than an abort.
        Fehlerausgabe(QStringLiteral("error: ") + Arbeitsspeicher::ErschoepftText());
        return cliFehler;
    }
}
