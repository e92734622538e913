#include "shell/DatumZeit.h"

#include <QDate>
#include <cmath>

namespace {

constexpr qint64 kJulianischerNullpunkt = 2415019; // 1899-12-30
constexpr qint64 kMsProTag = 86400000;

const char* const kTagKurz[] = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
const char* const kTagLang[] = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                "Donnerstag", "Freitag", "Samstag"};
const char* const kMonatKurz[] = {"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun",
                                  "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
const char* const kMonatLang[] = {"Januar",    "Februar", "März",     "April",
                                  "Mai",       "Juni",    "Juli",     "August",
                                  "September", "Oktober", "November", "Dezember"};

QChar Gross(QChar c) {
    return c.toUpper();
}

int Wiederholungen(const QString& muster, qsizetype i) {
    const QChar c = Gross(muster[i]);
    int n = 1;
    while (i + n < muster.size() && Gross(muster[i + n]) == c) {
        ++n;
    }
    return n;
}

QString Zahl(int wert, int breite) {
    return QString::number(wert).rightJustified(breite, u'0');
}

} // namespace

namespace DatumZeit {

std::optional<double> Kodieren(const TTeile& t) {
    const QDate datum(t.Jahr, t.Monat, t.Tag);
    if (!datum.isValid() || t.Stunde < 0 || t.Stunde > 23 || t.Minute < 0 || t.Minute > 59 ||
        t.Sekunde < 0 || t.Sekunde > 59 || t.Millisekunde < 0 || t.Millisekunde > 999) {
        return std::nullopt;
    }
    const double tage = double(datum.toJulianDay() - kJulianischerNullpunkt);
    const double zeit =
        (((t.Stunde * 60.0 + t.Minute) * 60.0 + t.Sekunde) * 1000.0 + t.Millisekunde) / kMsProTag;
    // Before the zero point the old runtime counted the time of day away from zero.
    return tage >= 0 ? tage + zeit : tage - zeit;
}

TTeile Zerlegen(double wert) {
    double ganz = std::trunc(wert);
    qint64 ms = std::llround(std::fabs(wert - ganz) * kMsProTag);
    if (ms >= kMsProTag) {
        ms -= kMsProTag;
        ganz += wert < 0 ? -1 : 1;
    }
    const QDate datum = QDate::fromJulianDay(qint64(ganz) + kJulianischerNullpunkt);
    TTeile t;
    t.Jahr = datum.year();
    t.Monat = datum.month();
    t.Tag = datum.day();
    t.Millisekunde = int(ms % 1000);
    t.Sekunde = int(ms / 1000 % 60);
    t.Minute = int(ms / 60000 % 60);
    t.Stunde = int(ms / 3600000);
    return t;
}

double AusQDateTime(const QDateTime& zeit) {
    const QDate d = zeit.date();
    const QTime z = zeit.time();
    return Kodieren({d.year(), d.month(), d.day(), z.hour(), z.minute(), z.second(), z.msec()})
        .value_or(0.0);
}

QDateTime NachQDateTime(double wert) {
    const TTeile t = Zerlegen(wert);
    return QDateTime(QDate(t.Jahr, t.Monat, t.Tag),
                     QTime(t.Stunde, t.Minute, t.Sekunde, t.Millisekunde));
}

QString Formatieren(const QString& muster, double wert) {
    const TTeile t = Zerlegen(wert);
    const int wochentag = QDate(t.Jahr, t.Monat, t.Tag).dayOfWeek() % 7; // 0 = Sunday
    QString text;
    QChar letzterBuchstabe;
    qsizetype i = 0;
    while (i < muster.size()) {
        const QChar c = muster[i];
        if (c == u'\'' || c == u'"') {
            const qsizetype ende = muster.indexOf(c, i + 1);
            const qsizetype bis = ende < 0 ? muster.size() : ende;
            text += muster.mid(i + 1, bis - i - 1);
            i = bis + 1;
            continue;
        }
        QChar token = Gross(c);
        const int n = token.isLetter() ? Wiederholungen(muster, i) : 1;
        if (token.isLetter()) {
            if (token == u'M' && letzterBuchstabe == u'H') {
                token = u'N';
            }
            letzterBuchstabe = token;
        }
        switch (token.unicode()) {
        case u'D':
            if (n <= 2) {
                text += Zahl(t.Tag, n);
            } else if (n == 3) {
                text += QLatin1String(kTagKurz[wochentag]);
            } else if (n == 4) {
                text += QLatin1String(kTagLang[wochentag]);
            } else {
                text += Formatieren(n == 5 ? QStringLiteral("dd.mm.yyyy")
                                           : QStringLiteral("dddd, d. mmmm yyyy"),
                                    wert);
            }
            break;
        case u'M':
            if (n <= 2) {
                text += Zahl(t.Monat, n);
            } else if (n == 3) {
                text += QLatin1String(kMonatKurz[t.Monat - 1]);
            } else {
                text += QString::fromUtf8(kMonatLang[t.Monat - 1]);
            }
            break;
        case u'Y':
            text += n <= 2 ? Zahl(t.Jahr % 100, 2) : Zahl(t.Jahr, 4);
            break;
        case u'H':
            text += Zahl(t.Stunde, qMin(n, 2));
            break;
        case u'N':
            text += Zahl(t.Minute, qMin(n, 2));
            break;
        case u'S':
            text += Zahl(t.Sekunde, qMin(n, 2));
            break;
        case u'Z':
            text += n <= 2 ? QString::number(t.Millisekunde) : Zahl(t.Millisekunde, 3);
            break;
        case u'/':
            text += u'.';
            break;
        default:
            text += QString(n, c);
            break;
        }
        i += n;
    }
    return text;
}

std::optional<double> Lesen(const QString& text, const QString& muster, double jetzt) {
    TTeile t;
    bool mitDatum = false;
    int jahrZiffern = 4;
    QChar letzterBuchstabe;
    qsizetype p = 0; // position in the text
    auto zahlLesen = [&](int maxZiffern) -> std::optional<int> {
        while (p < text.size() && text[p] == u' ') {
            ++p;
        }
        int wert = 0;
        int ziffern = 0;
        while (p < text.size() && ziffern < maxZiffern && text[p].isDigit() &&
               text[p].unicode() < 128) {
            wert = wert * 10 + (text[p].unicode() - u'0');
            ++p;
            ++ziffern;
        }
        jahrZiffern = ziffern;
        return ziffern > 0 ? std::optional<int>(wert) : std::nullopt;
    };
    qsizetype i = 0;
    while (i < muster.size()) {
        const QChar c = muster[i];
        if (c == u'\'' || c == u'"') {
            const qsizetype ende = muster.indexOf(c, i + 1);
            const qsizetype bis = ende < 0 ? muster.size() : ende;
            const QString literal = muster.mid(i + 1, bis - i - 1);
            if (text.mid(p, literal.size()) != literal) {
                return std::nullopt;
            }
            p += literal.size();
            i = bis + 1;
            continue;
        }
        QChar token = Gross(c);
        const int n = token.isLetter() ? Wiederholungen(muster, i) : 1;
        if (token.isLetter()) {
            if (token == u'M' && letzterBuchstabe == u'H') {
                token = u'N';
            }
            letzterBuchstabe = token;
        }
        std::optional<int> wert;
        switch (token.unicode()) {
        case u'D':
            mitDatum = true;
            if (!(wert = zahlLesen(2))) {
                return std::nullopt;
            }
            t.Tag = *wert;
            break;
        case u'M':
            mitDatum = true;
            if (!(wert = zahlLesen(2))) {
                return std::nullopt;
            }
            t.Monat = *wert;
            break;
        case u'Y':
            mitDatum = true;
            if (!(wert = zahlLesen(4))) {
                return std::nullopt;
            }
            t.Jahr = *wert;
            if (jahrZiffern <= 2) {
                t.Jahr += Zerlegen(jetzt).Jahr / 100 * 100;
            }
            break;
        case u'H':
        case u'N':
        case u'S':
        case u'Z':
            if (!(wert = zahlLesen(token == u'Z' ? 3 : 2))) {
                return std::nullopt;
            }
            (token == u'H'   ? t.Stunde
             : token == u'N' ? t.Minute
             : token == u'S' ? t.Sekunde
                             : t.Millisekunde) = *wert;
            break;
        default: {
            const QChar erwartet = c == u'/' ? QChar(u'.') : c;
            if (erwartet == u' ') {
                while (p < text.size() && text[p] == u' ') {
                    ++p;
                }
            } else if (p < text.size() && text[p] == erwartet) {
                ++p;
            } else {
                return std::nullopt;
            }
            break;
        }
        }
        i += n;
    }
    while (p < text.size() && text[p] == u' ') {
        ++p;
    }
    if (p != text.size()) {
        return std::nullopt;
    }
    if (!mitDatum) {
        t.Jahr = 1899;
        t.Monat = 12;
        t.Tag = 30;
    }
    return Kodieren(t);
}

} // namespace DatumZeit
