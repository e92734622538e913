#pragma once

#include "measurement/TMessDatei.h"
#include "shell/TErgebnis.h"

#include <QString>
#include <QVector>
#include <optional>

class TShellKontext;
class TParser;

// Calculated series: a series whose name is "label=formula" (the whole name when it has no
// "=") is computed from the series it references. M<n> (upper-case M, decimal digits) is the
// value of series n at the same measurement index; a formula that starts with IGR (any
// case) and has exactly one reference is the running integral of that series over time in
// days. The result is scaled like a measured series: (value + Nullwert) * Messkonstante. It
// has one point fewer than the first referenced series and carries its time stamps.
namespace Berechnungsformel {

// The formula text of a series name.
QString Formel(const QString& name);

// The references of a formula in order of appearance (repeats kept). Nothing, with the
// reason in `fehler`, when an M is followed by something other than digits or the number
// is too large; an M as the very last character starts no reference.
std::optional<QVector<int>> Bezuege(const QString& formel, QString* fehler = nullptr);

} // namespace Berechnungsformel

// Computes series `k` of `m` in place with `parser` (the graph window's evaluator): only
// its Messwerte change. When the references are unusable (none, a missing series, one with
// fewer measurements than the first or with shorter rows than it) nothing is computed and
// nothing is shown. A formula the evaluator refuses shows message 35 and gives
// (0 + Nullwert) * Messkonstante for every point. A broken reference (an M without digits)
// or an arithmetic error while evaluating fails without changing the series.
TErgebnis KurveBerechnen(TShellKontext& app, TParser& parser, int k, TMessDatei& m);
