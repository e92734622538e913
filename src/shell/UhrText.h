#pragma once

#include <QString>
#include <optional>

// The instrument clock as the settings dialog shows and sends it.
namespace UhrText {

// The text the clock-reading run hands back: exactly "dd.mm.yyyy hh:nn:ss". Nothing for any
// other text ("-" when the clock was not read).
std::optional<double> AntwortLesen(const QString& text, double jetzt);

// The clock field as the user may have typed it: the date in `datumKurz`, a blank, the time
// in `zeitKurz`, optionally with ".zzz" milliseconds (the form the field itself shows), or the
// date alone. The patterns are arguments: nothing program-wide changes for the conversion,
// so a text that does not convert leaves every convention as it was.
std::optional<double> FeldLesen(const QString& text, const QString& datumKurz,
                                const QString& zeitKurz, double jetzt);

// The parameter of the set-clock command: "hh:nn:ss dd.mm.yy".
QString SetzenParameter(double wert);

} // namespace UhrText
