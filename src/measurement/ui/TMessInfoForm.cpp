// The job dialog: its pages and controls, texts, form set-up by the flags, and the two
// directions between the dialog and a record. The actions are in TMessInfoFormAktionen.cpp.
#include "measurement/ui/TMessInfoForm.h"

#include "device/GeraeteKatalog.h"
#include "measurement/TWerteModell.h"
#include "measurement/ui/TWerteTabelle.h"
#include "shell/DatumZeit.h"
#include "shell/TAnwendung.h"
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

QToolButton* Knopf(const char* name, const char* symbol, QWidget* eltern) {
    auto* b = new QToolButton(eltern);
    b->setObjectName(QLatin1String(name));
    b->setIcon(TSymbole::Symbol(QLatin1String(symbol)));
    b->setAutoRaise(true);
    return b;
}

QTableWidgetItem* Zelle(const QString& text) {
    auto* z = new QTableWidgetItem(text);
    z->setFlags(Qt::ItemIsEnabled);
    return z;
}

} // namespace

TMessInfoForm::TMessInfoForm(TAnwendung& app, QWidget* eltern) : QDialog(eltern), FApp(app) {
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
    const TGeraetLesenErgebnis g = GeraetLesen(FApp, FApp.AppConst.Geraet, FApp.ArbeitsDatei);
    if (!g.Fehler.isEmpty()) {
        Nachricht(g.Fehler);
    }
    FormularEinstellen(FApp.ArbeitsDatei.AuftragFormFlags);
    setFixedSize(sizeHint().expandedTo(QSize(kBreite, kHoehe)));
}

TMessInfoForm::~TMessInfoForm() = default;

QLineEdit* TMessInfoForm::Feld(const char* name, QWidget* seite) {
    auto* e = new QLineEdit(seite);
    e->setObjectName(QLatin1String(name));
    auto* l = new QLabel(seite);
    l->setBuddy(e);
    FBeschriftungen.insert(e, l);
    return e;
}

QLabel* TMessInfoForm::Beschriftung(QWidget* feld) const {
    return FBeschriftungen.value(feld);
}

void TMessInfoForm::Aufbauen() {
    auto* haupt = new QVBoxLayout(this);
    auto* kopf = new QHBoxLayout;
    LbeMessdatei = Feld("LbeMessdatei", this);
    LbeMessdatei->setReadOnly(true);
    BtnMessdateiAuswahl = Knopf("BtnMessdateiAuswahl", "DateiOeffnen", this);
    auto* kopfFeld = new QVBoxLayout;
    kopfFeld->setSpacing(1);
    kopfFeld->addWidget(Beschriftung(LbeMessdatei));
    auto* kopfZeile = new QHBoxLayout;
    kopfZeile->addWidget(LbeMessdatei, 1);
    kopfZeile->addWidget(BtnMessdateiAuswahl);
    kopfFeld->addLayout(kopfZeile);
    kopf->addLayout(kopfFeld, 1);
    haupt->addLayout(kopf);

    Seiten = new QTabWidget(this);
    Seiten->setObjectName(QStringLiteral("Seiten"));
    TabGeraet = GeraetSeite();
    TabMessauftrag = AuftragSeite();
    TabMessreihen = ReihenSeite();
    Seiten->addTab(TabGeraet, QString());
    Seiten->addTab(TabMessauftrag, QString());
    Seiten->addTab(TabMessreihen, QString());
    haupt->addWidget(Seiten, 1);

    auto* unten = new QHBoxLayout;
    BtnAbbrechen = new QPushButton(this);
    BtnAbbrechen->setObjectName(QStringLiteral("BtnAbbrechen"));
    BtnHilfe = new QPushButton(this);
    BtnHilfe->setObjectName(QStringLiteral("BtnHilfe"));
    BtnAbbrechen->setAutoDefault(false);
    BtnHilfe->setAutoDefault(false);
    unten->addStretch(1);
    unten->addWidget(BtnAbbrechen);
    unten->addWidget(BtnHilfe);
    haupt->addLayout(unten);

    for (QLineEdit* e : {LbeMessTakte, LbeAbstandZeitstempel, LbeMessdauer, LbeAnzahl,
                         LbeMesskonstante, LbeAbstand, LbeNullwert}) {
        FZahlenFelder.append(e);
        e->installEventFilter(this);
    }
    ChkAktiv->installEventFilter(this);
    CmbMessreihenName->installEventFilter(this);
}

// A field with its label above it, placed into a grid cell.
static void Platzieren(QGridLayout* g, QLabel* l, QWidget* e, int zeile, int spalte,
                       int breite = 1) {
    g->addWidget(l, zeile * 2, spalte, 1, breite);
    g->addWidget(e, zeile * 2 + 1, spalte, 1, breite);
}

QWidget* TMessInfoForm::GeraetSeite() {
    auto* s = new QWidget;
    s->setObjectName(QStringLiteral("TabGeraet"));
    auto* h = new QHBoxLayout(s);
    auto* g = new QGridLayout;
    g->setVerticalSpacing(1);
    LbeGeraetName = Feld("LbeGeraetName", s);
    LbeVarekSNr = Feld("LbeVarekSNr", s);
    LbeVersion = Feld("LbeVersion", s);
    LbeSerienNummer = Feld("LbeSerienNummer", s);
    LbeFirmware = Feld("LbeFirmware", s);
    LbeSpeicher = Feld("LbeSpeicher", s);
    LbeKanalAnzahl = Feld("LbeKanalAnzahl", s);
    LbeTakt = Feld("LbeTakt", s);
    LbeTeiler = Feld("LbeTeiler", s);
    LbeMessfrequenz = Feld("LbeMessfrequenz", s);
    LbeMessTakt = Feld("LbeMessTakt", s);
    LbeDatum = Feld("LbeDatum", s);
    LbeZeit = Feld("LbeZeit", s);
    LbeVarekSNr->setMaxLength(11);
    const QLineEdit* reihenfolge[][2] = {
        {LbeGeraetName, LbeVarekSNr}, {LbeVersion, LbeFirmware},    {LbeSerienNummer, LbeSpeicher},
        {LbeKanalAnzahl, LbeTakt},    {LbeTeiler, LbeMessfrequenz}, {LbeMessTakt, nullptr},
        {LbeDatum, LbeZeit}};
    int zeile = 0;
    for (const auto& paar : reihenfolge) {
        for (int sp = 0; sp < 2; ++sp) {
            if (auto* e = const_cast<QLineEdit*>(paar[sp])) {
                Platzieren(g, Beschriftung(e), e, zeile, sp);
            }
        }
        ++zeile;
    }
    g->setRowStretch(zeile * 2, 1);
    h->addLayout(g, 1);

    auto* rechts = new QVBoxLayout;
    rechts->setSpacing(1);
    LblVGrKanalInfo = new QLabel(s);
    LblVGrKanalInfo->setObjectName(QStringLiteral("LblVGrKanalInfo"));
    VGrKanalInfo = new QTableWidget(0, 4, s);
    VGrKanalInfo->setObjectName(QStringLiteral("VGrKanalInfo"));
    VGrKanalInfo->setEditTriggers(QAbstractItemView::NoEditTriggers);
    VGrKanalInfo->setSelectionMode(QAbstractItemView::NoSelection);
    VGrKanalInfo->verticalHeader()->hide();
    VGrKanalInfo->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    VGrKanalInfo->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    const int breiten[] = {25, 80, 25, 51};
    int summe = 0;
    for (int i = 0; i < 4; ++i) {
        // At least the text's width, so that larger fonts stay readable.
        const int b =
            qMax(breiten[i], fontMetrics().horizontalAdvance(QStringLiteral("System-Analog")) *
                                 breiten[i] / 80);
        VGrKanalInfo->setColumnWidth(i, b);
        summe += b;
    }
    VGrKanalInfo->setFixedWidth(summe + VGrKanalInfo->frameWidth() * 2 + 18);
    LblVGrKanalInfo->setBuddy(VGrKanalInfo);
    rechts->addWidget(LblVGrKanalInfo);
    rechts->addWidget(VGrKanalInfo, 1);
    h->addLayout(rechts);
    return s;
}

QWidget* TMessInfoForm::AuftragSeite() {
    auto* s = new QWidget;
    s->setObjectName(QStringLiteral("TabMessauftrag"));
    auto* g = new QGridLayout(s);
    g->setVerticalSpacing(1);
    LbeAuftragName = Feld("LbeAuftragName", s);
    LbeNummer = Feld("LbeNummer", s);
    LbeFirma = Feld("LbeFirma", s);
    LbeAbteilung = Feld("LbeAbteilung", s);
    LbeBearbeiter = Feld("LbeBearbeiter", s);
    LbeKommentar = Feld("LbeKommentar", s);
    LbeAnzahlReihen = Feld("LbeAnzahlReihen", s);
    LbeMessTakte = Feld("LbeMessTakte", s);
    LbeAbstandZeitstempel = Feld("LbeAbstandZeitstempel", s);
    LbeMessdauer = Feld("LbeMessdauer", s);
    Platzieren(g, Beschriftung(LbeAuftragName), LbeAuftragName, 0, 0, 2);
    Platzieren(g, Beschriftung(LbeNummer), LbeNummer, 0, 2);
    Platzieren(g, Beschriftung(LbeFirma), LbeFirma, 1, 0);
    Platzieren(g, Beschriftung(LbeAbteilung), LbeAbteilung, 1, 1);
    Platzieren(g, Beschriftung(LbeBearbeiter), LbeBearbeiter, 1, 2);
    Platzieren(g, Beschriftung(LbeKommentar), LbeKommentar, 2, 0, 3);
    Platzieren(g, Beschriftung(LbeAnzahlReihen), LbeAnzahlReihen, 3, 0);
    Platzieren(g, Beschriftung(LbeMessTakte), LbeMessTakte, 3, 1);
    Platzieren(g, Beschriftung(LbeAbstandZeitstempel), LbeAbstandZeitstempel, 3, 2);

    LblStartDatum = new QLabel(s);
    LblStartDatum->setObjectName(QStringLiteral("LblStartDatum"));
    LblStartZeit = new QLabel(s);
    LblStartZeit->setObjectName(QStringLiteral("LblStartZeit"));
    DtpStartDatum = new QDateEdit(s);
    DtpStartDatum->setObjectName(QStringLiteral("DtpStartDatum"));
    DtpStartDatum->setCalendarPopup(true);
    DtpStartZeit = new QTimeEdit(s);
    DtpStartZeit->setObjectName(QStringLiteral("DtpStartZeit"));
    LblStartDatum->setBuddy(DtpStartDatum);
    LblStartZeit->setBuddy(DtpStartZeit);
    Platzieren(g, LblStartDatum, DtpStartDatum, 4, 0);
    Platzieren(g, LblStartZeit, DtpStartZeit, 4, 1);
    // The duration text ("1 Tage 12 Std 0 Min 0.000 Sek") needs the whole width.
    Platzieren(g, Beschriftung(LbeMessdauer), LbeMessdauer, 5, 0, 3);

    LblPrbSpeicher = new QLabel(s);
    LblPrbSpeicher->setObjectName(QStringLiteral("LblPrbSpeicher"));
    PrbSpeicher = new QProgressBar(s);
    PrbSpeicher->setObjectName(QStringLiteral("PrbSpeicher"));
    PrbSpeicher->setRange(0, 100);
    PrbSpeicher->setValue(0);
    LblPrbSpeicher->setBuddy(PrbSpeicher);
    BtnAuftragNeu = Knopf("BtnAuftragNeu", "DateiNeu", s);
    BtnAuftragSpeichern = Knopf("BtnAuftragSpeichern", "DateiSpeichern", s);
    BtnAuftragSenden = Knopf("BtnAuftragSenden", "ScrollRechts", s);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(PrbSpeicher, 1);
    knoepfe->addWidget(BtnAuftragNeu);
    knoepfe->addWidget(BtnAuftragSpeichern);
    knoepfe->addWidget(BtnAuftragSenden);
    g->addWidget(LblPrbSpeicher, 12, 0, 1, 3);
    g->addLayout(knoepfe, 13, 0, 1, 3);
    g->setRowStretch(14, 1);
    return s;
}

QWidget* TMessInfoForm::ReihenSeite() {
    auto* s = new QWidget;
    s->setObjectName(QStringLiteral("TabMessreihen"));
    auto* v = new QVBoxLayout(s);
    auto* g = new QGridLayout;
    g->setVerticalSpacing(1);
    LblMessreihenName = new QLabel(s);
    LblMessreihenName->setObjectName(QStringLiteral("LblMessreihenName"));
    CmbMessreihenName = new QComboBox(s);
    CmbMessreihenName->setObjectName(QStringLiteral("CmbMessreihenName"));
    CmbMessreihenName->setEditable(false);
    LblMessreihenName->setBuddy(CmbMessreihenName);
    BtnReiheName = Knopf("BtnReiheName", "GraphEigenschaften", s);
    ChkAktiv = new QCheckBox(s);
    ChkAktiv->setObjectName(QStringLiteral("ChkAktiv"));
    auto* reihe = new QHBoxLayout;
    reihe->addWidget(CmbMessreihenName, 1);
    reihe->addWidget(BtnReiheName);
    reihe->addSpacing(8);
    reihe->addWidget(ChkAktiv);
    g->addWidget(LblMessreihenName, 0, 0, 1, 4);
    g->addLayout(reihe, 1, 0, 1, 4);

    LblKanal = new QLabel(s);
    LblKanal->setObjectName(QStringLiteral("LblKanal"));
    g->addWidget(LblKanal, 2, 0, 1, 4);

    LbeAbstand = Feld("LbeAbstand", s);
    LbeAnzahl = Feld("LbeAnzahl", s);
    LbeMesskonstante = Feld("LbeMesskonstante", s);
    LbeNullwert = Feld("LbeNullwert", s);
    g->addWidget(Beschriftung(LbeAbstand), 3, 0);
    g->addWidget(LbeAbstand, 4, 0);
    g->addWidget(Beschriftung(LbeAnzahl), 3, 1);
    g->addWidget(LbeAnzahl, 4, 1);
    g->addWidget(Beschriftung(LbeMesskonstante), 3, 2);
    g->addWidget(LbeMesskonstante, 4, 2);
    g->addWidget(Beschriftung(LbeNullwert), 3, 3);
    g->addWidget(LbeNullwert, 4, 3);

    LblEinheit = new QLabel(s);
    LblEinheit->setObjectName(QStringLiteral("LblEinheit"));
    CmbEinheit = new QComboBox(s);
    CmbEinheit->setObjectName(QStringLiteral("CmbEinheit"));
    CmbEinheit->setEditable(false);
    LblEinheit->setBuddy(CmbEinheit);
    BtnEinheit = Knopf("BtnEinheit", "Einstellungen", s);
    auto* einheit = new QHBoxLayout;
    einheit->addWidget(LblEinheit);
    einheit->addWidget(CmbEinheit, 1);
    einheit->addWidget(BtnEinheit);
    g->addLayout(einheit, 5, 0, 1, 4);
    v->addLayout(g);

    LblVGrWerte = new QLabel(s);
    LblVGrWerte->setObjectName(QStringLiteral("LblVGrWerte"));
    WerteModell = new TWerteModell(this);
    VGrWerte = new TWerteTabelle(s);
    VGrWerte->setObjectName(QStringLiteral("VGrWerte"));
    VGrWerte->setModel(WerteModell);
    // The given widths, or the width of a typical cell where the font needs more.
    const int breiten[] = {32, 65, 75, 125};
    const QString muster[] = {QStringLiteral("000000"), QStringLiteral("00.00.0000"),
                              QStringLiteral("00:00:00.000"), QString()};
    for (int i = 0; i < 4; ++i) {
        VGrWerte->setColumnWidth(i,
                                 qMax(breiten[i], fontMetrics().horizontalAdvance(muster[i]) + 10));
    }
    LblVGrWerte->setBuddy(VGrWerte);
    v->addWidget(LblVGrWerte);
    v->addWidget(VGrWerte, 1);
    return s;
}

void TMessInfoForm::Aktualisieren() {
    TSprachTexte& t = FApp.Texte;
    setWindowTitle(t.MessInfoText);
    const auto text = [&](const char* schluessel) {
        const QString* s = t.Suchen(QString::fromLatin1(schluessel));
        return s ? *s : QString();
    };
    // Labelled fields: caption on the label, the hint on both.
    const std::pair<QLineEdit*, const char*> felder[] = {
        {LbeMessdatei, "LbeMessdatei"},
        {LbeGeraetName, "LbeGeraetName"},
        {LbeVarekSNr, "LbeVarekSNr"},
        {LbeVersion, "LbeVersion"},
        {LbeSerienNummer, "LbeSerienNummer"},
        {LbeFirmware, "LbeFirmware"},
        {LbeSpeicher, "LbeSpeicher"},
        {LbeKanalAnzahl, "LbeKanalAnzahl"},
        {LbeTakt, "LbeTakt"},
        {LbeTeiler, "LbeTeiler"},
        {LbeMessfrequenz, "LbeMessfrequenz"},
        {LbeMessTakt, "LbeMessTakt"},
        {LbeDatum, "LbeDatum"},
        {LbeZeit, "LbeZeit"},
        {LbeAuftragName, "LbeAuftragName"},
        {LbeNummer, "LbeNummer"},
        {LbeFirma, "LbeAuftragFirma"},
        {LbeAbteilung, "LbeAuftragAbteilung"},
        {LbeBearbeiter, "LbeAuftragBearbeiter"},
        {LbeKommentar, "LbeKommentar"},
        {LbeAnzahlReihen, "LbeAnzahlReihen"},
        {LbeMessTakte, "LbeMessTakte"},
        {LbeAbstandZeitstempel, "LbeAbstandZeitstempel"},
        {LbeMessdauer, "LbeMessDauer"},
        {LbeAbstand, "LbeAbstand"},
        {LbeAnzahl, "LbeAnzahl"},
        {LbeMesskonstante, "LbeMesskonstante"},
        {LbeNullwert, "LbeNullwert"},
    };
    for (const auto& [feld, schluessel] : felder) {
        const QByteArray s(schluessel);
        const QString hint = text(s + "Hint");
        Beschriftung(feld)->setText(text(s + "Caption"));
        Beschriftung(feld)->setToolTip(hint);
        feld->setToolTip(hint);
    }
    // Other controls: (control, caption key, hint key).
    const std::tuple<QWidget*, const char*, const char*> andere[] = {
        {BtnMessdateiAuswahl, nullptr, "LbeMessdateiAuswahlHint"},
        {LblVGrKanalInfo, "LblVGrKanalInfoCaption", "VGrKanalInfoHint"},
        {VGrKanalInfo, nullptr, "VGrKanalInfoHint"},
        {LblStartDatum, "LblStartDatumCaption", "DtpStartDatumHint"},
        {DtpStartDatum, nullptr, "DtpStartDatumHint"},
        {LblStartZeit, "LblStartZeitCaption", "DtpStartZeitHint"},
        {DtpStartZeit, nullptr, "DtpStartZeitHint"},
        {LblPrbSpeicher, "LblPrbSpeicherCaption", "PrbSpeicherHint"},
        {PrbSpeicher, nullptr, "PrbSpeicherHint"},
        {BtnAuftragNeu, nullptr, "BtnAuftragNeuHint"},
        {BtnAuftragSpeichern, nullptr, "BtnAuftragSpeichernHint"},
        {BtnAuftragSenden, nullptr, "BtnAuftragSendenHint"},
        {LblMessreihenName, "LblMessreihenNameCaption", "CmbMessreihenNameHint"},
        {CmbMessreihenName, nullptr, "CmbMessreihenNameHint"},
        {BtnReiheName, nullptr, "BtnReiheNameHint"},
        {ChkAktiv, "ChkAktivCaption", "ChkAktivHint"},
        {LblKanal, nullptr, "VGrKanalInfoHint"},
        {LblEinheit, "LbeEinheitCaption", "LbeEinheitHint"},
        {CmbEinheit, nullptr, "LbeEinheitHint"},
        {BtnEinheit, nullptr, "LbeEinheitHint"},
        {LblVGrWerte, "LblVGrWerteCaption", nullptr},
        {BtnAbbrechen, "BtnAuftragAbbrechenCaption", "BtnAuftragAbbrechenHint"},
        {BtnHilfe, "BtnAuftragHilfeCaption", "BtnAuftragHilfeHint"},
    };
    for (const auto& [w, caption, hint] : andere) {
        if (caption) {
            if (auto* l = qobject_cast<QLabel*>(w)) {
                l->setText(text(caption));
            } else if (auto* c = qobject_cast<QCheckBox*>(w)) {
                c->setText(text(caption));
            } else if (auto* b = qobject_cast<QPushButton*>(w)) {
                b->setText(text(caption));
            }
        }
        if (hint) {
            w->setToolTip(text(hint));
        }
    }
    const std::tuple<QWidget*, QString*, QString*> seiten[] = {
        {TabGeraet, &t.TabGeraetCaption, &t.TabGeraetHint},
        {TabMessauftrag, &t.TabMessauftragCaption, &t.TabMessauftragHint},
        {TabMessreihen, &t.TabMessreiheCaption, &t.TabMessreiheHint}};
    for (const auto& [seite, caption, hint] : seiten) {
        const int i = Seiten->indexOf(seite);
        Seiten->setTabText(i, *caption);
        Seiten->setTabToolTip(i, *hint);
    }
    VGrKanalInfo->setHorizontalHeaderLabels({t.VGrKanalInfoNrText, t.VGrKanalInfoTypText,
                                             t.VGrKanalInfoAufloesungText,
                                             t.VGrKanalInfoAbstandText});
}

void TMessInfoForm::FormularEinstellen(const QVector<bool>& flags) {
    TMessDatei& d = FApp.ArbeitsDatei;
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
    const TMessDatei& d = FApp.ArbeitsDatei;
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
