#include "shell/AnwendungStarten.h"

#include "shell/ProgrammStart.h"
#include "shell/TAnwendung.h"

void AnwendungStarten(TAnwendung& app, const QString& programmDatei, const QString& programmPfad) {
    ProgrammStart(app, programmDatei, programmPfad);
}
