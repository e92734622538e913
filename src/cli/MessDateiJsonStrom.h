#pragma once

#include "measurement/TMessDatei.h"

#include <QJsonObject>
#include <cstdio>

// Writes the JSON of MessDateiNachJson(d) plus the keys of `zusatz`, indented exactly as
// QJsonDocument writes it, to `aus`, with the measured values streamed from the record: the
// memory needed does not grow with the number of values. False when writing failed.
bool MessDateiJsonSchreiben(const TMessDatei& d, const QJsonObject& zusatz, std::FILE* aus);
