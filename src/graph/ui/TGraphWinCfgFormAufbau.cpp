// The layout of the graph properties dialog: three tabs and the row of buttons.
#include "graph/ui/TFarbListe.h"
#include "graph/ui/TGraphWinCfgForm.h"
#include "graph/ui/TStilListe.h"
#include "graph/ui/TWerteGrid.h"
#include "graph/ui/TZahlenFeld.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

namespace {

// A caption above a list, as the labelled fields have it.
QWidget* MitBeschriftung(QWidget* eltern, QWidget* liste, const char* name) {
    auto* block = new QWidget(eltern);
    auto* spalte = new QVBoxLayout(block);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(2);
    auto* beschriftung = new QLabel(block);
    beschriftung->setObjectName(QLatin1String(name));
    beschriftung->setBuddy(liste);
    spalte->addWidget(beschriftung);
    spalte->addWidget(liste);
    return block;
}

// The pictures of the three curve buttons: a green plus (new), a pen stroke under "A"
// (rename) and a red cross (delete).
QIcon Symbol(int art) {
    QPixmap bild(16, 16);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    if (art == 0) {
        maler.setPen(QPen(QColor(0, 128, 0), 3));
        maler.drawLine(QPointF(8, 2), QPointF(8, 14));
        maler.drawLine(QPointF(2, 8), QPointF(14, 8));
    } else if (art == 1) {
        QFont schrift = maler.font();
        schrift.setPixelSize(11);
        schrift.setBold(true);
        maler.setFont(schrift);
        maler.setPen(Qt::black);
        maler.drawText(QRect(0, 0, 16, 12), Qt::AlignCenter, QStringLiteral("A"));
        maler.setPen(QPen(QColor(0, 0, 160), 2));
        maler.drawLine(QPointF(2, 14), QPointF(14, 14));
    } else {
        maler.setPen(QPen(QColor(192, 0, 0), 3));
        maler.drawLine(QPointF(3, 3), QPointF(13, 13));
        maler.drawLine(QPointF(13, 3), QPointF(3, 13));
    }
    return QIcon(bild);
}

template <typename T> T* Benannt(T* w, const char* name) {
    w->setObjectName(QLatin1String(name));
    return w;
}

} // namespace

void TGraphWinCfgForm::Aufbauen() {
    PageControl = new QTabWidget(this);
    TabAllgemein = AllgemeinAufbauen();
    TabAchsen = AchsenAufbauen();
    TabKurven = KurvenAufbauen();
    PageControl->addTab(TabAllgemein, QString());
    PageControl->addTab(TabAchsen, QString());
    PageControl->addTab(TabKurven, QString());

    BtnSpeichern = Benannt(new QPushButton(this), "BtnSpeichern");
    BtnDefault = Benannt(new QPushButton(this), "BtnDefault");
    BtnAbbrechen = Benannt(new QPushButton(this), "BtnAbbrechen");
    BtnHilfe = Benannt(new QPushButton(this), "BtnHilfe");
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    for (QPushButton* k : {BtnSpeichern, BtnDefault, BtnAbbrechen, BtnHilfe}) {
        k->setAutoDefault(false);
        knoepfe->addWidget(k);
    }
    auto* aufbau = new QVBoxLayout(this);
    aufbau->addWidget(PageControl, 1);
    aufbau->addLayout(knoepfe);
}

QWidget* TGraphWinCfgForm::AllgemeinAufbauen() {
    auto* tab = new QWidget;
    auto* raster = new QGridLayout(tab);
    LbeDiagrammTitel = Benannt(new TZahlenFeld(TZahlenFeld::TArt::Text, tab), "LbeDiagrammTitel");
    LbeDiagrammFuss = Benannt(new TZahlenFeld(TZahlenFeld::TArt::Text, tab), "LbeDiagrammFuss");
    raster->addWidget(LbeDiagrammTitel, 0, 0, 1, 2);
    raster->addWidget(LbeDiagrammFuss, 1, 0, 1, 2);
    CmbRahmen = Benannt(new TFarbListe(FBenutzer, tab), "CmbRahmen");
    CmbHintergrund = Benannt(new TFarbListe(FBenutzer, tab), "CmbHintergrund");
    CmbSchriftfarbe = Benannt(new TFarbListe(FBenutzer, tab), "CmbSchriftfarbe");
    CmbMarkerFarbe = Benannt(new TFarbListe(FBenutzer, tab), "CmbMarkerFarbe");
    CmbMarkerStil = Benannt(new TStilListe(TStilListe::TArt::Linie, tab), "CmbMarkerStil");
    raster->addWidget(MitBeschriftung(tab, CmbRahmen, "LblRahmen"), 2, 0);
    raster->addWidget(MitBeschriftung(tab, CmbHintergrund, "LblHintergrund"), 2, 1);
    raster->addWidget(MitBeschriftung(tab, CmbSchriftfarbe, "LblSchriftFarbe"), 3, 0);
    raster->addWidget(MitBeschriftung(tab, CmbMarkerFarbe, "LblMarkerFarbe"), 4, 0);
    raster->addWidget(MitBeschriftung(tab, CmbMarkerStil, "LblMarkerStil"), 4, 1);
    ChkLegende = Benannt(new QCheckBox(tab), "ChkLegende");
    raster->addWidget(ChkLegende, 5, 0);
    raster->setRowStretch(6, 1);
    raster->setColumnStretch(0, 1);
    raster->setColumnStretch(1, 1);
    return tab;
}

QWidget* TGraphWinCfgForm::AchsenAufbauen() {
    auto* tab = new QWidget;
    auto* raster = new QGridLayout(tab);
    GrbAchsen = Benannt(new QGroupBox(tab), "GrbAchsen");
    auto* knoepfe = new QHBoxLayout(GrbAchsen);
    ChkLinks = Benannt(new QRadioButton(GrbAchsen), "ChkLinks");
    ChkUnten = Benannt(new QRadioButton(GrbAchsen), "ChkUnten");
    ChkRechts = Benannt(new QRadioButton(GrbAchsen), "ChkRechts");
    for (QRadioButton* r : {ChkLinks, ChkUnten, ChkRechts}) {
        knoepfe->addWidget(r);
    }
    raster->addWidget(GrbAchsen, 0, 0, 1, 3);

    LbeAchsenTitel = Benannt(new TZahlenFeld(TZahlenFeld::TArt::Text, tab), "LbeAchsenTitel");
    raster->addWidget(LbeAchsenTitel, 1, 0, 1, 2);
    auto* einheit = new QWidget(tab);
    auto* zeile = new QHBoxLayout(einheit);
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->setSpacing(2);
    CmbEinheit = Benannt(new QComboBox(einheit), "CmbEinheit");
    BtnEinheit = Benannt(new QToolButton(einheit), "BtnEinheit");
    BtnEinheit->setText(QStringLiteral("..."));
    zeile->addWidget(CmbEinheit, 1);
    zeile->addWidget(BtnEinheit);
    raster->addWidget(MitBeschriftung(tab, einheit, "LblEinheit"), 1, 2);

    using A = TZahlenFeld::TArt;
    LbeMinimum = Benannt(new TZahlenFeld(A::ZahlMitPfeilen, tab), "LbeMinimum");
    LbeMaximum = Benannt(new TZahlenFeld(A::ZahlMitPfeilen, tab), "LbeMaximum");
    LbeGitterAbstand = Benannt(new TZahlenFeld(A::ZahlMitPfeilen, tab), "LbeGitterAbstand");
    raster->addWidget(LbeMinimum, 2, 0);
    raster->addWidget(LbeMaximum, 2, 1);
    raster->addWidget(LbeGitterAbstand, 2, 2);
    ChkMinMaxAuto = Benannt(new QCheckBox(tab), "ChkMinMaxAuto");
    ChkGitterAuto = Benannt(new QCheckBox(tab), "ChkGitterAuto");
    raster->addWidget(ChkMinMaxAuto, 3, 0, 1, 2);
    raster->addWidget(ChkGitterAuto, 3, 2);
    CmbGitterFarbe = Benannt(new TFarbListe(FBenutzer, tab), "CmbGitterFarbe");
    CmbGitterStil = Benannt(new TStilListe(TStilListe::TArt::Linie, tab), "CmbGitterStil");
    raster->addWidget(MitBeschriftung(tab, CmbGitterFarbe, "LblGitterFarbe"), 4, 0, 1, 2);
    raster->addWidget(MitBeschriftung(tab, CmbGitterStil, "LblGitterStil"), 4, 2);
    raster->setRowStretch(5, 1);
    for (int s = 0; s < 3; ++s) {
        raster->setColumnStretch(s, 1);
    }
    return tab;
}

QWidget* TGraphWinCfgForm::KurvenAufbauen() {
    auto* tab = new QWidget;
    auto* aussen = new QHBoxLayout(tab);
    auto* links = new QGridLayout;
    aussen->addLayout(links, 1);

    auto* auswahl = new QWidget(tab);
    auto* zeile = new QHBoxLayout(auswahl);
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->setSpacing(2);
    CmbKurven = Benannt(new QComboBox(auswahl), "CmbKurven");
    zeile->addWidget(CmbKurven, 1);
    BtnKurveNeu = Benannt(new QToolButton(auswahl), "BtnKurveNeu");
    BtnKurveName = Benannt(new QToolButton(auswahl), "BtnKurveName");
    BtnKurveLoeschen = Benannt(new QToolButton(auswahl), "BtnKurveLoeschen");
    BtnKurveNeu->setIcon(Symbol(0));
    BtnKurveName->setIcon(Symbol(1));
    BtnKurveLoeschen->setIcon(Symbol(2));
    for (QToolButton* k : {BtnKurveNeu, BtnKurveName, BtnKurveLoeschen}) {
        zeile->addWidget(k);
    }
    links->addWidget(MitBeschriftung(tab, auswahl, "LblKurve"), 0, 0, 1, 2);

    ChkSichtbar = Benannt(new QCheckBox(tab), "ChkSichtbar");
    ChkAchseRechts = Benannt(new QCheckBox(tab), "ChkAchseRechts");
    ChkPunkt = Benannt(new QCheckBox(tab), "ChkPunkt");
    ChkLinie = Benannt(new QCheckBox(tab), "ChkLinie");
    links->addWidget(ChkSichtbar, 1, 0);
    links->addWidget(ChkAchseRechts, 1, 1);
    links->addWidget(ChkPunkt, 2, 0);
    links->addWidget(ChkLinie, 2, 1);

    CmbPunktFarbe = Benannt(new TFarbListe(FBenutzer, tab), "CmbPunktFarbe");
    CmbLinieFarbe = Benannt(new TFarbListe(FBenutzer, tab), "CmbLinieFarbe");
    CmbPunktStil = Benannt(new TStilListe(TStilListe::TArt::Punkt, tab), "CmbPunktStil");
    CmbLinieStil = Benannt(new TStilListe(TStilListe::TArt::Linie, tab), "CmbLinieStil");
    links->addWidget(MitBeschriftung(tab, CmbPunktFarbe, "LblPunktFarbe"), 3, 0);
    links->addWidget(MitBeschriftung(tab, CmbLinieFarbe, "LblLinieFarbe"), 3, 1);
    links->addWidget(MitBeschriftung(tab, CmbPunktStil, "LblPunktStil"), 4, 0);
    links->addWidget(MitBeschriftung(tab, CmbLinieStil, "LblLinieStil"), 4, 1);

    using A = TZahlenFeld::TArt;
    LbePunktBreite = Benannt(new TZahlenFeld(A::ZahlMitPfeilen, tab), "LbePunktBreite");
    LbeLinieBreite = Benannt(new TZahlenFeld(A::ZahlMitPfeilen, tab), "LbeLinieBreite");
    LbeStart = Benannt(new TZahlenFeld(A::ZahlMitPfeilen, tab), "LbeStart");
    LbeIntervall = Benannt(new TZahlenFeld(A::ZahlMitPfeilen, tab), "LbeIntervall");
    LbeOffset = Benannt(new TZahlenFeld(A::ZahlMitPfeilen, tab), "LbeOffset");
    LbeFaktor = Benannt(new TZahlenFeld(A::ZahlMitPfeilen, tab), "LbeFaktor");
    links->addWidget(LbePunktBreite, 5, 0);
    links->addWidget(LbeLinieBreite, 5, 1);
    links->addWidget(LbeStart, 6, 0);
    links->addWidget(LbeIntervall, 6, 1);
    links->addWidget(LbeOffset, 7, 0);
    links->addWidget(LbeFaktor, 7, 1);
    links->setRowStretch(8, 1);

    ValGrid = Benannt(new TWerteGrid(FBenutzer, FTexte, tab), "ValGrid");
    // Wide enough for a date and time as a day number with all its digits.
    ValGrid->setMinimumWidth(330);
    aussen->addWidget(ValGrid, 1);
    return tab;
}
