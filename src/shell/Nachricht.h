#pragma once

#include "shell/TNachrichtInhalt.h"

class TBenutzer;
struct TSprachTexte;

// Composes numbered message `nummer` from the current language texts and one text argument.
// A text longer than 255 characters keeps its last 255 characters followed by "...".
// A number without a message gives the fall-back message.
TNachrichtInhalt NachrichtZusammensetzen(int nummer, const QString& text,
                                         const TSprachTexte& texte);

// Shows numbered message `nummer` and returns the button pressed (mrOk, mrCancel, mrYes, mrNo).
int Nachricht(TBenutzer& benutzer, const TSprachTexte& texte, int nummer, const QString& text);
