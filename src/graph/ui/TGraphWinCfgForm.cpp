#include "graph/ui/TGraphWinCfgForm.h"

#include "graph/GraphEigenschaften.h"
#include "graph/ui/TFarbListe.h"
#include "graph/ui/TStilListe.h"
#include "graph/ui/TWerteGrid.h"
#include "graph/ui/TZahlenFeld.h"
#include "shell/Eingabepruefung.h"
#include "shell/HilfeKontexte.h"
#include "shell/Nachricht.h"
#include "shell/TAppConst.h"
#include "shell/TBenutzer.h"
#include "shell/TSprachTexte.h"
#include "shell/Zahlen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

namespace {

constexpr double kGrenze = 65535;

void Hinweis(QWidget* w, const QString& hinweis) {
    w->setToolTip(hinweis.section(u'|', 0, 0));
    w->setStatusTip(hinweis.section(u'|', -1));
}

std::optional<double> Zahl(const TZahlenFeld* feld) {
    return Zahlen::GleitzahlLesen(feld->text());
}

} // namespace

TGraphWinCfgForm::TGraphWinCfgForm(const TDiagramm& dokument, const TAppConst& appConst,
                                   const TSprachTexte& texte, TBenutzer& benutzer,
                                   TKurve& defaultKurve, TDiagramm& defaultDiagramm,
                                   std::function<bool()> konfigurationSchreiben, QWidget* eltern)
    : QDialog(eltern), FKopie(dokument), FAppConst(appConst), FTexte(texte), FBenutzer(benutzer),
      FDefaultKurve(defaultKurve), FDefaultDiagramm(defaultDiagramm),
      FKonfigurationSchreiben(std::move(konfigurationSchreiben)) {
    setObjectName(QStringLiteral("GraphWinCfgForm"));
    Aufbauen();
    TexteSetzen();
    ChkLinks->setChecked(true);
    PageControl->setCurrentIndex(0);
    ValGrid->Intervall = [this] { return Zahl(LbeIntervall); };

    connect(BtnSpeichern, &QPushButton::clicked, this, &TGraphWinCfgForm::BtnSpeichernClick);
    connect(BtnDefault, &QPushButton::clicked, this, &TGraphWinCfgForm::BtnDefaultClick);
    connect(BtnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnHilfe, &QPushButton::clicked, this, &TGraphWinCfgForm::BtnHilfeClick);
    connect(BtnEinheit, &QToolButton::clicked, this, &TGraphWinCfgForm::BtnEinheitClick);
    connect(BtnKurveNeu, &QToolButton::clicked, this, &TGraphWinCfgForm::BtnKurveNeuClick);
    connect(BtnKurveName, &QToolButton::clicked, this, &TGraphWinCfgForm::BtnKurveNameClick);
    connect(BtnKurveLoeschen, &QToolButton::clicked, this,
            &TGraphWinCfgForm::BtnKurveLoeschenClick);
    const QRadioButton* achsen[3] = {ChkLinks, ChkUnten, ChkRechts};
    for (int i = 0; i < 3; ++i) {
        connect(achsen[i], &QRadioButton::toggled, this, [this, i](bool an) {
            if (an) {
                AchseWaehlen(i);
            }
        });
    }
    connect(CmbEinheit, &QComboBox::activated, this, &TGraphWinCfgForm::CmbEinheitChange);
    connect(CmbKurven, &QComboBox::activated, this, &TGraphWinCfgForm::KurveWaehlen);
    connect(ChkMinMaxAuto, &QCheckBox::clicked, this, &TGraphWinCfgForm::AutomatikClick);
    connect(ChkGitterAuto, &QCheckBox::clicked, this, &TGraphWinCfgForm::AutomatikClick);
    for (TZahlenFeld* f : {LbeMinimum, LbeMaximum, LbeGitterAbstand, LbePunktBreite, LbeLinieBreite,
                           LbeStart, LbeIntervall, LbeOffset, LbeFaktor}) {
        f->Verlassen = [this, f] { return FeldPruefen(f); };
        connect(f, &TZahlenFeld::Pfeil, this, [this, f](bool hoch) { Pfeil(f, hoch); });
    }
    EigenschaftenLesen();
    resize(760, 500);
}

TGraphWinCfgForm::~TGraphWinCfgForm() = default;

int TGraphWinCfgForm::Melden(int nummer, const QString& text) {
    return Nachricht(FBenutzer, FTexte, nummer, text);
}

void TGraphWinCfgForm::TexteSetzen() {
    const TSprachTexte& t = FTexte;
    setWindowTitle(t.GraphEigenschaftenFormCaption + u' ' + FKopie.Titel);
    PageControl->setTabText(0, t.TabAllgemeinCaption);
    PageControl->setTabText(1, t.TabAchsenCaption);
    PageControl->setTabText(2, t.TabKurvenCaption);
    LbeDiagrammTitel->TexteSetzen(t.LbeDiagrammTitelCaption, t.LbeDiagrammTitelHint);
    LbeDiagrammFuss->TexteSetzen(t.LbeDiagrammFussCaption, t.LbeDiagrammFussHint);
    const struct {
        const char* Label;
        const QString& Text;
    } beschriftungen[] = {
        {"LblRahmen", t.LblRahmenCaption},
        {"LblHintergrund", t.LblHintergrundCaption},
        {"LblSchriftFarbe", t.LblSchriftFarbeCaption},
        {"LblMarkerFarbe", t.LblMarkerFarbeCaption},
        {"LblMarkerStil", t.LblMarkerStilCaption},
        {"LblEinheit", t.LblEinheitCaption},
        {"LblGitterFarbe", t.LblGitterFarbeCaption},
        {"LblGitterStil", t.LblGitterStilCaption},
        {"LblKurve", t.LblKurveCaption},
        {"LblPunktFarbe", t.LblPunktFarbeCaption},
        {"LblLinieFarbe", t.LblLinieFarbeCaption},
        {"LblPunktStil", t.LblPunktStilCaption},
        {"LblLinieStil", t.LblLinieStilCaption},
    };
    for (const auto& b : beschriftungen) {
        if (auto* l = findChild<QLabel*>(QLatin1String(b.Label))) {
            l->setText(b.Text);
        }
    }
    Hinweis(CmbRahmen, t.CmbRahmenHint);
    Hinweis(CmbHintergrund, t.CmbHintergrundHint);
    Hinweis(CmbSchriftfarbe, t.CmbSchriftFarbeHint);
    Hinweis(CmbMarkerFarbe, t.CmbMarkerFarbeHint);
    Hinweis(CmbMarkerStil, t.CmbMarkerStilHint);
    ChkLegende->setText(t.ChkLegendeCaption);
    Hinweis(ChkLegende, t.ChkLegendeHint);

    GrbAchsen->setTitle(t.GrbAchsenCaption);
    ChkLinks->setText(t.ChkLinksCaption);
    Hinweis(ChkLinks, t.ChkLinksHint);
    ChkUnten->setText(t.ChkUntenCaption);
    Hinweis(ChkUnten, t.ChkUntenHint);
    ChkRechts->setText(t.ChkRechtsCaption);
    Hinweis(ChkRechts, t.ChkRechtsHint);
    LbeAchsenTitel->TexteSetzen(t.LbeAchsenTitelCaption, t.LbeAchsenTitelHint);
    Hinweis(CmbEinheit, t.CmbEinheitHint);
    Hinweis(BtnEinheit, t.BtnEinheitHint);
    LbeMinimum->TexteSetzen(t.LbeMinimumCaption, t.LbeMinimumHint, t.UpDMinimumHint);
    LbeMaximum->TexteSetzen(t.LbeMaximumCaption, t.LbeMaximumHint, t.UpDMaximumHint);
    LbeGitterAbstand->TexteSetzen(t.LbeGitterAbstandCaption, t.LbeGitterAbstandHint,
                                  t.UpDGitterAbstandHint);
    ChkMinMaxAuto->setText(t.ChkMinMaxAutoCaption);
    Hinweis(ChkMinMaxAuto, t.ChkMinMaxAutoHint);
    ChkGitterAuto->setText(t.ChkGitterAutoCaption);
    Hinweis(ChkGitterAuto, t.ChkGitterAutoHint);
    Hinweis(CmbGitterFarbe, t.CmbGitterFarbeHint);
    Hinweis(CmbGitterStil, t.CmbGitterStilHint);

    Hinweis(CmbKurven, t.CmbKurvenHint);
    Hinweis(BtnKurveNeu, t.BtnKurveNeuHint);
    Hinweis(BtnKurveName, t.BtnKurveNameHint);
    Hinweis(BtnKurveLoeschen, t.BtnKurveLoeschenHint);
    const struct {
        QCheckBox* Box;
        const QString& Text;
        const QString& Hinweis;
    } kaestchen[] = {{ChkSichtbar, t.ChkSichtbarCaption, t.ChkSichtbarHint},
                     {ChkAchseRechts, t.ChkAchseRechtsCaption, t.ChkAchseRechtsHint},
                     {ChkPunkt, t.ChkPunktCaption, t.ChkPunktHint},
                     {ChkLinie, t.ChkLinieCaption, t.ChkLinieHint}};
    for (const auto& k : kaestchen) {
        k.Box->setText(k.Text);
        Hinweis(k.Box, k.Hinweis);
    }
    Hinweis(CmbPunktFarbe, t.CmbPunktFarbeHint);
    Hinweis(CmbLinieFarbe, t.CmbLinieFarbeHint);
    Hinweis(CmbPunktStil, t.CmbPunktStilHint);
    Hinweis(CmbLinieStil, t.CmbLinieStilHint);
    LbePunktBreite->TexteSetzen(t.LbePunktBreiteCaption, t.LbePunktBreiteHint,
                                t.LbePunktBreiteHint);
    LbeLinieBreite->TexteSetzen(t.LbeLinieBreiteCaption, t.LbeLinieBreiteHint,
                                t.LbeLinieBreiteHint);
    LbeStart->TexteSetzen(t.LbeStartCaption, t.LbeStartHint, t.UpDStartHint);
    LbeIntervall->TexteSetzen(t.LbeIntervallCaption, t.LbeIntervallHint, t.UpDIntervallHint);
    LbeOffset->TexteSetzen(t.LbeOffsetCaption, t.LbeOffsetHint, t.UpDOffsetHint);
    LbeFaktor->TexteSetzen(t.LbeFaktorCaption, t.LbeFaktorHint, t.UpDFaktorHint);
    ValGrid->TexteSetzen();
    for (TFarbListe* f : findChildren<TFarbListe*>()) {
        f->WeitereText(t.WeitereFarbenText);
    }

    BtnSpeichern->setText(t.GraphWinCfgBtnSpeichernCaption);
    Hinweis(BtnSpeichern, t.GraphWinCfgBtnSpeichernHint);
    BtnDefault->setText(t.GraphWinCfgBtnDefaultCaption);
    Hinweis(BtnDefault, t.GraphWinCfgBtnDefaultHint);
    BtnAbbrechen->setText(t.GraphWinCfgBtnAbbrechenCaption);
    Hinweis(BtnAbbrechen, t.GraphWinCfgBtnAbbrechenHint);
    BtnHilfe->setText(t.GraphWinCfgBtnHilfeCaption);
    Hinweis(BtnHilfe, t.GraphWinCfgBtnHilfeHint);
}

// ---------------------------------------------------------------- the whole document

void TGraphWinCfgForm::EigenschaftenLesen() {
    LbeDiagrammTitel->setText(FKopie.Titel);
    LbeDiagrammFuss->setText(FKopie.Fusszeile);
    CmbRahmen->FarbeZeigen(FKopie.Rahmenfarbe);
    CmbHintergrund->FarbeZeigen(FKopie.Hintergrundfarbe);
    CmbMarkerFarbe->FarbeZeigen(FKopie.MarkerFarbe);
    CmbSchriftfarbe->FarbeZeigen(FKopie.Schriftfarbe);
    ChkLegende->setChecked(FKopie.Legende);
    CmbMarkerStil->StilZeigen(FKopie.MarkerStil);
    AchsenLesen();
    KurvenLesen();
}

void TGraphWinCfgForm::EigenschaftenSetzen() {
    FKopie.Titel = LbeDiagrammTitel->text();
    FKopie.Fusszeile = LbeDiagrammFuss->text();
    FKopie.Rahmenfarbe = CmbRahmen->Farbe();
    FKopie.Hintergrundfarbe = CmbHintergrund->Farbe();
    FKopie.MarkerFarbe = CmbMarkerFarbe->Farbe();
    FKopie.Schriftfarbe = CmbSchriftfarbe->Farbe();
    FKopie.Legende = ChkLegende->isChecked();
    FKopie.MarkerStil = CmbMarkerStil->Stil(FKopie.MarkerStil);
    AchsenSetzen();
    KurvenSetzen();
}

// ---------------------------------------------------------------- buttons

void TGraphWinCfgForm::BtnSpeichernClick() {
    if (!AchsenFelderPruefen() || !KurvenFelderPruefen()) {
        return;
    }
    EigenschaftenSetzen();
    emit Speichern(FKopie);
    Melden(7);
}

void TGraphWinCfgForm::BtnDefaultClick() {
    if (!AchsenFelderPruefen() || !KurvenFelderPruefen()) {
        return;
    }
    EigenschaftenSetzen();
    FDefaultDiagramm = FKopie;
    // Message 8 says the file was written; when it was not, the writer has said why.
    if (FKonfigurationSchreiben && FKonfigurationSchreiben()) {
        Melden(8, FAppConst.KonfigurationsPfad + FAppConst.UserKonfigDatei);
    }
}

void TGraphWinCfgForm::BtnHilfeClick() {
    FBenutzer.HilfeZeigen(HilfeKontext::GraphEigenschaften);
}

// ---------------------------------------------------------------- number fields

bool TGraphWinCfgForm::FeldPruefen(TZahlenFeld* feld) {
    const QString text = feld->text();
    bool ok = true;
    if (feld == LbePunktBreite || feld == LbeLinieBreite) {
        ok = Eingabepruefung::GanzzahlPruefen(FBenutzer, FTexte, 1, 10, text, true);
    } else {
        double unten = -kGrenze;
        double oben = kGrenze;
        if (feld == LbeMinimum) {
            oben = Zahl(LbeMaximum).value_or(kGrenze);
        } else if (feld == LbeMaximum) {
            unten = Zahl(LbeMinimum).value_or(-kGrenze);
        } else if (feld == LbeGitterAbstand) {
            unten = 1E-9;
        } else if (feld == LbeIntervall) {
            unten = 0;
        }
        ok = Eingabepruefung::GleitzahlPruefen(FBenutzer, FTexte, text, true, unten, oben);
    }
    if (feld == LbeMinimum || feld == LbeMaximum || feld == LbeGitterAbstand) {
        AutomatikFreigeben();
    }
    return ok;
}

void TGraphWinCfgForm::Pfeil(TZahlenFeld* feld, bool hoch) {
    double oben = kGrenze;
    double unten = -kGrenze;
    double raster = 0.001;
    std::optional<double> grenze = 0.0;
    if (feld == LbeMinimum) {
        grenze = Zahl(LbeMaximum);
        oben = grenze.value_or(0);
        raster = 1;
    } else if (feld == LbeMaximum) {
        grenze = Zahl(LbeMinimum);
        unten = grenze.value_or(0);
        raster = 1;
    } else if (feld == LbeGitterAbstand) {
        unten = 0.000001;
        raster = 1;
    } else if (feld == LbePunktBreite || feld == LbeLinieBreite) {
        oben = 10;
        unten = 1;
    } else if (feld == LbeIntervall) {
        unten = 0.00001;
    }
    const std::optional<double> wert = Zahl(feld);
    if (!wert || !grenze) {
        return;
    }
    if (const auto neu = GraphEigenschaften::Schritt(*wert, hoch, oben, unten, raster)) {
        feld->setText(Zahlen::GleitzahlText(*neu));
        feld->Edit->setModified(true);
    }
}
