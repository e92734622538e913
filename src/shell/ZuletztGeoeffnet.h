#pragma once

#include <QStringList>

class TIniDatei;
class TShellKontext;

// The graph and measurement files opened or saved last, newest first, as the Datei menu lists
// them. They live in section "Zuletzt" of the user configuration file, keys "Datei1" to
// "Datei8".
namespace ZuletztGeoeffnet {

constexpr qsizetype kAnzahl = 8;

// `liste` with `datei` in front: an earlier entry of the same file goes, and the list keeps
// the newest kAnzahl entries. Paths are compared as cleaned absolute paths.
QStringList Eintragen(const QStringList& liste, const QString& datei);
QStringList Entfernen(const QStringList& liste, const QString& datei);

// The section's entries (empty ones skipped, at most kAnzahl); nothing when it is missing.
QStringList Lesen(const TIniDatei& ini);
bool Vorhanden(const TIniDatei& ini);
// Replaces the section by `liste`.
void Schreiben(TIniDatei& ini, const QStringList& liste);
// Writes AppConst.ZuletztGeoeffnet into the user file, and nothing else (message 29 when it
// cannot be written).
bool Speichern(TShellKontext& app);

} // namespace ZuletztGeoeffnet
