#pragma once

#include <QByteArray>
#include <QString>
#include <QtEndian>

// Appending the fields of job files and of the job command: numbers little-endian, texts as
// a Word length and Windows-1252 characters.
namespace ByteFolge {

template <typename T> void Zahl(QByteArray& ziel, T wert) {
    uchar roh[sizeof(T)];
    qToLittleEndian<T>(wert, roh);
    ziel.append(reinterpret_cast<const char*>(roh), sizeof(T));
}

// False when the text has more than 65535 characters and cannot be stored.
bool Text(QByteArray& ziel, const QString& text);

} // namespace ByteFolge
