#pragma once

#include "shell/TAppConst.h"
#include "shell/TSprachTexte.h"

#include <QString>

class TBenutzer;

// The shell's part of the program-wide records: configuration, language texts, the user
// seam and the numbered messages. Every floor above the shell takes this (or one of its
// records) as a parameter; the application context (app/TAnwendung.h) extends it with the
// records of the floors above. Tests make their own.
class TShellKontext {
public:
    explicit TShellKontext(TBenutzer& benutzer) : Benutzer(&benutzer) {}

    TAppConst AppConst;
    TSprachTexte Texte;
    TBenutzer* Benutzer;

    // Set by the start-up: what the GUI applies to the application object.
    QString Titel;
    QString IconPfad;
    QString HilfeDatei;

    // Shows numbered message `nummer` (see Nachricht) and returns the button pressed.
    int Nachricht(int nummer, const QString& text = QString());
};
