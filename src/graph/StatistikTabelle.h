#pragma once

#include "graph/Statistik.h"
#include "graph/TKurvenStatistik.h"
#include "shell/TEinheiten.h"
#include "shell/TErgebnis.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The statistics as a table of texts: the graph window's table shows these fields, copies
// them and `orvan-cli stats` prints them, so all three read the same.
// A figure without a value (see TKurvenStatistik) is an empty field.
namespace StatistikTabelle {

struct TFormat {
    QString XEinheit;     // unit symbol of the bottom axis (may be empty)
    QString EinheitLinks; // unit symbols of the left and right axis
    QString EinheitRechts;
    bool DatumZeit = false; // X are TDateTime values, written with DatumZeitMuster
    QString DatumZeitMuster = QStringLiteral("dd.mm.yyyy hh:nn:ss.zzz");
    QString (*Zahl)(double) = nullptr; // number form; nullptr: Zahlen::GleitzahlText
    bool Cursor = false;               // a last column with the value at the cross-hair
};

// The format for a document: the axes' unit symbols (as the read-out finds them: the last
// entry from the second on whose Name equals the axis' unit) and its date/time flag.
TFormat FormatFuer(const TDiagramm& d, const TEinheitenListe& einheiten,
                   const QString& datumZeitMuster);
// The unit symbol of an axis' unit name, empty when no entry (the first one, the neutral
// unit, left out) has that name.
QString EinheitZeichen(const TEinheitenListe& einheiten, const QString& name);

// The first line: which range the rows cover, "Marker" or "Sichtbarer Bereich" (or
// `art` when given) and both ends.
QStringList BereichZeile(const Statistik::TBereich& bereich, const TFormat& f,
                         const QString& art = QString());
QStringList Kopf(const TFormat& f);
QStringList Zeile(const TKurvenStatistik& s, const TFormat& f,
                  std::optional<double> cursor = std::nullopt);
// A shown X as the table writes it: a number, or a date and time on a date/time axis.
QString XText(double x, const TFormat& f);

// Fields joined by tabs, one line per row, each line ending in "\n". Tabs and line breaks
// inside a field become blanks, so a line always has as many fields as its header.
QString TabText(const QList<QStringList>& zeilen);

// The table as a file of its own: tab-separated lines ending in CR LF, Windows-1252 like
// the graph's text export, written through QSaveFile. False with the reason in `fehler`
// when it cannot be written (an existing file is then left as it was).
TErgebnis Speichern(const QString& datei, const QList<QStringList>& zeilen);

} // namespace StatistikTabelle
