#include "graph/GraphBildFormat.h"

#include <QRegularExpression>

namespace GraphBildFormat {

TArt ArtNachEndung(const QString& datei) {
    if (datei.endsWith(QStringLiteral(".png"))) {
        return TArt::Png;
    }
    if (datei.endsWith(QStringLiteral(".svg"))) {
        return TArt::Svg;
    }
    if (datei.endsWith(QStringLiteral(".pdf"))) {
        return TArt::Pdf;
    }
    return TArt::Keine;
}

std::optional<TGroesse> GroesseLesen(const QString& text) {
    static const QRegularExpression muster(
        QStringLiteral(R"(^\s*(\d{1,5})\s*[xX]\s*(\d{1,5})\s*(?:(?:@|\s)\s*([12])[xX])?\s*$)"));
    const QRegularExpressionMatch m = muster.match(text);
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    const int breite = m.captured(1).toInt();
    const int hoehe = m.captured(2).toInt();
    if (breite < kKleinste || hoehe < kKleinste || breite > kGroesste || hoehe > kGroesste) {
        return std::nullopt;
    }
    TGroesse g;
    g.Pixel = QSize(breite, hoehe);
    g.Skala = m.captured(3) == u"2" ? 2.0 : 1.0;
    return g;
}

QString GroesseText(const TGroesse& groesse) {
    QString text = QStringLiteral("%1x%2").arg(groesse.Pixel.width()).arg(groesse.Pixel.height());
    if (groesse.Skala == 2) {
        text += QStringLiteral("@2x");
    }
    return text;
}

} // namespace GraphBildFormat
