#pragma once

#include "shell/TEinheiten.h"

#include <QString>
#include <QStringList>
#include <optional>

class TShellKontext;

// Units of measure: look-up by name, the form shown in selection lists, the neutral unit and
// the switch of a value from one unit to another.

// The name of the neutral unit, the choice for a quantity without a unit.
inline const QString NeutralerEinheitenName = QStringLiteral("<>");
// "<>" with no symbol, factor 1, offset 0 and no reference unit.
TEinheiten NeutraleEinheit();
// Puts the neutral unit at the front of the list unless some unit already has its name.
void NeutraleEinheitEinfuegen(TEinheitenListe& liste);

// Index of the last unit named exactly `name` (letter case counts); -1 when there is none.
qsizetype EinheitSuchen(const TEinheitenListe& liste, const QString& name);

// The form of a unit in selection lists: Name + " / " + Zeichen ("<> / " for the neutral unit).
QString EinheitAnzeigeText(const TEinheiten& einheit);
QStringList EinheitenAnzeigeListe(const TEinheitenListe& liste);
// The entry to select after a selection list was rebuilt: the one showing `anzeigeText`,
// otherwise the first; -1 for an empty list.
qsizetype EinheitenAuswahlIndex(const TEinheitenListe& liste, const QString& anzeigeText);

// The scale by which a value in unit `von` is multiplied to be expressed in unit `nach`, or
// nothing when the switch is refused (both units have a reference unit, and they differ).
// A unit without reference unit switches freely and keeps the values (scale 1); so does a
// factor of 0 on either side, or a scale that would not be a finite number, because the
// values could not be recovered afterwards.
std::optional<double> EinheitenWechselFaktor(const TEinheiten& von, const TEinheiten& nach);
// The same check as the user sees it: a refusal shows message 38 with both names.
std::optional<double> EinheitenWechselPruefen(TShellKontext& app, const TEinheiten& von,
                                              const TEinheiten& nach);

// The value of a unit's key in section "Einheiten": Zeichen "," Faktor "," Offset "," Bezug.
// A symbol or reference containing blanks, commas or quotes is written in double quotes, so
// that it reads back as it was.
QString EinheitWertText(const TEinheiten& einheit);
