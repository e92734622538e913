// The curves tab of the graph properties dialog: one curve at a time (or the program's
// default curve in a graph without curves), new, rename and delete, and the value grid.
#include "graph/GraphEigenschaften.h"
#include "graph/TKurvenWerteModell.h"
#include "graph/ui/TFarbListe.h"
#include "graph/ui/TGraphWinCfgForm.h"
#include "graph/ui/TStilListe.h"
#include "graph/ui/TWerteGrid.h"
#include "graph/ui/TZahlenFeld.h"
#include "shell/TBenutzer.h"
#include "shell/TSprachTexte.h"
#include "shell/Zahlen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>
#include <QTabWidget>

TKurve& TGraphWinCfgForm::GezeigteKurve() {
    return FKurve >= 0 && FKurve < FKopie.Kurven.size() ? FKopie.Kurven[FKurve] : FDefaultKurve;
}

QStringList TGraphWinCfgForm::KurvenNamen() const {
    QStringList namen;
    for (int i = 0; i < CmbKurven->count(); ++i) {
        namen.append(CmbKurven->itemText(i));
    }
    return namen;
}

void TGraphWinCfgForm::KurvenLesen() {
    {
        const QSignalBlocker sperre(CmbKurven);
        CmbKurven->clear();
        for (const TKurve& k : FKopie.Kurven) {
            CmbKurven->addItem(k.Name);
        }
        CmbKurven->setCurrentIndex(FKopie.Kurven.isEmpty() ? -1 : 0);
    }
    FKurve = FKopie.Kurven.isEmpty() ? -1 : 0;
    EinzelKurveLesen(GezeigteKurve());
}

void TGraphWinCfgForm::KurvenSetzen() {
    // Without curves the controls edit the default curve, whose name has no list entry.
    EinzelKurveSetzen(GezeigteKurve(),
                      FKurve >= 0 ? CmbKurven->itemText(FKurve) : FDefaultKurve.Name);
}

void TGraphWinCfgForm::EinzelKurveLesen(const TKurve& k) {
    FKurveGezeigt = k;
    ChkSichtbar->setChecked(k.Sichtbar);
    ChkAchseRechts->setChecked(k.AchseRechts);
    ChkLinie->setChecked(k.LinieSichtbar);
    ChkPunkt->setChecked(k.PunktSichtbar);
    CmbLinieFarbe->FarbeZeigen(k.Linienfarbe);
    CmbPunktFarbe->FarbeZeigen(k.Punktfarbe);
    CmbLinieStil->StilZeigen(k.Linienstil);
    CmbPunktStil->StilZeigen(k.Punktstil);
    LbeLinieBreite->setText(QString::number(k.Linienbreite));
    LbePunktBreite->setText(QString::number(k.Punktbreite));
    LbeIntervall->setText(Zahlen::GleitzahlText(k.Intervall));
    LbeStart->setText(Zahlen::GleitzahlText(k.Start));
    LbeOffset->setText(Zahlen::GleitzahlText(k.YOffset));
    LbeFaktor->setText(Zahlen::GleitzahlText(k.YFaktor));
    ValGrid->Modell().Setzen(k.Werte);
    ValGrid->ZelleWaehlen(0, 0);
}

void TGraphWinCfgForm::EinzelKurveSetzen(TKurve& k, const QString& name) {
    k.Name = name;
    k.Sichtbar = ChkSichtbar->isChecked();
    k.AchseRechts = ChkAchseRechts->isChecked();
    k.LinieSichtbar = ChkLinie->isChecked();
    k.PunktSichtbar = ChkPunkt->isChecked();
    k.Linienfarbe = CmbLinieFarbe->Farbe();
    k.Punktfarbe = CmbPunktFarbe->Farbe();
    k.Linienstil = CmbLinieStil->Stil(k.Linienstil);
    k.Punktstil = CmbPunktStil->Stil(k.Punktstil);
    // A field the user did not change gives the value it showed, with all its digits.
    const TKurve& g = FKurveGezeigt;
    k.Linienbreite = LbeLinieBreite->Ganzzahl(g.Linienbreite);
    k.Punktbreite = LbePunktBreite->Ganzzahl(g.Punktbreite);
    k.Intervall = LbeIntervall->Wert(g.Intervall);
    k.Start = LbeStart->Wert(g.Start);
    k.YOffset = LbeOffset->Wert(g.YOffset);
    k.YFaktor = LbeFaktor->Wert(g.YFaktor);
    if (!ValGrid->Modell().ErsteUngueltige()) {
        k.Werte = ValGrid->Modell().Werte();
    }
}

bool TGraphWinCfgForm::WerteGridPruefen() {
    TKurvenWerteModell& m = ValGrid->Modell();
    if (const auto zelle = m.ErsteUngueltige()) {
        PageControl->setCurrentWidget(TabKurven);
        ValGrid->ZelleWaehlen(zelle->Zeile, zelle->Spalte);
        ValGrid->ZellePruefen(int(zelle->Zeile), zelle->Spalte);
        ValGrid->setFocus();
        return false;
    }
    // Only an edited grid is searched: points as they came from a file or a measurement
    // are the user's data and are stored unchanged.
    if (m.Geaendert()) {
        if (const auto zeile = m.ErsteDoppelteX()) {
            PageControl->setCurrentWidget(TabKurven);
            ValGrid->ZelleWaehlen(*zeile, 0);
            Melden(11);
            ValGrid->setFocus();
            return false;
        }
    }
    return true;
}

bool TGraphWinCfgForm::KurvenFelderPruefen() {
    for (TZahlenFeld* f :
         {LbePunktBreite, LbeLinieBreite, LbeStart, LbeIntervall, LbeOffset, LbeFaktor}) {
        if (f->Getippt() && !FeldPruefen(f)) {
            PageControl->setCurrentWidget(TabKurven);
            f->Edit->setFocus();
            return false;
        }
    }
    return WerteGridPruefen();
}

void TGraphWinCfgForm::KurveWaehlen(int index) {
    if (index == FKurve || index < 0 || index >= FKopie.Kurven.size()) {
        return;
    }
    // The controls go into the curve they show; with a wrong entry that curve stays.
    if (!KurvenFelderPruefen()) {
        const QSignalBlocker sperre(CmbKurven);
        CmbKurven->setCurrentIndex(FKurve);
        return;
    }
    KurvenSetzen();
    FKurve = index;
    EinzelKurveLesen(FKopie.Kurven[FKurve]);
}

std::optional<QString> TGraphWinCfgForm::NameErfragen(const QString& titel, const QString& frage,
                                                      const QString& vorschlag) {
    QString name = vorschlag;
    for (;;) {
        const std::optional<QString> antwort = FBenutzer.Eingabe(titel, frage, name);
        if (!antwort) {
            return std::nullopt;
        }
        name = *antwort;
        if (!GraphEigenschaften::NameVorhanden(KurvenNamen(), name)) {
            return name;
        }
        Melden(9, name);
    }
}

void TGraphWinCfgForm::BtnKurveNeuClick() {
    if (!KurvenFelderPruefen()) {
        return;
    }
    const TSprachTexte& t = FTexte;
    const std::optional<QString> name =
        NameErfragen(t.NeueKurveBoxCaption, t.NeueKurveBoxText,
                     t.NeueKurveText + QString::number(FKopie.Kurven.size()));
    if (!name) {
        return;
    }
    Melden(10, *name);
    // The curve shown keeps what its controls say; the new one starts as a copy of them.
    KurvenSetzen();
    TKurve neu;
    EinzelKurveSetzen(neu, *name);
    FKopie.Kurven.append(neu);
    FKurve = int(FKopie.Kurven.size() - 1);
    const QSignalBlocker sperre(CmbKurven);
    CmbKurven->addItem(*name);
    CmbKurven->setCurrentIndex(FKurve);
}

void TGraphWinCfgForm::BtnKurveNameClick() {
    if (FKurve < 0 || !KurvenFelderPruefen()) {
        return;
    }
    const TSprachTexte& t = FTexte;
    const std::optional<QString> name =
        NameErfragen(t.NameKurveBoxCaption, t.NameKurveBoxText, CmbKurven->itemText(FKurve));
    if (!name) {
        return;
    }
    Melden(15, *name);
    CmbKurven->setItemText(FKurve, *name);
    EinzelKurveSetzen(FKopie.Kurven[FKurve], *name);
}

void TGraphWinCfgForm::BtnKurveLoeschenClick() {
    if (FKurve < 0 || FKurve >= FKopie.Kurven.size()) {
        return;
    }
    FKopie.Kurven.removeAt(FKurve);
    KurvenLesen();
}
