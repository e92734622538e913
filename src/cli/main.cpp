// orvan-cli: the program's work without windows, for scripts and batch conversion.
#include "app/AnwendungStarten.h"
#include "cli/TCliKontext.h"
#include "shell/Diverse.h"
#include "shell/ProgrammStart.h"

#include <QCoreApplication>
#include <QDir>

namespace {

void Aufruf() {
    Fehlerausgabe(QStringLiteral(
        "usage: orvan-cli [--home DIR] [--port DEVICE] [--yes|--no] COMMAND ARGS..."));
    for (const TCliBefehl* b : TCliBefehl::Alle()) {
        Fehlerausgabe(QStringLiteral("  ") + QString::fromUtf8(b->Aufruf));
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
        if ((option == u"--home" || option == u"--port") && !argumente.isEmpty()) {
            (option == u"--home" ? home : port) = argumente.takeFirst();
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
        Fehlerausgabe(QStringLiteral("message %1: %2").arg(n.Nummer).arg(Maskiert(n.Text)));
    };
    TAnwendung app(benutzer);
    app.Geraete.PortGeraet = port;

    QString programmPfad;
    if (home.isEmpty()) {
        programmPfad = ProgrammPfadErmitteln(qapp.applicationFilePath());
    } else {
        programmPfad = QDir::cleanPath(QDir(home).absolutePath());
        Diverse::BackslashAnhaengen(programmPfad);
    }
    AnwendungStarten(app, qapp.applicationFilePath(), programmPfad);

    TCliKontext kontext{app, benutzer};
    return befehl->Funktion(kontext, argumente);
}
