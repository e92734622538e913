#pragma once

#include "shell/TEinheiten.h"

#include <QMap>
#include <QString>
#include <QStringList>

// Options of every file dialog.
enum TDialogOption : int {
    ofHideReadOnly = 1,   // never show the read-only check box
    ofOldStyleDialog = 2, // the old-style dialog (our own, non-native one)
};

// The one configuration record of the program: paths and file names, user identity,
// window geometry, display formats, serial port, selected device type and units.
// Directory fields always end with the path separator.
struct TAppConst {
    int Links = 10;
    int Oben = 10;
    int Hoehe = 300;
    int Breite = 600;
    bool Maximiert = true;
    int FensterLinks = 50;
    int FensterOben = 50;
    int FensterHoehe = 200;
    int FensterBreite = 500;
    bool FensterMaximiert = false;
    bool FensterStatistik = false; // the statistics table below a graph window's chart is shown
    QString InternerName;
    QString IconDatei;
    QString ProgrammPfad;
    QString Beschreibung;
    QString Version;
    QString PrgKonfigPfad;
    QString PrgKonfigDatei;
    QString UserKonfigDatei;
    QString DatenPfad;
    QString HilfePfad;
    QString KonfigurationsPfad;
    QString FirmenName = QStringLiteral("Ihre Firma");
    QString Abteilung = QStringLiteral("Ihre Abteilung");
    QString Benutzer = QStringLiteral("Ihr Name");
    bool AlteFileDialoge = false;
    int DialogOptionen = ofHideReadOnly;
    int SeriellePortNr = 1;
    // The device behind port number N on this machine (key "ComN" of section "Hardware");
    // a number without entry stands for the N-th serial port, /dev/ttyS(N-1).
    QMap<int, QString> PortGeraete;
    bool GeraetOnline = false;
    QString Geraet = QStringLiteral("unbekannt");
    QStringList GeraeteListe;
    bool LogFile = false;
    QString Dezimaltrenner = QStringLiteral(".");
    QString ZeitformatKurz = QStringLiteral("HH:mm:ss");
    QString DatumsformatKurz = QStringLiteral("dd.MM.yy");
    QString ZeitformatLang = QStringLiteral("HH:mm:ss.zzz");
    QString DatumsformatLang = QStringLiteral("dd.MM.yyyy");
    QString ZeitDatumsformat = QStringLiteral("dd.MM.yyyy HH:mm:ss.zzz");
    QString Sprache = QStringLiteral("Deutsch");
    QStringList SprachenListe;
    TEinheitenListe Einheiten;
    // The graph and measurement files opened or saved last, newest first (section "Zuletzt"
    // of the user file).
    QStringList ZuletztGeoeffnet;
};

// File and directory names of the program directory.
namespace Dateinamen {
inline const QString IconDatei = QStringLiteral("Orvan.ico");
inline const QString HilfeDatei = QStringLiteral("Orvan.html");
inline const QString DatenVerzeichnis = QStringLiteral("Daten/");
inline const QString HilfeVerzeichnis = QStringLiteral("Hilfe/");
inline const QString KonfigVerzeichnis = QStringLiteral("Config/");
inline const QString PrgEndung = QStringLiteral("Prg.cfg");
inline const QString UserEndung = QStringLiteral("User.cfg");
inline const QString GeraeteDatei = QStringLiteral("Geraete.cfg");
inline const QString SprachDatei = QStringLiteral("Sprache.cfg");
inline const QString ComTrace = QStringLiteral("ComTrace.trc");
inline const QString ComLog = QStringLiteral("ComLog.log");
} // namespace Dateinamen
