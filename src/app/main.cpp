// orvan: the program's windows.
#include "app/AnwendungStarten.h"
#include "app/TAnwendung.h"
#include "app/ui/TMainForm.h"
#include "app/ui/TOrvanApplikation.h"
#include "device/ui/TGeraetForm.h"
#include "shell/Fehleranzeige.h"
#include "shell/HilfeSeite.h"
#include "shell/Nachrichtenzeile.h"
#include "shell/ProgrammStart.h"
#include "shell/TSkriptBenutzer.h"
#include "shell/VersionsInfo.h"
#include "shell/ui/TQtBenutzer.h"

#include <cstdio>
#include <exception>
#include <memory>
#include <string_view>

namespace {

void HilfeAusgeben() {
    std::printf(
        "Kurven-Auswertungs-Software: reads the recorded data of data-logging instruments over\n"
        "a serial line, shows measurement files as curves in graph windows and prepares\n"
        "measurement jobs.\n\n"
        "Usage: orvan [OPTION] [FILE]...\n\n"
        "Each FILE is opened: a graph file (.ogr) in a graph window of its own, a measurement\n"
        "file (.ome) or job file (.oor) as the curves of a new graph.\n\n"
        "Options:\n"
        "  -h, --help     show this help and exit\n"
        "  -v, --version  show the version and exit\n\n"
        "Environment:\n"
        "  ORVAN_HOME     program directory to use (Config/, Daten/, Hilfe/) instead of the\n"
        "                 directory of the program or its installed files\n"
        "  ORVAN_STARTPROBE  check the start without anyone at the screen: messages are\n"
        "                 written to standard error and answered as orvan-cli answers\n"
        "                 them; once the files are open, each graph window is written to\n"
        "                 standard output (\"window\", its number of curves and its title,\n"
        "                 separated by tabs) and the program ends\n");
}

} // namespace

int main(int argc, char* argv[]) {
    // These two need no window system.
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--help" || option == "-h") {
            HilfeAusgeben();
            return 0;
        }
        if (option == "--version" || option == "-v") {
            std::fputs(VersionsText(QStringLiteral("orvan")).toUtf8().constData(), stdout);
            return 0;
        }
    }
    TOrvanApplikation qapp(argc, argv);
    // The start-up check answers every message itself, so that it never waits for a click.
    const bool probe = qEnvironmentVariableIsSet("ORVAN_STARTPROBE");
    TQtBenutzer bildschirm;
    TSkriptBenutzer skript;
    skript.BeiNachricht = [](const TNachrichtInhalt& n) {
        std::fputs((Nachrichtenzeile::Zeile(n) + u'\n').toUtf8().constData(), stderr);
    };
    TBenutzer& benutzer = probe ? static_cast<TBenutzer&>(skript) : bildschirm;
    qapp.Benutzer = &benutzer;
    TAnwendung app(benutzer);
    // Help in the language in use, also for the messages of the start-up.
    bildschirm.HilfeDatei = [&app] {
        return HilfeSeite::Datei(app.AppConst.HilfePfad, app.AppConst.Sprache);
    };
    bildschirm.HilfeTexte = [&app] {
        const TSprachTexte& t = app.Texte;
        return THilfeFensterTexte{t.HilfeFensterCaption,  t.HilfeZurueckHint,
                                  t.HilfeVorHint,         t.HilfeInhaltHint,
                                  t.HilfeSuchenHint,      t.HilfeBrowserCaption,
                                  t.HilfeKeinBrowserText, t.HilfeDateiFehltText};
    };

    std::unique_ptr<TMainForm> hauptfenster;
    try {
        const QString programm = QCoreApplication::applicationFilePath();
        AnwendungStarten(app, programm, ProgrammPfadErmitteln(programm));
        TOrvanApplikation::QtSpracheSetzen(app.AppConst.Sprache);
        hauptfenster = std::make_unique<TMainForm>(app);
    } catch (const std::exception& fehler) {
        FehlerZeigen(&benutzer, QString::fromUtf8(fehler.what()));
        return 1;
    }
    // Device runs: the serial port and the progress dialog over the main window.
    GeraetOberflaecheEinrichten(app, app.Geraete, hauptfenster.get());
    hauptfenster->show();
    // What Qt left of the arguments are the files to open.
    hauptfenster->DateienOeffnen(qapp.arguments().mid(1));
    if (probe) {
        QCoreApplication::processEvents();
        for (const TMDIGraphWin* fenster : hauptfenster->GraphFenster()) {
            const QString zeile = QStringLiteral("window\t%1\t%2\n")
                                      .arg(fenster->Diagramm.Kurven.size())
                                      .arg(Nachrichtenzeile::Maskiert(fenster->windowTitle()));
            std::fputs(zeile.toUtf8().constData(), stdout);
        }
        return 0;
    }
    return qapp.exec();
}
