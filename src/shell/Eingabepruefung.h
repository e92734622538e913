#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

class TBenutzer;
class TShellKontext;
struct TSprachTexte;

// Checks of numbers the user typed into a dialog, with the program's messages for a text
// that is no number (6) and for a number out of its range (5).
namespace Eingabepruefung {

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

// The same checks for windows that are given the user seam and the texts, not the whole
// application context.
bool GanzzahlPruefen(TBenutzer& benutzer, const TSprachTexte& texte, qint32 minimum, qint32 maximum,
                     const QString& text, bool zeigen);
bool GleitzahlPruefen(TBenutzer& benutzer, const TSprachTexte& texte, const QString& text,
                      bool zeigen, double minimum, double maximum);

} // namespace Eingabepruefung
