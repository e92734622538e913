// orvan: the program's windows.
#include "device/ui/TGeraetForm.h"
#include "graph/ui/TMDIGraphWin.h"
#include "shell/ProgrammStart.h"
#include "shell/TAnwendung.h"
#include "shell/ui/TMainForm.h"
#include "shell/ui/TOrvanApplikation.h"
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
        hauptfenster = std::make_unique<TMainForm>(app, programm, ProgrammPfadErmitteln(programm));
    } catch (const std::exception& fehler) {
        TOrvanApplikation::FehlerZeigen(&benutzer, QString::fromUtf8(fehler.what()));
        return 1;
    }
    // Device runs: the serial port, the progress dialog, the read-out hook, the status bar.
    GeraetOberflaecheEinrichten(app, hauptfenster.get());
    app.StatusBarSetzen = [&hauptfenster] { hauptfenster->StatusBarSetzen(); };
    hauptfenster->show();
    return qapp.exec();
}
