// orvan: the program's windows.
#include "app/AnwendungStarten.h"
#include "app/TAnwendung.h"
#include "app/ui/TMainForm.h"
#include "app/ui/TOrvanApplikation.h"
#include "device/ui/TGeraetForm.h"
#include "shell/ProgrammStart.h"
#include "shell/ui/TQtBenutzer.h"

#include <exception>
#include <memory>

int main(int argc, char* argv[]) {
    TOrvanApplikation qapp(argc, argv);
    TQtBenutzer benutzer;
    qapp.Benutzer = &benutzer;
    TAnwendung app(benutzer);

    std::unique_ptr<TMainForm> hauptfenster;
    try {
        const QString programm = QCoreApplication::applicationFilePath();
        AnwendungStarten(app, programm, ProgrammPfadErmitteln(programm));
        hauptfenster = std::make_unique<TMainForm>(app);
    } catch (const std::exception& fehler) {
        TOrvanApplikation::FehlerZeigen(&benutzer, QString::fromUtf8(fehler.what()));
        return 1;
    }
    // Device runs: the serial port and the progress dialog over the main window.
    GeraetOberflaecheEinrichten(app, app.Geraete, hauptfenster.get());
    hauptfenster->show();
    return qapp.exec();
}
