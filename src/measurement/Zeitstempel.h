#pragma once

#include <QtGlobal>
#include <array>

// The 8-byte time stamp group of measurement and job files and of the job command: packed
// BCD year - 2000, month, day, hour, minute, second, milliseconds div 100, milliseconds
// mod 100.
using TZeitstempel = std::array<quint8, 8>;

// Decodes a group into `ziel` (TDateTime). An impossible date leaves `ziel` as it was; a
// possible date with an impossible time gives that date at 00:00:00. Returns whether the
// date was possible.
bool ZeitstempelLesen(const quint8* gruppe, double& ziel);

// Encodes a TDateTime. Years outside 2000..2099 cannot be stored exactly: the year byte is
// made from the low 8 bits of year - 2000, and BCD turns 100 and more into 00.
TZeitstempel ZeitstempelKodieren(double wert);

// `t` after adding `periode` `schritte` times, one addition after the other, with exactly
// the rounding of every single step, but in a time that does not grow with `schritte`:
// within one binary order of magnitude every step adds the same rounded amount.
double ZeitFortschreiben(double t, double periode, quint64 schritte);
