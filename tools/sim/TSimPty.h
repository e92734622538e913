#pragma once

#include <QByteArray>
#include <QString>

// The line of the simulated instrument: the master side of a pseudo-terminal whose slave
// side is reachable under a symbolic link. The simulator keeps a descriptor of the slave open
// itself, so that the program closing and reopening its port between two runs does not
// hang up the line.
class TSimPty {
public:
    ~TSimPty();

    // Opens the pseudo-terminal in raw mode and makes `link` point at its slave side.
    bool Oeffnen(const QString& link, QString& fehler);
    // Closes both sides and removes the link: the program sees the line go away.
    void Schliessen();
    bool IstOffen() const { return FMaster >= 0; }
    QString SlaveName() const { return FSlaveName; }

    // One byte, waiting at most `ms` (negative: forever); -1 on time-out, -2 when the line
    // is gone.
    int Lesen(int ms);
    bool Schreiben(const QByteArray& daten);
    // Drops what came in and has not been read.
    void Verwerfen();

private:
    int FMaster = -1;
    int FSlave = -1;
    QString FSlaveName;
    QString FLink;
};
