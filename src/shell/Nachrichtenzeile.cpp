#include "shell/Nachrichtenzeile.h"

namespace Nachrichtenzeile {

QString Maskiert(const QString& text) {
    QString t = text;
    t.replace(QChar(13), QStringLiteral("\\r"));
    t.replace(QChar(10), QStringLiteral("\\n"));
    return t;
}

QString Zeile(const TNachrichtInhalt& nachricht) {
    return QStringLiteral("message %1: %2").arg(nachricht.Nummer).arg(Maskiert(nachricht.Text));
}

} // namespace Nachrichtenzeile
