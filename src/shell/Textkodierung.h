#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the code page of every byte text the program stores (measurement, job and
// graph files, the job payload, INI files that are not valid UTF-8). The five bytes the code
// page leaves undefined map to the C1 controls of the same value, so any byte string survives
// decoding and encoding unchanged.
namespace Textkodierung {

QString AusWindows1252(const QByteArray& bytes);
QString AusWindows1252(const char* data, qsizetype laenge);
// Characters outside the code page become "?"; `verlustfrei` (when given) tells whether
// every character could be stored.
QByteArray NachWindows1252(const QString& text, bool* verlustfrei = nullptr);

bool IstGueltigesUtf8(const QByteArray& bytes);

} // namespace Textkodierung
