#include "shell/ui/TMainCfgForm.h"

#include "shell/DatumZeit.h"
#include "shell/HilfeKontexte.h"
#include "shell/Meldungen.h"
#include "shell/Nachricht.h"
#include "shell/TAppConst.h"
#include "shell/TBenutzer.h"
#include "shell/TSprachTexte.h"
#include "shell/Uhr.h"
#include "shell/Verzeichnis.h"
#include "shell/ui/TEinheitenGitter.h"
#include "shell/ui/TMainCfgHardware.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLineEdit* Feld(QWidget* eltern, const char* name) {
    auto* feld = new QLineEdit(eltern);
    feld->setObjectName(QLatin1String(name));
    return feld;
}

QToolButton* Waehler(QWidget* eltern, const char* name) {
    auto* knopf = new QToolButton(eltern);
    knopf->setObjectName(QLatin1String(name));
    knopf->setText(QStringLiteral("..."));
    return knopf;
}

} // namespace

TMainCfgForm::TMainCfgForm(TAppConst& appConst, TSprachTexte& texte, TBenutzer& benutzer,
                           TMainCfgDienste dienste, bool einheitenZuerst, QWidget* eltern)
    : QDialog(eltern), FAppConst(appConst), FTexte(texte), FBenutzer(benutzer),
      FDienste(std::move(dienste)) {
    setObjectName(QStringLiteral("MainCfgForm"));
    setModal(true);
    PageControl = new QTabWidget(this);
    TabAllgemein = AllgemeinAnlegen();
    TabHardware = new TMainCfgHardware(FAppConst, FTexte, FBenutzer, FDienste, PageControl);
    TabFormate = FormateAnlegen();
    TabEinheiten = EinheitenAnlegen();
    PageControl->addTab(TabAllgemein, QString());
    PageControl->addTab(TabHardware, QString());
    PageControl->addTab(TabFormate, QString());
    PageControl->addTab(TabEinheiten, QString());

    BtnSpeichern = new QPushButton(this);
    BtnAbbrechen = new QPushButton(this);
    BtnHilfe = new QPushButton(this);
    BtnSpeichern->setDefault(true);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(BtnSpeichern);
    knoepfe->addWidget(BtnAbbrechen);
    knoepfe->addWidget(BtnHilfe);
    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(PageControl, 1);
    haupt->addLayout(knoepfe);

    // Cancelling and asking for help never stop at a faulty unit cell.
    VGrEinheiten->OhnePruefung(BtnAbbrechen);
    VGrEinheiten->OhnePruefung(BtnHilfe);
    connect(BtnSpeichern, &QPushButton::clicked, this, &TMainCfgForm::SpeichernClick);
    connect(BtnAbbrechen, &QPushButton::clicked, this, &TMainCfgForm::AbbrechenClick);
    connect(BtnHilfe, &QPushButton::clicked, this, &TMainCfgForm::HilfeClick);
    connect(TabHardware, &TMainCfgHardware::GeraetGewaehlt, this, &TMainCfgForm::CmbGeraetChange);

    Aktualisieren();
    if (einheitenZuerst) {
        PageControl->setCurrentWidget(TabEinheiten);
    }
    // The selected device as the catalogue describes it now.
    if (FDienste.GeraetLesen) {
        FDienste.GeraetLesen(FAppConst.Geraet);
    }
    EinstellungenLesen();
}

TMainCfgForm::~TMainCfgForm() = default;

bool TMainCfgForm::EinheitenZuerst(const QObject* sender) {
    return sender != nullptr &&
           (sender->inherits("TGraphWinCfgForm") || sender->inherits("TMessInfoForm"));
}

QWidget* TMainCfgForm::AllgemeinAnlegen() {
    auto* seite = new QWidget(this);
    auto* raster = new QGridLayout(seite);
    LblDatenVerzeichnis = new QLabel(seite);
    LbeDatenVerzeichnis = Feld(seite, "LbeDatenVerzeichnis");
    BtnDatenVerzeichnis = Waehler(seite, "BtnDatenVerzeichnis");
    LblHilfeVerzeichnis = new QLabel(seite);
    LbeHilfeVerzeichnis = Feld(seite, "LbeHilfeVerzeichnis");
    BtnHilfeVerzeichnis = Waehler(seite, "BtnHilfeVerzeichnis");
    LblKonfigVerzeichnis = new QLabel(seite);
    LbeKonfigVerzeichnis = Feld(seite, "LbeKonfigVerzeichnis");
    BtnKonfigVerzeichnis = Waehler(seite, "BtnKonfigVerzeichnis");
    LblFirma = new QLabel(seite);
    LbeFirma = Feld(seite, "LbeFirma");
    LblAbteilung = new QLabel(seite);
    LbeAbteilung = Feld(seite, "LbeAbteilung");
    LblBenutzer = new QLabel(seite);
    LbeBenutzer = Feld(seite, "LbeBenutzer");
    ChkFileDialoge = new QCheckBox(seite);
    ChkFileDialoge->setObjectName(QStringLiteral("ChkFileDialoge"));

    const struct {
        QLabel* Label;
        QLineEdit* Feld;
        QToolButton* Knopf;
    } zeilen[] = {
        {LblDatenVerzeichnis, LbeDatenVerzeichnis, BtnDatenVerzeichnis},
        {LblHilfeVerzeichnis, LbeHilfeVerzeichnis, BtnHilfeVerzeichnis},
        {LblKonfigVerzeichnis, LbeKonfigVerzeichnis, BtnKonfigVerzeichnis},
        {LblFirma, LbeFirma, nullptr},
        {LblAbteilung, LbeAbteilung, nullptr},
        {LblBenutzer, LbeBenutzer, nullptr},
    };
    int zeile = 0;
    for (const auto& z : zeilen) {
        z.Label->setBuddy(z.Feld);
        raster->addWidget(z.Label, zeile, 0);
        raster->addWidget(z.Feld, zeile, 1, 1, z.Knopf ? 1 : 2);
        if (z.Knopf) {
            raster->addWidget(z.Knopf, zeile, 2);
        }
        ++zeile;
    }
    raster->addWidget(ChkFileDialoge, zeile, 1, 1, 2);
    raster->setColumnStretch(1, 1);
    raster->setRowStretch(zeile + 1, 1);
    LbeDatenVerzeichnis->setMinimumWidth(320);

    connect(BtnDatenVerzeichnis, &QToolButton::clicked, this, &TMainCfgForm::DatenVerzeichnisClick);
    connect(BtnHilfeVerzeichnis, &QToolButton::clicked, this, &TMainCfgForm::HilfeVerzeichnisClick);
    connect(BtnKonfigVerzeichnis, &QToolButton::clicked, this,
            &TMainCfgForm::KonfigVerzeichnisClick);
    LbeKonfigVerzeichnis->installEventFilter(this);
    return seite;
}

QWidget* TMainCfgForm::FormateAnlegen() {
    auto* seite = new QWidget(this);
    auto* raster = new QGridLayout(seite);
    const struct {
        QLabel** Label;
        QLineEdit** Format;
        const char* FormatName;
        QLineEdit** Vorschau;
        const char* VorschauName;
    } zeilen[] = {
        {&LblZeitKurzFormat, &LbeZeitKurzFormat, "LbeZeitKurzFormat", &EdiZeitKurz, "EdiZeitKurz"},
        {&LblZeitLangFormat, &LbeZeitLangFormat, "LbeZeitLangFormat", &EdiZeitLang, "EdiZeitLang"},
        {&LblDatumKurzFormat, &LbeDatumKurzFormat, "LbeDatumKurzFormat", &EdiDatumKurz,
         "EdiDatumKurz"},
        {&LblDatumLangFormat, &LbeDatumLangFormat, "LbeDatumLangFormat", &EdiDatumLang,
         "EdiDatumLang"},
        {&LblZeitDatumFormat, &LbeZeitDatumFormat, "LbeZeitDatumFormat", &EdiZeitDatum,
         "EdiZeitDatum"},
    };
    int zeile = 0;
    for (const auto& z : zeilen) {
        *z.Label = new QLabel(seite);
        *z.Format = Feld(seite, z.FormatName);
        *z.Vorschau = Feld(seite, z.VorschauName);
        (*z.Vorschau)->setReadOnly(true);
        (*z.Label)->setBuddy(*z.Format);
        raster->addWidget(*z.Label, zeile, 0);
        raster->addWidget(*z.Format, zeile, 1);
        raster->addWidget(*z.Vorschau, zeile, 2);
        // The previews follow the typing, not only the leaving of a field.
        connect(*z.Format, &QLineEdit::textChanged, this, &TMainCfgForm::FormateVorschau);
        ++zeile;
    }
    raster->setColumnStretch(1, 1);
    raster->setColumnStretch(2, 1);
    raster->setRowStretch(zeile, 1);
    return seite;
}

QWidget* TMainCfgForm::EinheitenAnlegen() {
    auto* seite = new QWidget(this);
    auto* raster = new QGridLayout(seite);
    LblEinheiten = new QLabel(seite);
    VGrEinheiten = new TEinheitenGitter(FTexte, FBenutzer, seite);
    BtnEinheitNeu = new QToolButton(seite);
    BtnEinheitNeu->setObjectName(QStringLiteral("BtnEinheitNeu"));
    BtnEinheitNeu->setText(QStringLiteral("+"));
    BtnEinheitLoeschen = new QToolButton(seite);
    BtnEinheitLoeschen->setObjectName(QStringLiteral("BtnEinheitLoeschen"));
    BtnEinheitLoeschen->setText(QStringLiteral("−"));
    // The buttons do not take the focus: a click leaves the table's current cell in place,
    // and the new-unit button checks it itself.
    BtnEinheitNeu->setFocusPolicy(Qt::NoFocus);
    BtnEinheitLoeschen->setFocusPolicy(Qt::NoFocus);
    LblEinheiten->setBuddy(VGrEinheiten);
    raster->addWidget(LblEinheiten, 0, 0, 1, 2);
    raster->addWidget(VGrEinheiten, 1, 0, 3, 1);
    raster->addWidget(BtnEinheitNeu, 1, 1);
    raster->addWidget(BtnEinheitLoeschen, 2, 1);
    raster->setRowStretch(3, 1);
    raster->setColumnStretch(0, 1);
    connect(BtnEinheitNeu, &QToolButton::clicked, VGrEinheiten, &TEinheitenGitter::NeueEinheit);
    connect(BtnEinheitLoeschen, &QToolButton::clicked, VGrEinheiten,
            &TEinheitenGitter::EinheitLoeschen);
    return seite;
}

void TMainCfgForm::Aktualisieren() {
    const TSprachTexte& t = FTexte;
    setWindowTitle(t.MainCfgEinstellungenCaption);
    setToolTip(QString());
    PageControl->setTabText(0, t.MainCfgTabAllgemeinCaption);
    PageControl->setTabText(1, t.TabHardwareCaption);
    PageControl->setTabText(2, t.TabFormateCaption);
    PageControl->setTabText(3, t.MainCfgTabEinheitenCaption);

    const struct {
        QLabel* Label;
        const QString& Caption;
        QWidget* Feld;
        const QString& Hint;
    } felder[] = {
        {LblDatenVerzeichnis, t.LbeDatenVerzeichnisCaption, LbeDatenVerzeichnis,
         t.LbeDatenVerzeichnisHint},
        {LblHilfeVerzeichnis, t.LbeHilfeVerzeichnisCaption, LbeHilfeVerzeichnis,
         t.LbeHilfeVerzeichnisHint},
        {LblKonfigVerzeichnis, t.LbeKonfigVerzeichnisCaption, LbeKonfigVerzeichnis,
         t.LbeKonfigVerzeichnisHint},
        {LblFirma, t.LbeFirmaCaption, LbeFirma, t.LbeFirmaHint},
        {LblAbteilung, t.LbeAbteilungCaption, LbeAbteilung, t.LbeAbteilungHint},
        {LblBenutzer, t.LbeBenutzerCaption, LbeBenutzer, t.LbeBenutzerHint},
        {LblZeitKurzFormat, t.LbeZeitKurzFormatCaption, LbeZeitKurzFormat, t.LbeZeitKurzFormatHint},
        {LblZeitLangFormat, t.LbeZeitLangFormatCaption, LbeZeitLangFormat, t.LbeZeitLangFormatHint},
        {LblDatumKurzFormat, t.LbeDatumKurzFormatCaption, LbeDatumKurzFormat,
         t.LbeDatumKurzFormatHint},
        {LblDatumLangFormat, t.LbeDatumLangFormatCaption, LbeDatumLangFormat,
         t.LbeDatumLangFormatHint},
        {LblZeitDatumFormat, t.LbeZeitDatumFormatCaption, LbeZeitDatumFormat,
         t.LbeZeitDatumFormatHint},
        {LblEinheiten, t.LblEinheitenCaption, VGrEinheiten, t.VGrEinheitenHint},
    };
    for (const auto& f : felder) {
        f.Label->setText(f.Caption);
        f.Feld->setToolTip(f.Hint);
    }
    BtnDatenVerzeichnis->setToolTip(t.BtnDatenVerzeichnisHint);
    BtnHilfeVerzeichnis->setToolTip(t.BtnHilfeVerzeichnisHint);
    BtnKonfigVerzeichnis->setToolTip(t.BtnKonfigVerzeichnisHint);
    ChkFileDialoge->setText(t.ChkFileDialogeCaption);
    ChkFileDialoge->setToolTip(t.ChkFileDialogeHint);
    EdiZeitKurz->setToolTip(t.EdiZeitKurzHint);
    EdiZeitLang->setToolTip(t.EdiZeitLangHint);
    EdiDatumKurz->setToolTip(t.EdiDatumKurzHint);
    EdiDatumLang->setToolTip(t.EdiDatumLangHint);
    EdiZeitDatum->setToolTip(t.EdiZeitDatumHint);
    BtnEinheitNeu->setToolTip(t.BtnEinheitNeuHint);
    BtnEinheitLoeschen->setToolTip(t.BtnEinheitLoeschenHint);
    VGrEinheiten->Aktualisieren();
    TabHardware->Aktualisieren();
    BtnSpeichern->setText(t.BtnEinstellungSpeichernCaption);
    BtnSpeichern->setToolTip(t.BtnEinstellungSpeichernHint);
    BtnAbbrechen->setText(t.BtnEinstellungAbbrechenCaption);
    BtnAbbrechen->setToolTip(t.BtnEinstellungAbbrechenHint);
    BtnHilfe->setText(t.BtnEinstellungHilfeCaption);
    BtnHilfe->setToolTip(t.BtnEinstellungHilfeHint);
    PageControl->setCurrentIndex(0);
}

void TMainCfgForm::EinstellungenLesen() {
    AllgemeinLesen();
    TabHardware->HardwareLesen();
    FormateLesen();
    EinheitenLesen();
}

bool TMainCfgForm::EinstellungenSetzen() {
    if (!EinheitenSetzen()) {
        PageControl->setCurrentWidget(TabEinheiten);
        return false;
    }
    AllgemeinSetzen();
    TabHardware->HardwareSetzen();
    FormateSetzen();
    return true;
}

void TMainCfgForm::AllgemeinLesen() {
    const TAppConst& a = FAppConst;
    LbeDatenVerzeichnis->setText(a.DatenPfad);
    LbeHilfeVerzeichnis->setText(a.HilfePfad);
    LbeKonfigVerzeichnis->setText(a.KonfigurationsPfad);
    LbeFirma->setText(a.FirmenName);
    LbeAbteilung->setText(a.Abteilung);
    LbeBenutzer->setText(a.Benutzer);
    ChkFileDialoge->setChecked(a.AlteFileDialoge);
}

void TMainCfgForm::AllgemeinSetzen() {
    TAppConst& a = FAppConst;
    // Directories keep their separator at the end, or file names would be glued onto them.
    a.DatenPfad = Verzeichnis::MitTrenner(LbeDatenVerzeichnis->text());
    a.HilfePfad = Verzeichnis::MitTrenner(LbeHilfeVerzeichnis->text());
    if (const QString konfig = Verzeichnis::MitTrenner(LbeKonfigVerzeichnis->text());
        !konfig.isEmpty()) {
        a.KonfigurationsPfad = konfig;
    }
    a.FirmenName = LbeFirma->text();
    a.Abteilung = LbeAbteilung->text();
    a.Benutzer = LbeBenutzer->text();
    a.AlteFileDialoge = ChkFileDialoge->isChecked();
    a.DialogOptionen = ofHideReadOnly | (a.AlteFileDialoge ? ofOldStyleDialog : 0);
}

void TMainCfgForm::FormateLesen() {
    const TAppConst& a = FAppConst;
    LbeZeitKurzFormat->setText(a.ZeitformatKurz);
    LbeZeitLangFormat->setText(a.ZeitformatLang);
    LbeDatumKurzFormat->setText(a.DatumsformatKurz);
    LbeDatumLangFormat->setText(a.DatumsformatLang);
    LbeZeitDatumFormat->setText(a.ZeitDatumsformat);
    FormateVorschau();
}

void TMainCfgForm::FormateSetzen() {
    TAppConst& a = FAppConst;
    a.ZeitformatKurz = LbeZeitKurzFormat->text();
    a.ZeitformatLang = LbeZeitLangFormat->text();
    a.DatumsformatKurz = LbeDatumKurzFormat->text();
    a.DatumsformatLang = LbeDatumLangFormat->text();
    a.ZeitDatumsformat = LbeZeitDatumFormat->text();
}

void TMainCfgForm::FormateVorschau() {
    const double jetzt = Uhr::Jetzt();
    EdiZeitKurz->setText(DatumZeit::Formatieren(LbeZeitKurzFormat->text(), jetzt));
    EdiZeitLang->setText(DatumZeit::Formatieren(LbeZeitLangFormat->text(), jetzt));
    EdiDatumKurz->setText(DatumZeit::Formatieren(LbeDatumKurzFormat->text(), jetzt));
    EdiDatumLang->setText(DatumZeit::Formatieren(LbeDatumLangFormat->text(), jetzt));
    EdiZeitDatum->setText(DatumZeit::Formatieren(LbeZeitDatumFormat->text(), jetzt));
}

void TMainCfgForm::EinheitenLesen() {
    VGrEinheiten->Lesen(FAppConst.Einheiten);
}

bool TMainCfgForm::EinheitenSetzen() {
    const auto liste = VGrEinheiten->Liste();
    if (!liste) {
        return false;
    }
    FAppConst.Einheiten = *liste;
    return true;
}

void TMainCfgForm::CmbGeraetChange(const QString& name) {
    if (FDienste.GeraetLesen) {
        if (const auto werte = FDienste.GeraetLesen(name)) {
            FAppConst.Geraet = werte->Name;
        }
    }
    EinstellungenLesen();
}

void TMainCfgForm::SpeichernClick() {
    if (!EinstellungenSetzen()) {
        return;
    }
    const TAppConst& a = FAppConst;
    const bool gespeichert =
        FDienste.KonfigurationSchreiben && FDienste.KonfigurationSchreiben(a.KonfigurationsPfad);
    if (FDienste.StatusBarSetzen) {
        FDienste.StatusBarSetzen();
    }
    if (!gespeichert) {
        // The message of the failed write has been shown; the dialog stays open so that
        // another directory can be chosen, and the values are in force for this run.
        return;
    }
    Nachricht(FBenutzer, FTexte, Meldung::EinstellungenGespeichert,
              a.KonfigurationsPfad + a.UserKonfigDatei);
    accept();
}

void TMainCfgForm::AbbrechenClick() {
    reject();
}

void TMainCfgForm::HilfeClick() {
    FBenutzer.HilfeZeigen(HilfeKontext::Einstellungen);
}

bool TMainCfgForm::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == LbeKonfigVerzeichnis && ereignis->type() == QEvent::FocusOut) {
        const auto grund = static_cast<QFocusEvent*>(ereignis)->reason();
        // Leaving for another control of the dialog switches; the window losing the focus,
        // a menu, or the cancel button does not.
        const bool wegMitAbbrechen = QApplication::focusWidget() == BtnAbbrechen;
        if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason &&
            !wegMitAbbrechen) {
            KonfigVerzeichnisExit();
        }
    }
    return QDialog::eventFilter(objekt, ereignis);
}

void TMainCfgForm::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->key() == Qt::Key_F1) {
        HilfeClick();
        return;
    }
    QDialog::keyPressEvent(ereignis);
}
