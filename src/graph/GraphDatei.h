#pragma once

#include "graph/TDiagramm.h"
#include "shell/TErgebnis.h"

#include <QString>

class QIODevice;

class TShellKontext;

// The graph file (".ogr"): the document's fields in a fixed order, little-endian, texts as a
// 32-bit byte count and Windows-1252 bytes, the points of a curve interleaved (X, Y, X, Y).
// The file has no signature and no length field; the reader therefore checks every count
// against the rest of the file before it reserves anything.
namespace GraphDatei {

inline const QString Endung = QStringLiteral(".ogr");

// The outcome of reading a graph file: beside ok or not, whether the file was missing or
// could not be read; for an unreadable file `Meldung` says what was wrong and `Position` is
// the byte offset where the reader stopped.
struct TGraphLeseErgebnis : TErgebnis {
    enum TZustand { Gelesen, Fehlt, Unlesbar };
    TZustand Zustand = Gelesen;

    static TGraphLeseErgebnis Fehlend() { return {{false, {}, -1}, Fehlt}; }
    static TGraphLeseErgebnis Fehler(const QString& meldung, qint64 position) {
        return {{false, meldung, position}, Unlesbar};
    }
};

// Reads the file into `d`. Only a complete, consistent file changes the document: a missing,
// truncated or damaged file leaves every field of `d` as it was. Marker1YRechts and
// Marker2YRechts are not stored and keep their values; XMin becomes the smallest X read
// (kept when the file holds no point).
TGraphLeseErgebnis GraphDateiLesen(const QString& datei, TDiagramm& d);
// The same on bytes already in memory, and on an open device of `laenge` bytes read in blocks
// of `block` bytes (the file reader uses about a megabyte).
TGraphLeseErgebnis GraphDatenLesen(const char* daten, qint64 laenge, TDiagramm& d);
TGraphLeseErgebnis GraphDatenLesen(QIODevice& quelle, qint64 laenge, TDiagramm& d,
                                   qint64 block = 1 << 20);

// Writes the document through QSaveFile, so a failed write leaves an existing file as it
// was; the result says why when the file cannot be written.
TErgebnis GraphDateiSchreiben(const QString& datei, const TDiagramm& d);

// Reads a graph file for the user: message 28 when it does not exist, message 0 naming the
// file and the byte position when it cannot be read. True when the document was read.
bool GraphDateiOeffnen(TShellKontext& app, const QString& datei, TDiagramm& d);

} // namespace GraphDatei
