#pragma once

#include "graph/TDiagramm.h"

#include <QString>

class QIODevice;

class TShellKontext;

// The graph file (".ogr"): the document's fields in a fixed order, little-endian, texts as a
// 32-bit byte count and Windows-1252 bytes, the points of a curve interleaved (X, Y, X, Y).
// The file has no signature and no length field; the reader therefore checks every count
// against the rest of the file before it reserves anything.
namespace GraphDatei {

inline const QString Endung = QStringLiteral(".ogr");

struct TLeseErgebnis {
    enum TZustand { Gelesen, Fehlt, Unlesbar };
    TZustand Zustand = Fehlt;
    QString Fehler;       // what was wrong (Unlesbar), in plain words
    qint64 Position = -1; // byte offset where the reader stopped (Unlesbar)

    explicit operator bool() const { return Zustand == Gelesen; }
};

// Reads the file into `d`. Only a complete, consistent file changes the document: a missing,
// truncated or damaged file leaves every field of `d` as it was. Marker1YRechts and
// Marker2YRechts are not stored and keep their values; XMin becomes the smallest X read
// (kept when the file holds no point).
TLeseErgebnis GraphDateiLesen(const QString& datei, TDiagramm& d);
// The same on bytes already in memory, and on an open device of `laenge` bytes read in blocks
// of `block` bytes (the file reader uses about a megabyte).
TLeseErgebnis GraphDatenLesen(const char* daten, qint64 laenge, TDiagramm& d);
TLeseErgebnis GraphDatenLesen(QIODevice& quelle, qint64 laenge, TDiagramm& d,
                              qint64 block = 1 << 20);

// Writes the document through QSaveFile, so a failed write leaves an existing file as it
// was; false (with the reason in `fehler`) when the file cannot be written.
bool GraphDateiSchreiben(const QString& datei, const TDiagramm& d, QString* fehler = nullptr);

// Reads a graph file for the user: message 28 when it does not exist, message 0 naming the
// file and the byte position when it cannot be read. True when the document was read.
bool GraphDateiOeffnen(TShellKontext& app, const QString& datei, TDiagramm& d);

} // namespace GraphDatei
