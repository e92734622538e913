#include "shell/AnwendungStarten.h"

#include "device/GeraeteKatalog.h"
#include "graph/GraphDefaults.h"
#include "shell/ProgrammStart.h"
#include "shell/TAnwendung.h"

void AnwendungStarten(TAnwendung& app, const QString& programmDatei, const QString& programmPfad) {
    app.GeraeteLaden = GeraeteLaden;
    GraphDefaults::Verbinden(app);
    ProgrammStart(app, programmDatei, programmPfad);
}
