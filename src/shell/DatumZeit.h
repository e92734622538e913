#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// Dates and times as TDateTime: a double counting days since 1899-12-30, the fraction being
// the time of day. Format patterns follow the old runtime: letters without regard to case,
// d dd ddd dddd day, m mm mmm mmmm month (minutes directly after an hour letter), yy yyyy year,
// h hh hour, n nn minutes, s ss seconds, z zzz milliseconds, "/" and ":" the date and time
// separators ("." and ":"), text in single or double quotes literal.
namespace DatumZeit {

struct TTeile {
    int Jahr = 1899;
    int Monat = 12;
    int Tag = 30;
    int Stunde = 0;
    int Minute = 0;
    int Sekunde = 0;
    int Millisekunde = 0;
};

// nullopt for an impossible date or time.
std::optional<double> Kodieren(const TTeile& teile);
TTeile Zerlegen(double wert);

double AusQDateTime(const QDateTime& zeit);
QDateTime NachQDateTime(double wert);

QString Formatieren(const QString& muster, double wert);
// Reads `text` by `muster`; a two-digit year lies in the century of `jetzt`.
std::optional<double> Lesen(const QString& text, const QString& muster, double jetzt);

} // namespace DatumZeit
