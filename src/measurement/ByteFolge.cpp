#include "measurement/ByteFolge.h"

#include "shell/Textkodierung.h"

namespace ByteFolge {

bool Text(QByteArray& ziel, const QString& text) {
    const QByteArray zeichen = Textkodierung::NachWindows1252(text);
    if (zeichen.size() > 65535) {
        return false;
    }
    Zahl<quint16>(ziel, quint16(zeichen.size()));
    ziel.append(zeichen);
    return true;
}

} // namespace ByteFolge
