#pragma once

#include "shell/TBenutzer.h"

#include <QString>
#include <functional>
#include <optional>

class TShellKontext;

// The one sequence behind "Speichern", "Speichern unter" and the export of a graph window:
// the save dialog, the question before an existing file is replaced (message 12), a check of
// the chosen name, the write, and message 29 when the write failed. The window only says
// what to write.
namespace SpeicherAblauf {

struct TSchritte {
    // Refuses a chosen name before anything is written (it tells the user itself); empty:
    // every name is taken.
    std::function<bool(const QString& name)> Pruefen;
    // Writes the file; false when it could not be written.
    std::function<bool(const QString& name)> Schreiben;
};

// The chosen name when the file was written; nothing when the user cancelled, answered No,
// the name was refused or the write failed (then message 29 has been shown).
std::optional<QString> Ausfuehren(TShellKontext& app, const TDateiDialog& dialog,
                                  const TSchritte& schritte);
// The last steps alone, for a name that is known already ("Speichern" of a graph file):
// check, write, message 29 on failure. True when written.
bool Schreiben(TShellKontext& app, const QString& name, const TSchritte& schritte);

} // namespace SpeicherAblauf
