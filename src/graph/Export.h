#pragma once

#include "graph/TDiagramm.h"
#include "shell/TErgebnis.h"

#include <QString>
#include <QStringList>

// The export of a graph's shown values as comma-separated (".csv") or tab-separated (".txt")
// text: a header line with the fields <Name>X and <Name>Y of every curve (hidden ones
// included), then one line per point index with the shown X and Y of each curve that has
// that point and two empty fields for each that has not, and a last line of empty fields
// only. Lines end in CR LF; the bytes are Windows-1252, like the program's other files.
namespace Export {

enum class TArt { Keine, CSV, Text };

// By the extension exactly as typed: ".csv" or ".txt"; anything else (".CSV" included) is
// no export.
TArt ArtNachEndung(const QString& datei);

// Joins fields by the delimited-text rule: a field with a character of code 32 or less,
// the double quote or the delimiter is enclosed in double quotes with inner quotes
// doubled; a line of exactly one empty field is written as "".
QString FelderVerbinden(const QStringList& felder, QChar trenner);

// The lines of the export, without line ends.
QStringList ExportZeilen(const TDiagramm& d, QChar trenner);

// Write through the program's save path; on failure the result says why (an existing file
// is then left as it was).
TErgebnis ExportCSV(const QString& datei, const TDiagramm& d);
TErgebnis ExportText(const QString& datei, const TDiagramm& d);
// ExportCSV or ExportText by the extension; any other extension writes nothing and fails.
TErgebnis Exportieren(const QString& datei, const TDiagramm& d);

} // namespace Export
