#include "shell/ui/TMainCfgHardware.h"

#include "shell/DatumZeit.h"
#include "shell/Konfiguration.h"
#include "shell/Meldungen.h"
#include "shell/Nachricht.h"
#include "shell/TAppConst.h"
#include "shell/TSprachTexte.h"
#include "shell/Uhr.h"
#include "shell/UhrText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

const QStringList kBaudraten = {QStringLiteral("300"),   QStringLiteral("600"),
                                QStringLiteral("1200"),  QStringLiteral("2400"),
                                QStringLiteral("4800"),  QStringLiteral("9600"),
                                QStringLiteral("19200"), QStringLiteral("38400"),
                                QStringLiteral("57600"), QStringLiteral("115200")};

QLineEdit* Anzeige(QWidget* eltern, const char* name) {
    auto* feld = new QLineEdit(eltern);
    feld->setObjectName(QLatin1String(name));
    feld->setEnabled(false);
    return feld;
}

// "ttyUSB0 - FTDI USB Serial (FTDI, A12345)": what the system tells about a port.
QString PortText(const TSeriellerPortInfo& p) {
    QStringList zusatz;
    for (const QString& s : {p.Hersteller, p.SerienNummer}) {
        if (!s.isEmpty()) {
            zusatz.append(s);
        }
    }
    QString text = p.Pfad;
    if (!p.Beschreibung.isEmpty()) {
        text += QStringLiteral(" - ") + p.Beschreibung;
    }
    if (!zusatz.isEmpty()) {
        text += QStringLiteral(" (") + zusatz.join(QStringLiteral(", ")) + u')';
    }
    return text;
}

} // namespace

TMainCfgHardware::TMainCfgHardware(TAppConst& appConst, const TSprachTexte& texte,
                                   TBenutzer& benutzer, TMainCfgDienste& dienste, QWidget* eltern)
    : QWidget(eltern), FAppConst(appConst), FTexte(texte), FBenutzer(benutzer), FDienste(dienste) {
    auto* raster = new QGridLayout(this);
    LblGeraet = new QLabel(this);
    CmbGeraet = new QComboBox(this);
    CmbGeraet->setObjectName(QStringLiteral("CmbGeraet"));
    LblPort = new QLabel(this);
    CmbPort = new QComboBox(this);
    CmbPort->setObjectName(QStringLiteral("CmbPort"));
    CmbPort->addItems({QStringLiteral("Com1"), QStringLiteral("Com2"), QStringLiteral("Com3"),
                       QStringLiteral("Com4")});
    LblPortGeraet = new QLabel(this);
    CmbPortGeraet = new QComboBox(this);
    CmbPortGeraet->setObjectName(QStringLiteral("CmbPortGeraet"));
    CmbPortGeraet->setEditable(true);
    CmbPortGeraet->setInsertPolicy(QComboBox::NoInsert);
    CmbPortGeraet->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    CmbPortGeraet->setMinimumContentsLength(28);
    ChkLogFile = new QCheckBox(this);
    ChkLogFile->setObjectName(QStringLiteral("ChkLogFile"));

    raster->addWidget(LblGeraet, 0, 0);
    raster->addWidget(CmbGeraet, 0, 1, 1, 3);
    raster->addWidget(LblPort, 1, 0);
    raster->addWidget(CmbPort, 1, 1);
    raster->addWidget(LblPortGeraet, 1, 2);
    raster->addWidget(CmbPortGeraet, 1, 3);
    raster->addWidget(ChkLogFile, 2, 1, 1, 3);

    // The selected device's line settings and clock: shown, not edited.
    auto* gruppe = new QGroupBox(this);
    auto* g = new QGridLayout(gruppe);
    LblBaud = new QLabel(gruppe);
    CmbBaud = new QComboBox(gruppe);
    CmbBaud->setObjectName(QStringLiteral("CmbBaud"));
    CmbBaud->addItems(kBaudraten);
    CmbBaud->setEnabled(false);
    LblSerNr = new QLabel(gruppe);
    LbeSerNr = Anzeige(gruppe, "LbeSerNr");
    LblParity = new QLabel(gruppe);
    LbeParity = Anzeige(gruppe, "LbeParity");
    LblStopBits = new QLabel(gruppe);
    LbeStopBits = Anzeige(gruppe, "LbeStopBits");
    LblDataBits = new QLabel(gruppe);
    LbeDataBits = Anzeige(gruppe, "LbeDataBits");
    LblDatumUhr = new QLabel(gruppe);
    LbeDatumUhr = Anzeige(gruppe, "LbeDatumUhr");
    ChkAutoStart = new QCheckBox(gruppe);
    ChkAutoStart->setEnabled(false);
    ChkAutoAus = new QCheckBox(gruppe);
    ChkAutoAus->setEnabled(false);
    BtnUhrzeitLesen = new QToolButton(gruppe);
    BtnUhrzeitLesen->setObjectName(QStringLiteral("BtnUhrzeitLesen"));
    BtnUhrzeitLesen->setText(QStringLiteral("<"));
    BtnUhrzeitSetzen = new QToolButton(gruppe);
    BtnUhrzeitSetzen->setObjectName(QStringLiteral("BtnUhrzeitSetzen"));
    BtnUhrzeitSetzen->setText(QStringLiteral(">"));
    BtnAktualisieren = new QToolButton(gruppe);
    BtnAktualisieren->setObjectName(QStringLiteral("BtnAktualisieren"));
    BtnAktualisieren->setText(QStringLiteral("↻"));

    g->addWidget(LblSerNr, 0, 0);
    g->addWidget(LbeSerNr, 0, 1);
    g->addWidget(LblBaud, 0, 2);
    g->addWidget(CmbBaud, 0, 3);
    g->addWidget(LblParity, 1, 0);
    g->addWidget(LbeParity, 1, 1);
    g->addWidget(LblStopBits, 1, 2);
    g->addWidget(LbeStopBits, 1, 3);
    g->addWidget(LblDataBits, 2, 0);
    g->addWidget(LbeDataBits, 2, 1);
    g->addWidget(ChkAutoStart, 2, 2, 1, 2);
    g->addWidget(ChkAutoAus, 3, 2, 1, 2);
    g->addWidget(LblDatumUhr, 4, 0);
    auto* uhr = new QHBoxLayout;
    uhr->addWidget(LbeDatumUhr, 1);
    uhr->addWidget(BtnUhrzeitLesen);
    uhr->addWidget(BtnUhrzeitSetzen);
    uhr->addWidget(BtnAktualisieren);
    g->addLayout(uhr, 4, 1, 1, 3);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    raster->addWidget(gruppe, 3, 0, 1, 4);
    raster->setColumnStretch(3, 1);
    raster->setRowStretch(4, 1);

    connect(CmbGeraet, &QComboBox::activated, this,
            [this](int index) { emit GeraetGewaehlt(CmbGeraet->itemText(index)); });
    connect(CmbPort, &QComboBox::currentIndexChanged, this, [this](int index) {
        PortGeraetUebernehmen();
        FPortNr = index + 1;
        PortGeraeteFuellen();
    });
    connect(CmbPortGeraet, &QComboBox::activated, this, [this] { PortGeraetUebernehmen(); });
    connect(CmbPortGeraet->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { PortGeraetUebernehmen(); });
    connect(BtnUhrzeitLesen, &QToolButton::clicked, this, &TMainCfgHardware::BtnUhrzeitLesenClick);
    connect(BtnUhrzeitSetzen, &QToolButton::clicked, this,
            &TMainCfgHardware::BtnUhrzeitSetzenClick);
    Aktualisieren();
}

void TMainCfgHardware::Aktualisieren() {
    const TSprachTexte& t = FTexte;
    LblGeraet->setText(t.LblGeraetCaption);
    CmbGeraet->setToolTip(t.CmbGeraetHint);
    LblPort->setText(t.LblPortCaption);
    CmbPort->setToolTip(t.CmbPortHint);
    LblPortGeraet->setText(t.LblPortGeraetCaption);
    CmbPortGeraet->setToolTip(t.CmbPortGeraetHint);
    ChkLogFile->setText(t.ChkLogFileCaption);
    ChkLogFile->setToolTip(t.ChkLogFileHint);
    LblBaud->setText(t.LblBaudCaption);
    CmbBaud->setToolTip(t.CmbBaudHint);
    LblSerNr->setText(t.LbeSerNrEditLabelCaption);
    LbeSerNr->setToolTip(t.LbeSerNrHint);
    LblParity->setText(t.LbeParityEditLabelCaption);
    LbeParity->setToolTip(t.LbeParityHint);
    LblStopBits->setText(t.LbeStopBitsEditLabelCaption);
    LbeStopBits->setToolTip(t.LbeStopBitsHint);
    LblDataBits->setText(t.LbeDataBitsEditLabelCaption);
    LbeDataBits->setToolTip(t.LbeDataBitsHint);
    LblDatumUhr->setText(t.LbeDatumUhrEditLabelCaption);
    LbeDatumUhr->setToolTip(t.LbeDatumUhrHint);
    BtnUhrzeitLesen->setToolTip(t.BtnUhrzeitLesenHint);
    BtnUhrzeitSetzen->setToolTip(t.BtnUhrzeitSetzenHint);
    ChkAutoStart->setText(t.ChkAutoStartCaption);
    ChkAutoStart->setToolTip(t.ChkAutoStartHint);
    ChkAutoAus->setText(t.ChkAutoAusCaption);
    ChkAutoAus->setToolTip(t.ChkAutoAusHint);
    BtnAktualisieren->setToolTip(t.BtnAktualisierenHint);
    // The line settings and the clock stay shown only until the clock has been read.
    LbeDatumUhr->setEnabled(false);
}

void TMainCfgHardware::HardwareLesen() {
    const TAppConst& a = FAppConst;
    const TGeraeteWerte g = FDienste.GeraetWerte ? FDienste.GeraetWerte() : TGeraeteWerte{};
    CmbGeraet->clear();
    CmbGeraet->addItems(a.GeraeteListe);
    CmbGeraet->setCurrentIndex(int(a.GeraeteListe.indexOf(a.Geraet)));
    FPortGeraete = a.PortGeraete;
    FPortNr = a.SeriellePortNr;
    {
        const QSignalBlocker sperre(CmbPort);
        CmbPort->setCurrentIndex(a.SeriellePortNr - 1);
    }
    PortGeraeteFuellen();
    ChkLogFile->setChecked(a.LogFile);
    LbeSerNr->setText(g.SerNr);
    CmbBaud->setCurrentIndex(int(kBaudraten.indexOf(QString::number(g.Baud))));
    const QString paritaet[3] = {FTexte.ParityText10, FTexte.ParityText11, FTexte.ParityText12};
    // A parity the list has no word for is shown as its number, so that it is not lost.
    LbeParity->setText(g.Parity <= 2 ? paritaet[g.Parity] : QString::number(g.Parity));
    LbeStopBits->setText(QString::number(g.StopBits));
    LbeDataBits->setText(QString::number(g.DatenBits));
    ChkAutoStart->setChecked(g.AutoStart);
    ChkAutoAus->setChecked(g.AutoAus);
    LbeDatumUhr->setText(DatumZeit::Formatieren(a.ZeitDatumsformat, Uhr::Jetzt()));
}

void TMainCfgHardware::HardwareSetzen() {
    TAppConst& a = FAppConst;
    // With no entry selected (a type the catalogue lacks) the configured name stays.
    if (CmbGeraet->currentIndex() >= 0) {
        a.Geraet = CmbGeraet->currentText();
    }
    a.SeriellePortNr = CmbPort->currentIndex() + 1;
    a.LogFile = ChkLogFile->isChecked();
    PortGeraetUebernehmen();
    a.PortGeraete = FPortGeraete;
    if (!FDienste.GeraetWerte || !FDienste.GeraetWerteSetzen) {
        return;
    }
    TGeraeteWerte g = FDienste.GeraetWerte();
    // A baud rate the list does not hold stays as the catalogue has it.
    if (CmbBaud->currentIndex() >= 0) {
        g.Baud = CmbBaud->currentText().toInt();
    }
    const QString worte[3] = {FTexte.ParityText10, FTexte.ParityText11, FTexte.ParityText12};
    bool ok = false;
    const int zahl = LbeParity->text().toInt(&ok);
    g.Parity = ok ? quint8(zahl) : 0;
    for (quint8 i = 0; i < 3; ++i) {
        if (LbeParity->text() == worte[i]) {
            g.Parity = i;
        }
    }
    g.StopBits = quint8(LbeStopBits->text().toUInt());
    g.DatenBits = quint8(LbeDataBits->text().toUInt());
    g.AutoAus = ChkAutoAus->isChecked();
    g.AutoStart = ChkAutoStart->isChecked();
    FDienste.GeraetWerteSetzen(g);
}

void TMainCfgHardware::PortGeraeteFuellen() {
    const QSignalBlocker sperre(CmbPortGeraet);
    CmbPortGeraet->clear();
    TAppConst mitAuswahl;
    mitAuswahl.PortGeraete = FPortGeraete;
    const QString gewaehlt = PortGeraet(mitAuswahl, FPortNr);
    const QList<TSeriellerPortInfo> vorhanden =
        FDienste.PortsVorhanden ? FDienste.PortsVorhanden() : QList<TSeriellerPortInfo>{};
    bool dabei = false;
    for (const TSeriellerPortInfo& p : vorhanden) {
        CmbPortGeraet->addItem(PortText(p), p.Pfad);
        dabei = dabei || p.Pfad == gewaehlt;
    }
    if (!dabei) {
        // Typed by hand (a pseudo-terminal the system does not list), or a port that went:
        // shown as such at the top, never dropped.
        const bool da = QFileInfo::exists(gewaehlt);
        CmbPortGeraet->insertItem(
            0, da ? gewaehlt : gewaehlt + QStringLiteral(" ") + FTexte.PortNichtVorhandenText,
            gewaehlt);
    }
    CmbPortGeraet->setCurrentIndex(CmbPortGeraet->findData(gewaehlt));
}

void TMainCfgHardware::PortGeraetUebernehmen() {
    // A chosen entry stands for its device path; a typed text is the path itself.
    const int index = CmbPortGeraet->currentIndex();
    QString pfad = CmbPortGeraet->currentText().trimmed();
    if (index >= 0 && pfad == CmbPortGeraet->itemText(index)) {
        pfad = CmbPortGeraet->itemData(index).toString();
    }
    if (!pfad.isEmpty()) {
        FPortGeraete[FPortNr] = pfad;
    }
}

void TMainCfgHardware::BtnUhrzeitLesenClick() {
    QString text;
    if (FDienste.UhrLesen) {
        FDienste.UhrLesen(text);
    }
    if (const auto wert = UhrText::AntwortLesen(text, Uhr::Jetzt())) {
        FAppConst.GeraetOnline = true;
        LbeDatumUhr->setEnabled(true);
        LbeDatumUhr->setText(DatumZeit::Formatieren(FAppConst.ZeitDatumsformat, *wert));
    } else if (!text.isEmpty()) {
        // Also the run's "-" (clock not read): the instrument does not count as online then.
        LbeDatumUhr->clear();
        if (text == QStringLiteral("-")) {
            FAppConst.GeraetOnline = false;
            LbeDatumUhr->setEnabled(false);
        }
        Nachricht(FBenutzer, FTexte, Meldung::ZeitDatumsfehler, text);
    } else {
        FAppConst.GeraetOnline = false;
        LbeDatumUhr->setEnabled(false);
    }
    if (FDienste.StatusBarSetzen) {
        FDienste.StatusBarSetzen();
    }
}

void TMainCfgHardware::BtnUhrzeitSetzenClick() {
    QString parameter;
    const QString feld = LbeDatumUhr->text();
    if (!feld.trimmed().isEmpty()) {
        const auto wert = UhrText::FeldLesen(feld, FAppConst.DatumsformatKurz,
                                             FAppConst.ZeitformatKurz, Uhr::Jetzt());
        if (wert) {
            parameter = UhrText::SetzenParameter(*wert);
        } else {
            Nachricht(FBenutzer, FTexte, Meldung::ZeitDatumsfehler, feld);
        }
    }
    if (FDienste.UhrSetzen) {
        FDienste.UhrSetzen(parameter);
    }
}
