#pragma once

#include <QString>

class TBenutzer;

// The general error display: an error box with the text, an OK and a Help button (the
// program's main help page). Every window shows an unexpected failure through it, and the
// application object shows what escaped an event handler with it. Without a user (before
// the windows exist) the text goes to standard error.
void FehlerZeigen(TBenutzer* benutzer, const QString& text);
