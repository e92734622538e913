#pragma once

#include <QString>
#include <optional>

// Number and text conversions shared by the configuration files, the entry checks and the
// file formats. The decimal separator is always ".", whatever the configuration says.
namespace Zahlen {

// Decimal with optional sign and leading blanks, or hexadecimal with a leading "$" or "0x"
// (a hexadecimal value up to FFFFFFFF wraps into the signed range, as the old runtime did).
std::optional<qint32> GanzzahlLesen(const QString& text);
// Like GanzzahlLesen, but into 64 bits (used where the range check is done by the caller).
std::optional<qint64> Ganzzahl64Lesen(const QString& text);

// A floating-point number with "." as decimal separator, optional sign (a leading "+"
// included), optional exponent, surrounding blanks allowed. Infinite results are refused.
std::optional<double> GleitzahlLesen(const QString& text);

// The general format with up to 15 significant digits: 1, 0.001, 1E-5, 1.5E20, -2.25.
QString GleitzahlText(double wert);

} // namespace Zahlen
