#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// An INI file held in memory: section and key names match without regard to letter case,
// a written value replaces the old one in place, missing sections and keys are created on
// demand, comments, unknown lines and the order of the keys are kept. A missing file reads
// as empty. The file is read as UTF-8 when it is valid UTF-8, otherwise as Windows-1252, and
// written back in the encoding it was read in (a new file as UTF-8). `Speichern` writes
// through QSaveFile, so a failed write leaves the previous file as it was.
class TIniDatei {
public:
    explicit TIniDatei(const QString& pfad);

    const QString& Pfad() const { return FPfad; }
    bool Vorhanden() const { return FVorhanden; }
    // Set when the file exists but could not be read; it then reads as empty.
    const QString& Lesefehler() const { return FLesefehler; }

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
    // Writes the file; on failure returns false and puts the reason into `fehler`.
    bool Speichern(QString* fehler = nullptr) const;

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

    void Zerlegen(const QString& text);
    const TAbschnitt* AbschnittSuchen(const QString& name) const;
    TAbschnitt* AbschnittSuchen(const QString& name);
    const TZeile* ZeileSuchen(const QString& abschnitt, const QString& schluessel) const;

    QString FPfad;
    bool FVorhanden = false;
    QString FLesefehler;
    bool FUtf8 = true;
    bool FBom = false;
    QString FZeilenende = QStringLiteral("\n");
    QVector<TZeile> FVorspann; // lines before the first section
    QVector<TAbschnitt> FAbschnitte;
};
