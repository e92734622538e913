#include "shell/TAnwendung.h"

#include "shell/Nachricht.h"

int TAnwendung::Nachricht(int nummer, const QString& text) {
    return ::Nachricht(*Benutzer, Texte, nummer, text);
}
