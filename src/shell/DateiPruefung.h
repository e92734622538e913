#pragma once

#include <QString>

// What kind of thing a path names, checked before the program opens it. Only regular files
// are read (a FIFO would block the reader for ever, a device would feed it without end) and
// only a regular file or a missing one is written (saving over a FIFO or a device would
// replace the node with a plain file). Each function returns the reason in plain words, or
// an empty text when the path may be used.
namespace DateiPruefung {

// For reading: the file must exist and be a regular file (a symbolic link to one is fine).
QString Lesbar(const QString& pfad);

// For writing: the target must not exist, or be a regular file.
QString Beschreibbar(const QString& pfad);

} // namespace DateiPruefung
