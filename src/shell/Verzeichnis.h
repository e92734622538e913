#pragma once

#include <QString>

namespace Verzeichnis {

// Makes a directory text end with the path separator, so that a file name can be appended
// directly: appends "/" unless the text already ends with it ("" becomes "/"). The name is
// the one the configuration's directory settings have always used; on this system the
// separator it appends is the slash, not a backslash.
inline void BackslashAnhaengen(QString& verzeichnis) {
    if (!verzeichnis.endsWith(u'/')) {
        verzeichnis += u'/';
    }
}

// A directory as it is kept: trimmed, with its separator at the end; an empty text stays
// empty (no directory given).
inline QString MitTrenner(const QString& text) {
    QString verzeichnis = text.trimmed();
    if (!verzeichnis.isEmpty()) {
        BackslashAnhaengen(verzeichnis);
    }
    return verzeichnis;
}

} // namespace Verzeichnis
