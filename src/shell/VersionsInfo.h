#pragma once

#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

// The version information compiled into the program: string entries and the fixed file
// version, as the start-up and the info box read them.
struct TVersionsRessource {
    bool Vorhanden = false;
    QVector<QPair<QString, QString>> Eintraege; // key, value
    std::array<quint16, 4> DateiVersion{};      // most significant part first
};

// The program's own version information.
const TVersionsRessource& ProgrammVersion();

// Fills `liste` with the entries CompanyName, FileDescription, FileVersion, InternalName,
// LegalCopyRight, OriginalFileName and ProductName, in this order, one per entry that the
// information holds (keys without regard to case). False when there is no information.
bool VersionsInfoLesen(const TVersionsRessource& ressource, QStringList& liste);
// The information of the program file `datei` (our own, compiled in).
bool VersionsInfoLesen(const QString& datei, QStringList& liste);

// `muster` filled with the four parts of the file version ("%d.%d%d/%d" gives 0.31/29);
// "?" when there is no information.
QString VersionLesen(const QString& muster, const TVersionsRessource& ressource);
void VersionLesen(const QString& muster, const QString& datei, QString& text);

// "<programm> <version>": what `--version` of each of the three programs prints, e.g.
// "orvan-cli 0.3.1.29", followed by the description and the copyright line.
QString VersionsText(const QString& programm);
