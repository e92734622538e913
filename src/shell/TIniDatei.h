#pragma once

#include "shell/TErgebnis.h"

#include <QString>
#include <QStringList>
#include <QVector>

// An INI file held in memory: section and key names match without regard to letter case,
// a written value replaces the old one in place, missing sections and keys are created on
// demand, comments, unknown lines and the order of the keys are kept. A missing file reads
// as empty. The file is read as UTF-8 when it is valid UTF-8; otherwise each line is read as
// UTF-8 where it is valid and as Windows-1252 where not, and the file is written back as
// UTF-8 when a line held UTF-8 beyond ASCII, else as Windows-1252 (a new file as UTF-8). A
// file over kGroessteDatei bytes or kMeisteZeilen lines is not read (Lesefehler says why).
// `Speichern` writes through QSaveFile, so a failed write leaves the previous file as it was;
// a file that could not be read is never written over.
class TIniDatei {
public:
    static constexpr qint64 kGroessteDatei = 4 << 20;
    static constexpr qsizetype kMeisteZeilen = 100000;

    explicit TIniDatei(const QString& pfad);

    const QString& Pfad() const { return FPfad; }
    bool Vorhanden() const { return FVorhanden; }
    // Set when the file exists but could not be read; it then reads as empty.
    const QString& Lesefehler() const { return FLesefehler; }
    // The first line (counting from 1) that was not valid UTF-8, or 0.
    int Windows1252Zeile() const { return FWindowsZeile; }

    QString LiesText(const QString& abschnitt, const QString& schluessel,
                     const QString& vorgabe) const;
    qint32 LiesGanzzahl(const QString& abschnitt, const QString& schluessel, qint32 vorgabe) const;
    bool LiesBool(const QString& abschnitt, const QString& schluessel, bool vorgabe) const;
    double LiesGleitzahl(const QString& abschnitt, const QString& schluessel, double vorgabe) const;

    void SchreibeText(const QString& abschnitt, const QString& schluessel, const QString& wert);
    void SchreibeGanzzahl(const QString& abschnitt, const QString& schluessel, qint32 wert);
    void SchreibeBool(const QString& abschnitt, const QString& schluessel, bool wert);
    void SchreibeGleitzahl(const QString& abschnitt, const QString& schluessel, double wert);

    QStringList Abschnitte() const;
    // Key names of a section in file order (as spelt in the file).
    QStringList Schluessel(const QString& abschnitt) const;
    bool AbschnittVorhanden(const QString& abschnitt) const;
    bool SchluesselVorhanden(const QString& abschnitt, const QString& schluessel) const;
    // Removes the section with all its lines; false when there was no such section.
    bool AbschnittLoeschen(const QString& abschnitt);
    // Removes one key of a section; false when it was not there.
    bool SchluesselLoeschen(const QString& abschnitt, const QString& schluessel);

    // The whole file as it would be written.
    QString Text() const;
    // Writes the file; on failure the result says why.
    TErgebnis Speichern() const;

private:
    struct TZeile {
        QString Roh;        // the line as it stands in the file
        QString Schluessel; // empty for comments, blank and unknown lines
        QString Wert;       // raw value text after "=" (not yet trimmed)
    };
    struct TAbschnitt {
        QString Name;
        QString Kopf; // the header line as written
        QVector<TZeile> Zeilen;
    };

    QString Dekodieren(const QByteArray& bytes);
    void Zerlegen(const QString& text);
    const TAbschnitt* AbschnittSuchen(const QString& name) const;
    TAbschnitt* AbschnittSuchen(const QString& name);
    const TZeile* ZeileSuchen(const QString& abschnitt, const QString& schluessel) const;

    QString FPfad;
    bool FVorhanden = false;
    QString FLesefehler;
    bool FUtf8 = true;
    bool FBom = false;
    int FWindowsZeile = 0;
    QString FZeilenende = QStringLiteral("\n");
    QVector<TZeile> FVorspann; // lines before the first section
    QVector<TAbschnitt> FAbschnitte;
};
