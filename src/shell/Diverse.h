#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

class TShellKontext;

// Small conversions shared by dialogs and file formats: style names, instrument version
// texts, checks of typed numbers, packed BCD and directory texts.
namespace Diverse {

// Appends the path separator unless the text already ends with it; "" becomes "/".
void BackslashAnhaengen(QString& verzeichnis);

QString LinienstilText(quint8 stil);
quint8 LinienstilWert(const QString& name);
QString PunktstilText(quint8 stil);
quint8 PunktstilWert(const QString& name);

// 103 -> "V1_03", 5 -> "V0_05".
QString VersionText(int version);
// "V1_03" -> 103; nullopt when the text is too short or has no digit at the second, fourth
// or fifth position.
std::optional<int> VersionWert(const QString& text);

// The value of a text of "0"/"1" characters, last character bit 0; nullopt above 255
// characters.
std::optional<quint32> BitTextWert(const QString& text);

// Range checks of typed numbers. On a text that is no number: message 6 (when `zeigen`),
// false; out of range: message 5 with "min ... max", false.
bool BitTextPruefen(TShellKontext& app, qint64 minimum, qint64 maximum, const QString& text,
                    bool zeigen);
bool GanzzahlPruefen(TShellKontext& app, qint32 minimum, qint32 maximum, const QString& text,
                     bool zeigen);
bool KardinalzahlPruefen(TShellKontext& app, quint32 minimum, quint32 maximum, const QString& text,
                         bool zeigen);
bool GleitzahlPruefen(TShellKontext& app, const QString& text, bool zeigen, double minimum,
                      double maximum);

quint8 ZahlZuBcd(quint8 zahl);
quint8 BcdZuZahl(quint8 bcd);

} // namespace Diverse
