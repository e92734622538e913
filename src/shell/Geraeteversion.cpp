#include "shell/Geraeteversion.h"

namespace Geraeteversion {

QString VersionText(int version) {
    const QString ziffern = QString::number(version).rightJustified(3, u'0');
    return QStringLiteral("V") + ziffern[0] + u'_' + ziffern[1] + ziffern[2];
}

std::optional<int> VersionWert(const QString& text) {
    if (text.size() < 5) {
        return std::nullopt;
    }
    int wert = 0;
    for (int stelle : {1, 3, 4}) {
        const QChar c = text[stelle];
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        wert = wert * 10 + (c.unicode() - u'0');
    }
    return wert;
}

} // namespace Geraeteversion
