// The axes tab of the graph properties dialog: one axis at a time, its unit with the
// scaling of the curves, the limits and the grid.
#include "graph/GraphEigenschaften.h"
#include "graph/ui/TFarbListe.h"
#include "graph/ui/TGraphWinCfgForm.h"
#include "graph/ui/TStilListe.h"
#include "graph/ui/TZahlenFeld.h"
#include "shell/Einheiten.h"
#include "shell/TAppConst.h"
#include "shell/Zahlen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QSignalBlocker>

using GraphEigenschaften::Achse;

void TGraphWinCfgForm::EinheitenFuellen() {
    const QSignalBlocker sperre(CmbEinheit);
    CmbEinheit->clear();
    CmbEinheit->addItems(EinheitenAnzeigeListe(FAppConst.Einheiten));
}

void TGraphWinCfgForm::AchsenLesen() {
    const TAchse& a = Achse(FKopie, FAchse);
    EinheitenFuellen();
    CmbEinheit->setEnabled(!(FAchse == 1 && FKopie.DatumZeitAchse));
    LbeAchsenTitel->setText(a.Titel);
    {
        const QSignalBlocker sperre(CmbEinheit);
        CmbEinheit->setCurrentIndex(CmbEinheit->count() > 0 ? 0 : -1);
        const qsizetype treffer = EinheitSuchen(FAppConst.Einheiten, a.Einheit);
        if (treffer >= 0) {
            CmbEinheit->setCurrentIndex(int(treffer));
        }
    }
    LbeMinimum->setText(Zahlen::GleitzahlText(a.Minimum));
    LbeMaximum->setText(Zahlen::GleitzahlText(a.Maximum));
    LbeGitterAbstand->setText(Zahlen::GleitzahlText(a.Gitterabstand));
    ChkMinMaxAuto->setChecked(a.MinMaxAutomatik);
    ChkGitterAuto->setChecked(a.GitterAutomatik);
    CmbGitterFarbe->FarbeZeigen(a.Gitterfarbe);
    CmbGitterStil->StilZeigen(a.Gitterstil);
    AutomatikFreigeben();
}

void TGraphWinCfgForm::AchsenSetzen() {
    TAchse& a = Achse(FKopie, FAchse);
    a.Titel = LbeAchsenTitel->text();
    const int einheit = CmbEinheit->currentIndex();
    a.Einheit = einheit >= 0 && einheit < FAppConst.Einheiten.size()
                    ? FAppConst.Einheiten[einheit].Name
                    : QString();
    a.Minimum = LbeMinimum->Wert(a.Minimum);
    a.Maximum = LbeMaximum->Wert(a.Maximum);
    a.Gitterabstand = LbeGitterAbstand->Wert(a.Gitterabstand);
    a.MinMaxAutomatik = ChkMinMaxAuto->isChecked();
    a.GitterAutomatik = ChkGitterAuto->isChecked();
    a.Gitterstil = CmbGitterStil->Stil(a.Gitterstil);
    a.Gitterfarbe = CmbGitterFarbe->Farbe();
}

bool TGraphWinCfgForm::AchsenFelderPruefen() {
    for (TZahlenFeld* f : {LbeMinimum, LbeMaximum, LbeGitterAbstand}) {
        if (f->Getippt() && !FeldPruefen(f)) {
            PageControl->setCurrentWidget(TabAchsen);
            f->Edit->setFocus();
            return false;
        }
    }
    return true;
}

void TGraphWinCfgForm::AutomatikFreigeben() {
    LbeMinimum->Freigeben(!ChkMinMaxAuto->isChecked());
    LbeMaximum->Freigeben(!ChkMinMaxAuto->isChecked());
    LbeGitterAbstand->Freigeben(!ChkGitterAuto->isChecked());
}

void TGraphWinCfgForm::AutomatikClick() {
    // The field that was left is checked first; the check sets the enabled states.
    AutomatikFreigeben();
}

void TGraphWinCfgForm::AchseWaehlen(int achse) {
    if (achse == FAchse) {
        return;
    }
    // The controls go into the axis they show; with a wrong number the axis stays.
    if (!AchsenFelderPruefen()) {
        QRadioButton* knopf[3] = {ChkLinks, ChkUnten, ChkRechts};
        const QSignalBlocker sperre(knopf[FAchse]);
        knopf[FAchse]->setChecked(true);
        return;
    }
    AchsenSetzen();
    FAchse = achse;
    AchsenLesen();
}

void TGraphWinCfgForm::CmbEinheitChange(int index) {
    TAchse& a = Achse(FKopie, FAchse);
    const QString bisher = a.Einheit;
    // What the controls show goes into the copy first, so that the scaling works on it and
    // nothing typed is lost; the axis keeps its unit until the switch is allowed.
    if (!AchsenFelderPruefen() || !KurvenFelderPruefen()) {
        AchsenLesen();
        return;
    }
    AchsenSetzen();
    a.Einheit = bisher;
    KurvenSetzen();
    const GraphEigenschaften::TEinheitWechsel wechsel =
        GraphEigenschaften::EinheitWechseln(FKopie, FAchse, FAppConst.Einheiten, index);
    if (!wechsel.Erlaubt && !wechsel.Meldung.isEmpty()) {
        Melden(38, wechsel.Meldung);
    }
    EinzelKurveLesen(FKurve >= 0 ? FKopie.Kurven[FKurve] : FDefaultKurve);
    AchsenLesen();
}

void TGraphWinCfgForm::BtnEinheitClick() {
    const QString gewaehlt = CmbEinheit->currentText();
    emit EinheitenBearbeitenGewuenscht();
    EinheitenFuellen();
    const QSignalBlocker sperre(CmbEinheit);
    const qsizetype index = EinheitenAuswahlIndex(FAppConst.Einheiten, gewaehlt);
    CmbEinheit->setCurrentIndex(int(index));
}
