#pragma once

#include "shell/TNachrichtInhalt.h"

#include <QString>

// A message as one line of text, for the programs that show it on a terminal instead of in a
// dialog (orvan-cli, its drawing helper, the start-up check of orvan): one rule for all of
// them, so that a message reads the same wherever it comes from.
namespace Nachrichtenzeile {

// Carriage return and line feed written as \r and \n: a message of several lines stays one
// line, and a text cannot move the cursor back over what was written.
QString Maskiert(const QString& text);

// "message N: TEXT" with the text masked.
QString Zeile(const TNachrichtInhalt& nachricht);

} // namespace Nachrichtenzeile
