#include "shell/Fehleranzeige.h"

#include "shell/HilfeKontexte.h"
#include "shell/TBenutzer.h"

#include <iostream>

void FehlerZeigen(TBenutzer* benutzer, const QString& text) {
    if (benutzer == nullptr) {
        std::cerr << text.toStdString() << std::endl;
        return;
    }
    TNachrichtInhalt inhalt;
    inhalt.Typ = TNachrichtTyp::Fehler;
    inhalt.Knoepfe = TNachrichtKnoepfe::OkHilfe;
    inhalt.HilfeKontext = HilfeKontext::Haupt;
    inhalt.Text = text;
    benutzer->NachrichtZeigen(inhalt);
}
