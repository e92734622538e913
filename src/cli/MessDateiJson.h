#pragma once

#include "measurement/TMessDatei.h"
#include "shell/TErgebnis.h"

#include <QJsonObject>
#include <QString>

// TMessDatei as JSON for orvan-cli dump and write-job: one key per field as the program
// names it, KanalInfo as four arrays, the flag arrays as strings of "0" and "1", dates as
// TDateTime numbers. A double that JSON cannot carry exactly (not finite, or -0) is written
// as a string "0x" plus the 16 hexadecimal digits of its bits.
// Without `mitWerten`, each "Messwerte" holds the text MesswerteMarke(i) of its series i in
// place of the values (for MessDateiJsonSchreiben).
QJsonObject MessDateiNachJson(const TMessDatei& d, bool mitWerten = true);
QString MesswerteMarke(int reihe);

// The reverse; fails with a message naming the key for a missing key, a wrong type or a value
// outside the field's range (`d` then stays as it was). Messwerte are taken when present.
TErgebnis MessDateiAusJson(const QJsonObject& json, TMessDatei& d);
