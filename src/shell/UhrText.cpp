#include "shell/UhrText.h"

#include "shell/DatumZeit.h"

namespace UhrText {

std::optional<double> AntwortLesen(const QString& text, double jetzt) {
    // Exactly two digits for day, month, hours, minutes and seconds and four for the year.
    static const QString kForm = QStringLiteral("99.99.9999 99:99:99");
    if (text.size() != kForm.size()) {
        return std::nullopt;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool ziffer = text[i] >= u'0' && text[i] <= u'9';
        if (kForm[i] == u'9' ? !ziffer : text[i] != kForm[i]) {
            return std::nullopt;
        }
    }
    return DatumZeit::Lesen(text, QStringLiteral("dd.mm.yyyy hh:nn:ss"), jetzt);
}

std::optional<double> FeldLesen(const QString& text, const QString& datumKurz,
                                const QString& zeitKurz, double jetzt) {
    const QString mitZeit = datumKurz + QStringLiteral(" ") + zeitKurz;
    for (const QString& muster : {mitZeit, mitZeit + QStringLiteral(".zzz"), datumKurz}) {
        if (const auto wert = DatumZeit::Lesen(text.trimmed(), muster, jetzt)) {
            return wert;
        }
    }
    return std::nullopt;
}

QString SetzenParameter(double wert) {
    return DatumZeit::Formatieren(QStringLiteral("hh:nn:ss dd.mm.yy"), wert);
}

} // namespace UhrText
