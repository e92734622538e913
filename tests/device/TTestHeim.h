#pragma once

#include "app/TAnwendung.h"
#include "shell/TSkriptBenutzer.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A program directory for one device test: Config/Geraete.cfg with the instrument types
// TypA and TypB (commands R01, U01, U02, M01, Z01, I01, A01, D01, T01, L01), Daten/, and an
// application context on it with TypA selected and a scripted user.
class TTestHeim {
public:
    explicit TTestHeim(int wartezeitMs = 1000);

    QString Heim() const { return FVerzeichnis.path(); }
    QString DatenPfad() const { return FVerzeichnis.path() + QStringLiteral("/Daten/"); }
    QString Pfad(const QString& name) const { return FVerzeichnis.filePath(name); }
    void Schreiben(const QString& pfad, const QByteArray& daten) const;
    QByteArray Lesen(const QString& pfad) const;

    // A measurement file of TypA (one ANA channel, 12 bits) of about `bytes` bytes.
    QByteArray Messdatei(int bytes) const;
    // Both files read as measurements and hold the same series (gtest checks).
    void GleicheMessung(const QString& a, const QString& b);

    TSkriptBenutzer Benutzer;
    TAnwendung App{Benutzer};

private:
    QTemporaryDir FVerzeichnis;
};
