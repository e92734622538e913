// The job dialog's pages, controls and texts.
#include "catalogue/GeraeteKatalog.h"
#include "measurement/TWerteModell.h"
#include "measurement/ui/TMessInfoForm.h"
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

QToolButton* Knopf(const char* name, const char* symbol, QWidget* eltern) {
    auto* b = new QToolButton(eltern);
    b->setObjectName(QLatin1String(name));
    b->setIcon(TSymbole::Symbol(QLatin1String(symbol)));
    b->setAutoRaise(true);
    return b;
}

} // namespace

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
