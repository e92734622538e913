#pragma once

#include "shell/TBenutzer.h"

#include <QList>
#include <QPair>

class TShellKontext;

// A dialog filter from (file-type name, extension) pairs: each becomes
// name + " (*" + extension + ")|*" + extension, the pairs joined by "|".
QString DateiFilter(const QList<QPair<QString, QString>>& typen);

// A file dialog of the program: the title, the data directory, the dialog options, the
// default extension and a filter of the one file type followed by all files.
TDateiDialog DateiDialogVorlage(const TShellKontext& app, const QString& titel,
                                const QString& typName, const QString& endung);

// The dialog in which the reading commands ask for the target of a measurement file.
TDateiDialog MessDateiZielDialog(const TShellKontext& app);
