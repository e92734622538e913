// The job dialog: form set-up by the flags and the two directions between the dialog and a
// record. Its pages are built in TMessInfoFormSeiten.cpp, its actions are in
// TMessInfoFormAktionen.cpp.
#include "measurement/ui/TMessInfoForm.h"
#include "catalogue/GeraeteKatalog.h"
#include "measurement/TWerteModell.h"
#include "measurement/ui/TWerteTabelle.h"
#include "shell/DatumZeit.h"
#include "shell/TShellKontext.h"
#include "shell/Uhr.h"
#include "shell/ui/TSymbole.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The client size the dialog is laid out for; it grows when its contents need more (large
// fonts), and Qt scales it on a high-resolution screen.
constexpr int kBreite = 442;
constexpr int kHoehe = 352;

QTableWidgetItem* Zelle(const QString& text) {
    auto* z = new QTableWidgetItem(text);
    z->setFlags(Qt::ItemIsEnabled);
    return z;
}

} // namespace

TMessInfoForm::TMessInfoForm(TShellKontext& app, TMessDatei& arbeit, quint32& speicherbedarf,
                             QWidget* eltern)
    : QDialog(eltern), FApp(app), FArbeit(arbeit), FSpeicherbedarf(speicherbedarf) {
    setObjectName(QStringLiteral("MessInfoForm"));
    Aufbauen();
    Verbinden();
    // Creation: nothing shown yet, the device of the configuration in the record.
    FAuftragModus = false;
    Seiten->setCurrentWidget(TabGeraet);
    const QDateTime jetzt = DatumZeit::NachQDateTime(Uhr::Jetzt());
    DtpStartDatum->setDate(jetzt.date());
    DtpStartZeit->setTime(jetzt.time());
    BtnAuftragNeu->setEnabled(true);
    BtnAuftragSpeichern->setEnabled(false);
    BtnAuftragSenden->setEnabled(false);
    BtnReiheName->setEnabled(false);
    CmbEinheit->clear();
    Aktualisieren();
    const TErgebnis g = GeraetLesen(FApp, FApp.AppConst.Geraet, FArbeit);
    if (!g.Meldung.isEmpty()) {
        Nachricht(g.Meldung);
    }
    FormularEinstellen(FArbeit.AuftragFormFlags);
    setFixedSize(sizeHint().expandedTo(QSize(kBreite, kHoehe)));
}

TMessInfoForm::~TMessInfoForm() = default;

void TMessInfoForm::FormularEinstellen(const QVector<bool>& flags) {
    TMessDatei& d = FArbeit;
    const QString flagFehler = MessInfo::FormFlagsFehler(d);
    FNurAnzeige = flags.size() < kFormFlagsNoetig;
    if (FNurAnzeige && flagFehler != FGemeldeteFlags) {
        FGemeldeteFlags = flagFehler;
        Nachricht(flagFehler.isEmpty() ? QStringLiteral("AuftragFormFlags: %1 von %2 Einträgen")
                                             .arg(flags.size())
                                             .arg(kFormFlagsNoetig)
                                       : flagFehler);
    }
    BtnAuftragSpeichern->setEnabled(FAuftragModus && !FNurAnzeige);
    BtnAuftragSenden->setEnabled(FAuftragModus && !FNurAnzeige);
    BtnReiheName->setEnabled(!d.Messreihen.isEmpty() && !FNurAnzeige);

    // A flag that the array does not have leaves its field shown but not editable.
    const auto flag = [&](int n, bool fehlt) { return n < flags.size() ? flags[n] : fehlt; };
    const auto feld = [&](QLineEdit* e, int n) {
        e->clear();
        e->setEnabled(flag(n, true));
        e->setReadOnly(FNurAnzeige || flag(n + 1, true));
        Beschriftung(e)->setEnabled(e->isEnabled());
    };
    const std::pair<QLineEdit*, int> felder[] = {{LbeGeraetName, 0},   {LbeVarekSNr, 2},
                                                 {LbeVersion, 4},      {LbeSerienNummer, 6},
                                                 {LbeFirmware, 8},     {LbeSpeicher, 10},
                                                 {LbeKanalAnzahl, 12}, {LbeTakt, 14},
                                                 {LbeTeiler, 16},      {LbeDatum, 18},
                                                 {LbeZeit, 18},        {LbeAuftragName, 22},
                                                 {LbeNummer, 24},      {LbeFirma, 26},
                                                 {LbeAbteilung, 28},   {LbeBearbeiter, 30},
                                                 {LbeKommentar, 32},   {LbeAnzahlReihen, 34},
                                                 {LbeMessTakte, 36},   {LbeAbstandZeitstempel, 38},
                                                 {LbeAbstand, 48},     {LbeMesskonstante, 50},
                                                 {LbeNullwert, 52}};
    for (const auto& [e, n] : felder) {
        feld(e, n);
    }
    for (QLineEdit* e : {LbeMessfrequenz, LbeMessTakt, LbeMessdauer, LbeAnzahl}) {
        e->clear();
        e->setEnabled(true);
        e->setReadOnly(true);
        Beschriftung(e)->setEnabled(true);
    }
    VGrKanalInfo->setEnabled(flag(20, true));
    LblVGrKanalInfo->setEnabled(flag(20, true));
    for (QWidget* w : std::initializer_list<QWidget*>{DtpStartDatum, DtpStartZeit, LblStartDatum,
                                                      LblStartZeit}) {
        w->setEnabled(flag(40, true));
    }
    DtpStartDatum->setReadOnly(FNurAnzeige);
    DtpStartZeit->setReadOnly(FNurAnzeige);
    CmbMessreihenName->setEnabled(flag(42, true));
    LblMessreihenName->setEnabled(flag(42, true));
    CmbEinheit->setEnabled(flag(44, true) && !FNurAnzeige);
    LblEinheit->setEnabled(flag(44, true));
    BtnEinheit->setEnabled(!FNurAnzeige);
    ChkAktiv->setEnabled(flag(46, true) && !FNurAnzeige);

    VGrKanalInfo->setRowCount(0);
    WerteModell->Leeren();
    LblKanal->clear();
    CmbMessreihenName->blockSignals(true);
    CmbMessreihenName->clear();
    CmbMessreihenName->blockSignals(false);
    FAngezeigteReihe = -1;
    FAngezeigt = false;
    EinheitenFuellen();
}

void TMessInfoForm::EinheitenFuellen() {
    CmbEinheit->clear();
    FEinheitenNamen.clear();
    for (const TEinheiten& e : FApp.AppConst.Einheiten) {
        CmbEinheit->addItem(e.Name + QStringLiteral(" / ") + e.Zeichen);
        FEinheitenNamen.append(e.Name);
    }
}

void TMessInfoForm::EinheitWaehlen(const QString& name) {
    int position = CmbEinheit->count() > 0 ? 0 : -1;
    for (int i = 0; i < FEinheitenNamen.size(); ++i) {
        if (FEinheitenNamen[i] == name) {
            position = i; // the last one of that name
        }
    }
    CmbEinheit->setCurrentIndex(position);
}

void TMessInfoForm::GeraetInfoLesen(const TMessDatei& d) {
    TMessInfoFelder f;
    MessInfo::GeraetFelderLesen(d, FApp.AppConst, FApp.Texte, f);
    const std::pair<QLineEdit*, const QString*> felder[] = {{LbeGeraetName, &f.GeraetName},
                                                            {LbeVarekSNr, &f.VarekSNr},
                                                            {LbeVersion, &f.Version},
                                                            {LbeSerienNummer, &f.SerienNummer},
                                                            {LbeFirmware, &f.Firmware},
                                                            {LbeSpeicher, &f.Speicher},
                                                            {LbeKanalAnzahl, &f.KanalAnzahl},
                                                            {LbeTakt, &f.Takt},
                                                            {LbeTeiler, &f.Teiler},
                                                            {LbeMessfrequenz, &f.Messfrequenz},
                                                            {LbeMessTakt, &f.MessTakt},
                                                            {LbeDatum, &f.Datum},
                                                            {LbeZeit, &f.Zeit}};
    for (const auto& [e, text] : felder) {
        e->setText(*text);
        e->setCursorPosition(0);
    }
    VGrKanalInfo->setRowCount(int(f.Kanaele.size()));
    for (int c = 0; c < f.Kanaele.size(); ++c) {
        for (int sp = 0; sp < 4; ++sp) {
            VGrKanalInfo->setItem(c, sp, Zelle(f.Kanaele[c].value(sp)));
        }
    }
}

void TMessInfoForm::AuftragLesen(const TAuftrag& a) {
    TMessInfoFelder f;
    MessInfo::AuftragFelderLesen(a, f);
    const std::pair<QLineEdit*, const QString*> felder[] = {
        {LbeAuftragName, &f.AuftragName},
        {LbeNummer, &f.Nummer},
        {LbeFirma, &f.Firma},
        {LbeAbteilung, &f.Abteilung},
        {LbeBearbeiter, &f.Bearbeiter},
        {LbeKommentar, &f.Kommentar},
        {LbeMessTakte, &f.MessTakte},
        {LbeAbstandZeitstempel, &f.AbstandZeitstempel}};
    for (const auto& [e, text] : felder) {
        e->setText(*text);
        e->setCursorPosition(0);
    }
    StartSetzen(a.Start);
}

void TMessInfoForm::MessAuftragLesen(TMessDatei d) {
    FormularEinstellen(d.AuftragFormFlags);
    GeraetInfoLesen(d);
    AuftragLesen(d.Auftrag);
    Berechnungen();
    // One item per series, so that positions and series always match (a file may hold two
    // series of the same name).
    CmbMessreihenName->blockSignals(true);
    for (const TMessreihe& r : d.Messreihen) {
        CmbMessreihenName->addItem(r.Name);
    }
    CmbMessreihenName->setCurrentIndex(d.Messreihen.isEmpty() ? -1 : 0);
    CmbMessreihenName->blockSignals(false);
    FAngezeigt = true;
    MessreiheLesen(d.Messreihen.isEmpty() ? -1 : 0);
}

void TMessInfoForm::ParameterBeschriftung(bool parameter) {
    const TSprachTexte& t = FApp.Texte;
    const std::tuple<QLineEdit*, const QString*, const QString*, const QString*, const QString*>
        felder[] = {{LbeAbstand, &t.LbeAbstandCaption, &t.LbeAbstandHint, &t.LbeParameter1Caption,
                     &t.LbeParameter1Hint},
                    {LbeMesskonstante, &t.LbeMesskonstanteCaption, &t.LbeMesskonstanteHint,
                     &t.LbeParameter2Caption, &t.LbeParameter2Hint},
                    {LbeNullwert, &t.LbeNullwertCaption, &t.LbeNullwertHint,
                     &t.LbeParameter3Caption, &t.LbeParameter3Hint}};
    for (const auto& [e, caption, hint, pCaption, pHint] : felder) {
        Beschriftung(e)->setText(parameter ? *pCaption : *caption);
        Beschriftung(e)->setToolTip(parameter ? *pHint : *hint);
        e->setToolTip(parameter ? *pHint : *hint);
    }
    LbeAnzahl->setVisible(!parameter);
    Beschriftung(LbeAnzahl)->setVisible(!parameter);
}

void TMessInfoForm::ReihenFelderZeigen(const TReiheFelder& f) {
    ChkAktiv->setChecked(f.Aktiv);
    LbeAbstand->setText(f.Abstand);
    LbeAnzahl->setText(f.Anzahl);
    LbeMesskonstante->setText(f.Messkonstante);
    LbeNullwert->setText(f.Nullwert);
    EinheitWaehlen(f.Einheit);
}

void TMessInfoForm::MessreiheLesen(int reihe) {
    const TMessDatei& d = FArbeit;
    FAngezeigteReihe = reihe;
    if (reihe < 0 || reihe >= d.Messreihen.size()) {
        WerteModell->Leeren();
        LblKanal->clear();
        return;
    }
    const TMessreihe& r = d.Messreihen[reihe];
    TReiheFelder f;
    MessInfo::ReiheFelderLesen(r, d.Auftrag.MessTakte, FApp.AppConst.Dezimaltrenner, f);
    ReihenFelderZeigen(f);
    const QStringList kanal = MessInfo::KanalZeile(d, r.Kanal, FApp.Texte);
    LblKanal->setText(MessInfo::KanalBeschreibung(kanal, FApp.Texte));
    ParameterBeschriftung(MessInfo::IstParameterKanal(kanal, FApp.Texte));
    const TSprachTexte& t = FApp.Texte;
    WerteModell->Setzen(r.Messwerte, {FApp.AppConst.DatumsformatKurz,
                                      FApp.AppConst.ZeitformatLang,
                                      FApp.AppConst.Dezimaltrenner,
                                      {t.VGrWerteNrText, t.VGrWerteDatumText, t.VGrWerteZeitText,
                                       t.VGrWerteMesswertText}});
}

TReiheFelder TMessInfoForm::ReihenFelderHolen() const {
    TReiheFelder f;
    f.Aktiv = ChkAktiv->isChecked();
    f.Abstand = LbeAbstand->text();
    f.Anzahl = LbeAnzahl->text();
    f.Messkonstante = LbeMesskonstante->text();
    f.Nullwert = LbeNullwert->text();
    const int e = CmbEinheit->currentIndex();
    f.Einheit = e >= 0 && e < FEinheitenNamen.size() ? FEinheitenNamen[e] : QString();
    return f;
}

TMessInfoFelder TMessInfoForm::FelderHolen() const {
    TMessInfoFelder f;
    f.GeraetName = LbeGeraetName->text();
    f.VarekSNr = LbeVarekSNr->text();
    f.Version = LbeVersion->text();
    f.SerienNummer = LbeSerienNummer->text();
    f.Firmware = LbeFirmware->text();
    f.Speicher = LbeSpeicher->text();
    f.KanalAnzahl = LbeKanalAnzahl->text();
    f.Takt = LbeTakt->text();
    f.Teiler = LbeTeiler->text();
    f.Datum = LbeDatum->text();
    f.Zeit = LbeZeit->text();
    for (int c = 0; c < VGrKanalInfo->rowCount(); ++c) {
        QStringList zeile;
        for (int sp = 0; sp < 4; ++sp) {
            const QTableWidgetItem* z = VGrKanalInfo->item(c, sp);
            zeile.append(z ? z->text() : QString());
        }
        f.Kanaele.append(zeile);
    }
    f.AuftragName = LbeAuftragName->text();
    f.Nummer = LbeNummer->text();
    f.Firma = LbeFirma->text();
    f.Abteilung = LbeAbteilung->text();
    f.Bearbeiter = LbeBearbeiter->text();
    f.Kommentar = LbeKommentar->text();
    f.MessTakte = LbeMessTakte->text();
    f.AbstandZeitstempel = LbeAbstandZeitstempel->text();
    f.Start = StartHolen();
    for (int i = 0; i < CmbMessreihenName->count(); ++i) {
        f.ReihenNamen.append(CmbMessreihenName->itemText(i));
    }
    f.Reihe = FAngezeigteReihe;
    f.ReiheFeld = ReihenFelderHolen();
    return f;
}

bool TMessInfoForm::MessAuftragSetzen(TMessDatei& datei) {
    if (!FAngezeigt) {
        return true; // nothing shown, nothing to take over
    }
    const QString fehler =
        MessInfo::MessAuftragSetzen(FelderHolen(), FApp.AppConst, FApp.Texte, Uhr::Jetzt(), datei);
    if (!fehler.isEmpty()) {
        Nachricht(fehler);
        return false;
    }
    return true;
}
