#pragma once

#include "shell/TMainCfgDienste.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class TBenutzer;
class TEinheitenGitter;
class TMainCfgHardware;
struct TAppConst;
struct TSprachTexte;

// The settings dialog: directories and user identity, hardware and instrument clock, date and
// time formats, units. It edits the configuration in memory and saves it into the user
// configuration file; what it needs of the devices and of the main window comes through
// `TMainCfgDienste`.
class TMainCfgForm : public QDialog {
    Q_OBJECT
public:
    // `einheitenZuerst`: opened from a unit button of another dialog, on the units page.
    TMainCfgForm(TAppConst& appConst, TSprachTexte& texte, TBenutzer& benutzer,
                 TMainCfgDienste dienste, bool einheitenZuerst, QWidget* eltern = nullptr);
    ~TMainCfgForm() override;

    // Whether a command from `sender` opens the dialog on its units page: the graph
    // properties dialog and the measurement information dialog.
    static bool EinheitenZuerst(const QObject* sender);

    // Captions and hints from the language texts; the first page becomes the current one.
    void Aktualisieren();
    // All pages from the configuration into the controls, and back. Taking over stops
    // before anything changes when a unit cell is faulty (its message was shown).
    void EinstellungenLesen();
    bool EinstellungenSetzen();
    void AllgemeinLesen();
    void AllgemeinSetzen();
    void FormateLesen();
    void FormateSetzen();
    void EinheitenLesen();
    bool EinheitenSetzen();
    // Each preview shows now in the format of its field.
    void FormateVorschau();

    void DatenVerzeichnisClick();
    void HilfeVerzeichnisClick();
    void KonfigVerzeichnisClick();
    // The switch to the configuration directory typed into its field.
    void KonfigVerzeichnisExit();
    void CmbGeraetChange(const QString& name);
    void SpeichernClick();
    void AbbrechenClick();
    void HilfeClick();

    QTabWidget* PageControl;
    QWidget *TabAllgemein, *TabFormate, *TabEinheiten;
    TMainCfgHardware* TabHardware;
    QLabel *LblDatenVerzeichnis, *LblHilfeVerzeichnis, *LblKonfigVerzeichnis, *LblFirma,
        *LblAbteilung, *LblBenutzer;
    QLineEdit *LbeDatenVerzeichnis, *LbeHilfeVerzeichnis, *LbeKonfigVerzeichnis, *LbeFirma,
        *LbeAbteilung, *LbeBenutzer;
    QToolButton *BtnDatenVerzeichnis, *BtnHilfeVerzeichnis, *BtnKonfigVerzeichnis;
    QCheckBox* ChkFileDialoge;
    QLabel *LblZeitKurzFormat, *LblZeitLangFormat, *LblDatumKurzFormat, *LblDatumLangFormat,
        *LblZeitDatumFormat;
    QLineEdit *LbeZeitKurzFormat, *LbeZeitLangFormat, *LbeDatumKurzFormat, *LbeDatumLangFormat,
        *LbeZeitDatumFormat;
    QLineEdit *EdiZeitKurz, *EdiZeitLang, *EdiDatumKurz, *EdiDatumLang, *EdiZeitDatum;
    QLabel* LblEinheiten;
    TEinheitenGitter* VGrEinheiten;
    QToolButton *BtnEinheitNeu, *BtnEinheitLoeschen;
    QPushButton *BtnSpeichern, *BtnAbbrechen, *BtnHilfe;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    QWidget* AllgemeinAnlegen();
    QWidget* FormateAnlegen();
    QWidget* EinheitenAnlegen();
    std::optional<QString> Verzeichnis(const QString& titel, const QString& start);

    TAppConst& FAppConst;
    TSprachTexte& FTexte;
    TBenutzer& FBenutzer;
    TMainCfgDienste FDienste;
    bool FWechselt = false; // a directory switch is going on
};
