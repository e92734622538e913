#pragma once

#include <QString>

// Qt's own texts (standard dialog buttons, key names in shortcuts) in the program's language:
// Qt's German translation for "Deutsch", none for any other language, so that an English
// program reads "Ctrl+N" and "Cancel". True when a translation is installed afterwards.
bool QtUebersetzungSetzen(const QString& sprache);
