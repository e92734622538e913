#pragma once

#include "measurement/TMessDatei.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

struct TAppConst;
struct TSprachTexte;

// What the measurement information and job dialog shows and edits, as texts, and the two
// directions between those texts and a TMessDatei. The dialog only moves these texts into
// and out of its widgets, so every conversion and check can be tested without a window.

// Number of form flags the dialog reads.
inline constexpr int kFormFlagsNoetig = 54;

// The series page: one series.
struct TReiheFelder {
    bool Aktiv = false;
    QString Abstand;
    QString Anzahl;
    QString Messkonstante;
    QString Nullwert;
    QString Einheit; // name of the unit, empty when none is selected
};

struct TMessInfoFelder {
    // Device page.
    QString GeraetName, VarekSNr, Version, SerienNummer, Firmware, Speicher, KanalAnzahl, Takt,
        Teiler, Messfrequenz, MessTakt, Datum, Zeit;
    QVector<QStringList> Kanaele; // one row of four cells per channel
    // Job page.
    QString AuftragName, Nummer, Firma, Abteilung, Bearbeiter, Kommentar, MessTakte,
        AbstandZeitstempel;
    double Start = 0; // whole days of the date picker plus the time of day of the time picker
    // Series page.
    QStringList ReihenNamen;
    int Reihe = -1; // the selected position of the name list
    TReiheFelder ReiheFeld;
};

namespace MessInfo {

// The long text of a channel type (KanalTypText10..16); empty for a value above 6.
QString KanalTypLangText(const TSprachTexte& texte, quint8 typ);
// The four cells of channel `c`: number, long type text, resolution ("1" for BIN, S-BIN and
// PARA), spacing.
QStringList KanalZeile(const TGeraet& g, int c, const TSprachTexte& texte);
// "Nr.: 2, Typ: Analog, Bit: 12, Abstand: 1": the description of the series' channel.
QString KanalBeschreibung(const QStringList& zeile, const TSprachTexte& texte);
// True when the channel row's type text is the parameter type's.
bool IstParameterKanal(const QStringList& zeile, const TSprachTexte& texte);

// (messTakte - 1) div abstand + 1 in unsigned arithmetic; `alt` when abstand is 0.
quint32 AnzahlAusAbstand(quint32 messTakte, quint32 abstand, quint32 alt);

// The general number text with the decimal separator in effect, and its reading.
QString ZahlText(double wert, const QString& trenner);
std::optional<double> ZahlLesen(const QString& text, const QString& trenner);

// A message naming the device and the flag array when the form flags are too short for the
// dialog; empty when they suffice.
QString FormFlagsFehler(const TGeraet& g);

// Record to dialog.
void GeraetFelderLesen(const TMessDatei& d, const TAppConst& k, const TSprachTexte& texte,
                       TMessInfoFelder& f);
void AuftragFelderLesen(const TAuftrag& a, TMessInfoFelder& f);
void ReiheFelderLesen(const TMessreihe& r, quint32 messTakte, const QString& trenner,
                      TReiheFelder& f);

// Dialog to record: every field is converted into a copy first; `d` is changed only when all
// of them are valid. The result names the field and the value that failed, empty on success.
QString MessAuftragSetzen(const TMessInfoFelder& f, const TAppConst& k, const TSprachTexte& texte,
                          double jetzt, TMessDatei& d);
// The series page into one series; same rule.
QString ReiheSetzen(const TReiheFelder& f, const QString& trenner, const TSprachTexte& texte,
                    TMessreihe& r);

// A new job for the device already in `d`: job texts, 1000 cycles, one series per channel.
void NeuerAuftrag(TMessDatei& d, const TAppConst& k, const TSprachTexte& texte, double jetzt);
// The default job name: the device type name and "_yyyymmdd_hhnn".
QString StandardName(const QString& geraet, double jetzt);
// The file name the save dialog proposes for the shown name: its file name part with the
// extension ".oor".
QString VorgeschlagenerName(const QString& angezeigt);
// The file actually written for the chosen name: ".oor" appended unless it already ends so
// (letter case ignored).
QString AuftragsDateiName(const QString& gewaehlt);
// The texts of the record that Windows-1252 cannot hold, as "field: text" lines; empty when
// every text can be stored.
QStringList NichtSpeicherbar(const TMessDatei& d);

// The five changes a confirmed field exit takes over.
struct TAenderungen {
    bool Aktiv = false;
    bool Anzahl = false;
    bool Abstand = false;
    bool MessTakte = false;
    bool AbstandZeitstempel = false;
};
// Applies the pending changes, each once and in order, to series `reihe` of `d`, and clears
// them. `f` holds the field texts; the count text is updated where the spacing or the cycles
// changed. The texts have passed the field checks.
void AenderungenUebernehmen(TAenderungen& a, TMessInfoFelder& f, int reihe, TMessDatei& d);

} // namespace MessInfo
