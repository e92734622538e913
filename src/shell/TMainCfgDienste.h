#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <optional>

// What the settings dialog shows of the selected instrument type: its line settings and
// switches (the dialog edits them in memory only; the device catalogue is never written).
struct TGeraeteWerte {
    QString Name;
    QString SerNr;
    qint32 Baud = 0;
    quint8 Parity = 0;
    quint8 StopBits = 0;
    quint8 DatenBits = 0;
    bool AutoStart = false;
    bool AutoAus = false;
};

// A serial port present on this machine, as the system describes it.
struct TSeriellerPortInfo {
    QString Name;         // ttyUSB0
    QString Pfad;         // /dev/ttyUSB0
    QString Beschreibung; // what the system calls it, when it says
    QString Hersteller;
    QString SerienNummer;
};

// Everything the settings dialog needs from the floors above the shell (devices, the
// program-wide context, the main window), handed in by whoever opens it. A service left
// empty does nothing (and a device run then fails), so tests set only what they look at.
struct TMainCfgDienste {
    // The device catalogue: reads type `name` into the selected device and returns its
    // values; nothing when it could not be read (the catalogue has told the user why).
    std::function<std::optional<TGeraeteWerte>(const QString& name)> GeraetLesen;
    // The selected device's values, and taking edited values over into it (in memory).
    std::function<TGeraeteWerte()> GeraetWerte;
    std::function<void(const TGeraeteWerte&)> GeraetWerteSetzen;
    // The clock commands of the selected device, run without the progress dialog. Reading
    // hands back "dd.mm.yyyy hh:nn:ss" or "-"; setting sends its parameter (empty: now).
    std::function<bool(QString& parameter)> UhrLesen;
    std::function<bool(QString& parameter)> UhrSetzen;
    // The serial ports present now.
    std::function<QList<TSeriellerPortInfo>()> PortsVorhanden;

    // The configuration files and the language (they need the whole program context).
    std::function<void(const QString& verzeichnis)> KonfigurationLesen;
    std::function<bool(const QString& verzeichnis)> KonfigurationSchreiben;
    std::function<bool()> KonfigPfadSpeichern;
    std::function<void(const QString& sprache)> SpracheLesen;
    // The help file moved with the help directory.
    std::function<void(const QString& hilfeDatei)> HilfeDateiSetzen;

    // The main window: its texts after a language change, and its status bar.
    std::function<void()> HauptfensterAktualisieren;
    std::function<void()> StatusBarSetzen;
};
