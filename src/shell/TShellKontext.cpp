#include "shell/TShellKontext.h"

#include "shell/Nachricht.h"

int TShellKontext::Nachricht(int nummer, const QString& text) {
    return ::Nachricht(*Benutzer, Texte, nummer, text);
}
