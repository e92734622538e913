#pragma once

#include "graph/TDiagramm.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;
class TBenutzer;
class TFarbListe;
class TStilListe;
class TWerteGrid;
class TZahlenFeld;
struct TAppConst;
struct TSprachTexte;

// The graph properties dialog: title, footer, colours, legend and markers (tab Allgemein),
// the three axes (tab Achsen) and the curves with their styles, scaling and points (tab
// Kurven). It edits its own complete copy of the window's document; Speichern hands the copy
// to the window (signal Speichern), Default makes it the defaults for new graphs and writes
// the user file, Abbrechen discards what was not handed over. In a graph without curves the
// curve controls edit the program's default curve, in memory at once.
class TGraphWinCfgForm : public QDialog {
    Q_OBJECT
public:
    // `konfigurationSchreiben` writes the whole user configuration file with the graph
    // defaults and says whether it was written.
    TGraphWinCfgForm(const TDiagramm& dokument, const TAppConst& appConst,
                     const TSprachTexte& texte, TBenutzer& benutzer, TKurve& defaultKurve,
                     TDiagramm& defaultDiagramm, std::function<bool()> konfigurationSchreiben,
                     QWidget* eltern = nullptr);
    ~TGraphWinCfgForm() override;

    const TDiagramm& Arbeitskopie() const { return FKopie; }

    // Copy and controls.
    void EigenschaftenLesen();
    void EigenschaftenSetzen();
    void AchsenLesen();
    void AchsenSetzen();
    void KurvenLesen();
    void KurvenSetzen();
    void EinzelKurveLesen(const TKurve& kurve);
    void EinzelKurveSetzen(TKurve& kurve, const QString& name);

    // What the controls do.
    void BtnSpeichernClick();
    void BtnDefaultClick();
    void BtnHilfeClick();
    void BtnEinheitClick();
    void BtnKurveNeuClick();
    void BtnKurveNameClick();
    void BtnKurveLoeschenClick();
    void AchseWaehlen(int achse); // 0 left, 1 bottom, 2 right
    void CmbEinheitChange(int index);
    void KurveWaehlen(int index);
    void AutomatikClick();
    // One step of an up/down button on its field.
    void Pfeil(TZahlenFeld* feld, bool hoch);
    // The check run when a number field is left (messages 5 and 6); false keeps the focus.
    bool FeldPruefen(TZahlenFeld* feld);

    // Components.
    QTabWidget* PageControl = nullptr;
    QWidget *TabAllgemein = nullptr, *TabAchsen = nullptr, *TabKurven = nullptr;
    TZahlenFeld *LbeDiagrammTitel = nullptr, *LbeDiagrammFuss = nullptr;
    TFarbListe *CmbRahmen = nullptr, *CmbHintergrund = nullptr, *CmbSchriftfarbe = nullptr,
               *CmbMarkerFarbe = nullptr;
    TStilListe* CmbMarkerStil = nullptr;
    QCheckBox* ChkLegende = nullptr;

    QGroupBox* GrbAchsen = nullptr;
    QRadioButton *ChkLinks = nullptr, *ChkUnten = nullptr, *ChkRechts = nullptr;
    TZahlenFeld* LbeAchsenTitel = nullptr;
    QComboBox* CmbEinheit = nullptr;
    QToolButton* BtnEinheit = nullptr;
    TZahlenFeld *LbeMinimum = nullptr, *LbeMaximum = nullptr, *LbeGitterAbstand = nullptr;
    QCheckBox *ChkMinMaxAuto = nullptr, *ChkGitterAuto = nullptr;
    TFarbListe* CmbGitterFarbe = nullptr;
    TStilListe* CmbGitterStil = nullptr;

    QComboBox* CmbKurven = nullptr;
    QToolButton *BtnKurveNeu = nullptr, *BtnKurveName = nullptr, *BtnKurveLoeschen = nullptr;
    QCheckBox *ChkSichtbar = nullptr, *ChkAchseRechts = nullptr, *ChkPunkt = nullptr,
              *ChkLinie = nullptr;
    TFarbListe *CmbPunktFarbe = nullptr, *CmbLinieFarbe = nullptr;
    TStilListe *CmbPunktStil = nullptr, *CmbLinieStil = nullptr;
    TZahlenFeld *LbePunktBreite = nullptr, *LbeLinieBreite = nullptr, *LbeStart = nullptr,
                *LbeIntervall = nullptr, *LbeOffset = nullptr, *LbeFaktor = nullptr;
    TWerteGrid* ValGrid = nullptr;

    QPushButton *BtnSpeichern = nullptr, *BtnDefault = nullptr, *BtnAbbrechen = nullptr,
                *BtnHilfe = nullptr;

signals:
    // Speichern: the window takes `kopie` as its document (and marks it unsaved).
    void Speichern(const TDiagramm& kopie);
    // BtnEinheit: the settings dialog on its units tab; the unit list is read again after.
    void EinheitenBearbeitenGewuenscht();

private:
    void Aufbauen();
    QWidget* AllgemeinAufbauen();
    QWidget* AchsenAufbauen();
    QWidget* KurvenAufbauen();
    void TexteSetzen();
    void EinheitenFuellen();
    void AutomatikFreigeben();
    bool AchsenFelderPruefen();
    bool KurvenFelderPruefen();
    bool WerteGridPruefen();
    TKurve& GezeigteKurve();
    QStringList KurvenNamen() const;
    std::optional<QString> NameErfragen(const QString& titel, const QString& frage,
                                        const QString& vorschlag);
    int Melden(int nummer, const QString& text = QString());

    TDiagramm FKopie;
    const TAppConst& FAppConst;
    const TSprachTexte& FTexte;
    TBenutzer& FBenutzer;
    TKurve& FDefaultKurve;
    TDiagramm& FDefaultDiagramm;
    std::function<bool()> FKonfigurationSchreiben;
    int FAchse = 0;       // the axis the controls show
    int FKurve = -1;      // the curve the controls show; -1: DefaultKurve
    TKurve FKurveGezeigt; // what EinzelKurveLesen put into the controls
};
