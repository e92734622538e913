#include "app/AnwendungStarten.h"

#include "app/TAnwendung.h"
#include "catalogue/GeraeteKatalog.h"
#include "graph/GraphDefaults.h"
#include "shell/HilfeSeite.h"
#include "shell/Konfiguration.h"
#include "shell/ProgrammStart.h"
#include "shell/Sprache.h"

#include <QFileInfo>

void EinstellungenLesen(TAnwendung& app, const QString& verzeichnis, const QString& datei) {
    const TIniDatei ini = KonfigurationLesen(app, verzeichnis, datei);
    GraphDefaults::Lesen(ini, app.DefaultDiagramm, app.DefaultKurve);
}

bool EinstellungenSchreiben(TAnwendung& app, const QString& verzeichnis, const QString& datei) {
    if (!KonfigVerzeichnisAnlegen(app, verzeichnis)) {
        return false;
    }
    TIniDatei ini(verzeichnis + datei);
    AppConstSchreiben(ini, app.AppConst);
    GraphDefaults::Schreiben(ini, app.DefaultDiagramm, app.DefaultKurve);
    return KonfigDateiSpeichern(app, ini);
}

void AnwendungStarten(TAnwendung& app, const QString& programmDatei, const QString& programmPfad) {
    ProgrammDatenSetzen(app, programmDatei, programmPfad);
    const TAppConst& a = app.AppConst;

    // Numbers are always converted with "." and two-digit years always lie in the current
    // century; the conversion routines of the program do both by themselves.

    // A missing configuration file is written with what was read so far and the defaults.
    const QString prgDatei = a.PrgKonfigPfad + a.PrgKonfigDatei;
    const bool prgVorhanden = QFileInfo(prgDatei).isFile();
    KonfigurationLesen(app, a.PrgKonfigPfad, a.PrgKonfigDatei);
    if (!prgVorhanden) {
        KonfigurationSchreiben(app, a.PrgKonfigPfad, a.PrgKonfigDatei);
    }

    // The program file may have moved the user's configuration directory.
    const QString userPfad = a.KonfigurationsPfad;
    const QString userDatei = a.UserKonfigDatei;
    const bool userVorhanden = QFileInfo(userPfad + userDatei).isFile();
    EinstellungenLesen(app, userPfad, userDatei);
    if (!userVorhanden) {
        EinstellungenSchreiben(app, userPfad, userDatei);
    }

    SpracheLaden(app);
    app.HilfeDatei = HilfeSeite::Datei(a.HilfePfad, a.Sprache);
    GeraeteLaden(app, app.AktuellesGeraet);
}
