#pragma once

#include "app/TAnwendung.h"
#include "shell/TSkriptBenutzer.h"

#include <QStringList>

// Exit codes of orvan-cli.
enum TCliErgebnis : int {
    cliFertig = 0,
    cliAufruf = 1,    // usage error
    cliAbgelehnt = 2, // input refused: wrong format, faulty formula, bad number
    cliFehler = 3,    // error while computing or writing
    cliGeraet = 4,    // the instrument failed
};

// What every command gets: the started application, its scripted user and the output.
struct TCliKontext {
    TAnwendung& App;
    TSkriptBenutzer& Benutzer;
    // Index of the first argument after "--" (which is removed): from there on every
    // argument is a name, even one that starts with "--".
    qsizetype NamenAb = 0;

    // True when argument `i` may be an option (it stands before "--").
    bool Option(const QStringList& argumente, qsizetype i, const char* name) const {
        return i < NamenAb && argumente.value(i) == QLatin1String(name);
    }
    bool SiehtAusWieOption(const QStringList& argumente, qsizetype i) const {
        return i < NamenAb && argumente.value(i).startsWith(QStringLiteral("--"));
    }
};

// Writes a line to standard output / standard error (UTF-8).
void Ausgabe(const QString& zeile);
void Fehlerausgabe(const QString& zeile);
// Doubles in their shortest round-trip form.
QString ZahlText(double wert);

// A command of orvan-cli; each command file registers itself with one static instance.
struct TCliBefehl {
    using TFunktion = int (*)(TCliKontext&, const QStringList& argumente);
    TCliBefehl(const char* name, const char* aufruf, TFunktion funktion);

    const char* Name;
    const char* Aufruf; // usage line
    TFunktion Funktion;

    static const QList<const TCliBefehl*>& Alle();
};
