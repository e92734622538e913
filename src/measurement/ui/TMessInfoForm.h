#pragma once

#include "measurement/MessInfo.h"

#include <QDialog>
#include <QHash>
#include <QString>
#include <QVector>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QProgressBar;
class QTabWidget;
class TWerteTabelle;
class QTableWidget;
class QTimeEdit;
class QToolButton;
class QPushButton;
class TShellKontext;
class TWerteModell;

// The measurement information and job dialog: shows a measurement or job file, creates,
// edits, saves and sends jobs. It works on the program's working record (ArbeitsDatei); the
// device catalogue's form flags decide which fields may be edited. Sending and the units
// page of the settings are asked for through signals, which the main window connects.
class TMessInfoForm : public QDialog {
    Q_OBJECT
public:
    // `arbeit` is the program's working record, `speicherbedarf` where the memory figure of
    // the shown job goes.
    TMessInfoForm(TShellKontext& app, TMessDatei& arbeit, quint32& speicherbedarf,
                  QWidget* eltern = nullptr);
    ~TMessInfoForm() override;

    // Captions, hints and grid headers from the language texts.
    void Aktualisieren();
    // Form set-up by the flags: enabled and read-only state of every field, all fields empty.
    void FormularEinstellen(const QVector<bool>& flags);
    // Shows a record.
    void MessAuftragLesen(TMessDatei datei);
    // Copies the dialog into `datei`. On a field that cannot be converted the field is named
    // in a message, `datei` stays as it was and the result is false.
    bool MessAuftragSetzen(TMessDatei& datei);
    // Memory use, active series and duration of ArbeitsDatei into the job page.
    void Berechnungen();

    // The actions.
    void BtnMessdateiAuswahlClick();
    void BtnAuftragNeuClick();
    void BtnAuftragSpeichernClick();
    void BtnAuftragSendenClick();
    void CmbMessReihenSelect(int position);
    void MessReiheUmbenennen();
    void EinheitClick();
    // A field loses the focus: false when its check failed (the focus goes back to it).
    bool EditFeldExit(QWidget* feld);
    void DtpStartDatumChange();

    bool AuftragModus() const { return FAuftragModus; }
    // True when the device's form flags are too short: the dialog only shows.
    bool NurAnzeige() const { return FNurAnzeige; }
    const MessInfo::TAenderungen& Aenderungen() const { return FAenderungen; }

    // The controls, named as the program names them.
    QLineEdit* LbeMessdatei;
    QToolButton* BtnMessdateiAuswahl;
    QTabWidget* Seiten;
    QWidget *TabGeraet, *TabMessauftrag, *TabMessreihen;
    QLineEdit *LbeGeraetName, *LbeVarekSNr, *LbeVersion, *LbeSerienNummer, *LbeFirmware,
        *LbeSpeicher, *LbeKanalAnzahl, *LbeTakt, *LbeTeiler, *LbeMessfrequenz, *LbeMessTakt,
        *LbeDatum, *LbeZeit;
    QLabel* LblVGrKanalInfo;
    QTableWidget* VGrKanalInfo;
    QLineEdit *LbeAuftragName, *LbeNummer, *LbeFirma, *LbeAbteilung, *LbeBearbeiter, *LbeKommentar,
        *LbeAnzahlReihen, *LbeMessTakte, *LbeAbstandZeitstempel, *LbeMessdauer;
    QLabel *LblStartDatum, *LblStartZeit, *LblPrbSpeicher;
    QDateEdit* DtpStartDatum;
    QTimeEdit* DtpStartZeit;
    QProgressBar* PrbSpeicher;
    QToolButton *BtnAuftragNeu, *BtnAuftragSpeichern, *BtnAuftragSenden;
    QLabel* LblMessreihenName;
    QComboBox* CmbMessreihenName;
    QToolButton* BtnReiheName;
    QCheckBox* ChkAktiv;
    QLineEdit *LbeAbstand, *LbeAnzahl, *LbeMesskonstante, *LbeNullwert;
    QLabel* LblEinheit;
    QComboBox* CmbEinheit;
    QToolButton* BtnEinheit;
    QLabel* LblKanal;
    QLabel* LblVGrWerte;
    TWerteTabelle* VGrWerte;
    TWerteModell* WerteModell;
    QPushButton *BtnAbbrechen, *BtnHilfe;

    // The label of a labelled field.
    QLabel* Beschriftung(QWidget* feld) const;

signals:
    // The job in the working record is to be sent to the instrument (the dialog has just filled
    // it).
    void AuftragSendenGewuenscht();
    // The settings dialog is to be opened on its units page; the unit list is reloaded after.
    void EinheitenBearbeitenGewuenscht();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    void Aufbauen();
    QWidget* GeraetSeite();
    QWidget* AuftragSeite();
    QWidget* ReihenSeite();
    QLineEdit* Feld(const char* name, QWidget* seite);
    void Verbinden();

    void GeraetInfoLesen(const TMessDatei& d);
    void AuftragLesen(const TAuftrag& a);
    void MessreiheLesen(int reihe);
    TMessInfoFelder FelderHolen() const;
    TReiheFelder ReihenFelderHolen() const;
    void ReihenFelderZeigen(const TReiheFelder& f);
    bool SeiteInReiheSetzen(int reihe);
    void ParameterBeschriftung(bool parameter);
    void EinheitenFuellen();
    void EinheitWaehlen(const QString& name);
    void StartSetzen(double start);
    double StartHolen() const;
    bool ZahlTaste(QLineEdit* feld, QKeyEvent* taste);
    bool Nachricht(const QString& text);

    TShellKontext& FApp;
    TMessDatei& FArbeit;
    quint32& FSpeicherbedarf;
    bool FAuftragModus = false;
    bool FNurAnzeige = false;
    bool FAngezeigt = false; // a record is shown: field checks apply
    bool FPruefen = false;   // a field check is running (its message takes the focus)
    int FAngezeigteReihe = -1;
    QString FGemeldeteFlags; // the last flag message shown, not repeated for the same device
    QStringList FEinheitenNamen;
    MessInfo::TAenderungen FAenderungen;
    QVector<QLineEdit*> FZahlenFelder;
    QHash<QWidget*, QLabel*> FBeschriftungen;
};
