#pragma once

#include "shell/TEinheiten.h"

#include <QString>
#include <QStringList>
#include <QVector>

struct TSprachTexte;

// The rules of the units table of the settings dialog, on plain rows of cell texts so that
// they hold without any widget: filling, the check of a cell being left, the typing filter
// of the number columns, sorting by a column and turning the rows back into the unit list.
namespace EinheitenTabelle {

enum TSpalte : int { Name = 0, Zeichen, Faktor, Offset, Bezug, SpaltenAnzahl };

// One row per unit, five cell texts each.
using TZeilen = QVector<QStringList>;

// The outcome of a check: message 36 or 37 with its text, or 0 when the cell is fine.
struct TPruefung {
    int Nachricht = 0;
    QString Text;
    bool Gut() const { return Nachricht == 0; }
};

// The rows of a unit list, factor and offset in the general number format; a list without
// units gives one empty row, so that there is a row to type into.
TZeilen Zeilen(const TEinheitenListe& liste);

// The check of cell (zeile, spalte) when the selection leaves it. Names must be non-empty,
// unique (exact comparison) and usable as a key of the configuration file; factors must be
// numbers above 0, offsets numbers; symbol and reference take anything.
TPruefung ZellePruefen(const TZeilen& zeilen, int zeile, int spalte, const TSprachTexte& texte);

// Why a name cannot be stored as a key of the configuration file, or empty when it can: a
// "=" would split the line, a leading ";" or "[" makes it a comment or a section, and a comma
// would be read as a separator by the lists that show the units.
bool NameSpeicherbar(const QString& name);

// What typing into a factor or offset cell leaves: digits, "+", "-", "/" and the decimal
// separator; "," becomes "."; everything else (the letter E included) is dropped.
QString ZahlFiltern(const QString& getippt);
bool ZeichenErlaubt(QChar zeichen);

// Sorts the rows by column `spalte`, ascending, by the cell texts with the letters a to z in
// upper case, compared locale-aware; equal keys keep their order. Numbers sort as texts.
void Sortieren(TZeilen& zeilen, int spalte);

// The unit list of the rows, in row order, with the neutral unit in front unless a row holds
// it. A row whose cells are all empty is left out; a factor cell left empty counts as 1, an
// offset cell left empty as 0 (rows never visited). Any other faulty cell stops the
// conversion: `Fehler` says what, `Zeile`/`Spalte` where.
struct TListenErgebnis {
    TEinheitenListe Liste;
    TPruefung Fehler;
    int Zeile = -1;
    int Spalte = -1;
};
TListenErgebnis Liste(const TZeilen& zeilen, const TSprachTexte& texte);

} // namespace EinheitenTabelle
