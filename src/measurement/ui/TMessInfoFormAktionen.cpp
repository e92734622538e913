// The actions of the job dialog: picking a file, a new job, saving, sending, series
// selection and renaming, the typing filter, the field checks, the unit button and the
// start-date picker.
#include "measurement/MessDateiLeser.h"
#include "measurement/MessDateiSchreiber.h"
#include "measurement/ui/TMessInfoForm.h"

#include "catalogue/GeraeteKatalog.h"
#include "measurement/Auftrag.h"
#include "shell/DateiDialoge.h"
#include "shell/DatumZeit.h"
#include "shell/Eingabepruefung.h"
#include "shell/HilfeKontexte.h"
#include "shell/Meldungen.h"
#include "shell/TBenutzer.h"
#include "shell/TShellKontext.h"
#include "shell/Uhr.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QProgressBar>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>
#include <cmath>

namespace {

// The program's date and time patterns in the letters of Qt's pickers: letters without
// regard to case, "m" after an hour letter and "n" mean minutes.
QString PickerFormat(const QString& muster) {
    QString q;
    QChar letzter;
    for (qsizetype i = 0; i < muster.size();) {
        const QChar g = muster[i].toUpper();
        qsizetype n = 1;
        while (i + n < muster.size() && muster[i + n].toUpper() == g) {
            ++n;
        }
        QChar z = muster[i];
        if (g == u'M') {
            z = letzter == u'H' ? u'm' : u'M';
        } else if (g == u'N') {
            z = u'm';
        } else if (g == u'H') {
            z = u'H';
        } else if (g == u'D' || g == u'Y' || g == u'S' || g == u'Z') {
            z = g.toLower();
        }
        q += QString(n, z);
        if (g.isLetter()) {
            letzter = g == u'N' || (g == u'M' && letzter == u'H') ? QChar(u'H') : g;
        }
        i += n;
    }
    return q;
}

} // namespace

bool TMessInfoForm::Nachricht(const QString& text) {
    FApp.Nachricht(Meldung::Allgemein, text);
    return false;
}

void TMessInfoForm::Verbinden() {
    connect(BtnMessdateiAuswahl, &QToolButton::clicked, this,
            [this] { BtnMessdateiAuswahlClick(); });
    connect(BtnAuftragNeu, &QToolButton::clicked, this, [this] { BtnAuftragNeuClick(); });
    connect(BtnAuftragSpeichern, &QToolButton::clicked, this,
            [this] { BtnAuftragSpeichernClick(); });
    connect(BtnAuftragSenden, &QToolButton::clicked, this, [this] { BtnAuftragSendenClick(); });
    connect(BtnReiheName, &QToolButton::clicked, this, [this] { MessReiheUmbenennen(); });
    connect(BtnEinheit, &QToolButton::clicked, this, [this] { EinheitClick(); });
    connect(BtnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnHilfe, &QPushButton::clicked, this,
            [this] { FApp.Benutzer->HilfeZeigen(HilfeKontext::Einstellungen); });
    connect(CmbMessreihenName, &QComboBox::currentIndexChanged, this,
            [this](int i) { CmbMessReihenSelect(i); });
    connect(ChkAktiv, &QCheckBox::clicked, this, [this] { FAenderungen.Aktiv = true; });
    connect(LbeAnzahl, &QLineEdit::textChanged, this, [this] { FAenderungen.Anzahl = true; });
    connect(LbeAbstand, &QLineEdit::textChanged, this, [this] { FAenderungen.Abstand = true; });
    connect(LbeMessTakte, &QLineEdit::textChanged, this, [this] { FAenderungen.MessTakte = true; });
    for (QLineEdit* e : {LbeAbstandZeitstempel, LbeMessdauer}) {
        connect(e, &QLineEdit::textChanged, this,
                [this] { FAenderungen.AbstandZeitstempel = true; });
    }
    connect(DtpStartDatum, &QDateEdit::dateChanged, this, [this] { DtpStartDatumChange(); });
    DtpStartDatum->setDisplayFormat(PickerFormat(FApp.AppConst.DatumsformatKurz));
    DtpStartZeit->setDisplayFormat(PickerFormat(FApp.AppConst.ZeitformatKurz));
}

void TMessInfoForm::StartSetzen(double start) {
    const QDateTime t = DatumZeit::NachQDateTime(start);
    DtpStartDatum->blockSignals(true);
    DtpStartDatum->setDate(t.date());
    DtpStartDatum->blockSignals(false);
    DtpStartZeit->setTime(t.time());
}

double TMessInfoForm::StartHolen() const {
    const QDate d = DtpStartDatum->date();
    const QTime z = DtpStartZeit->time();
    const double tage = DatumZeit::Kodieren({d.year(), d.month(), d.day()}).value_or(0);
    const double zeit =
        DatumZeit::Kodieren({1899, 12, 30, z.hour(), z.minute(), z.second(), z.msec()}).value_or(0);
    return std::floor(tage) + zeit;
}

void TMessInfoForm::Berechnungen() {
    const TBerechnungen b = ::Berechnungen(FArbeit, FApp.Texte);
    FSpeicherbedarf = b.Speicherbedarf;
    QPalette p = PrbSpeicher->palette();
    p.setColor(QPalette::Highlight,
               b.Rot ? QColor(Qt::red) : palette().color(QPalette::Active, QPalette::Highlight));
    PrbSpeicher->setPalette(p);
    PrbSpeicher->setValue(qBound(0, b.Fortschritt, PrbSpeicher->maximum()));
    PrbSpeicher->setFormat(QStringLiteral("%1 %").arg(b.Fortschritt));
    PrbSpeicher->setProperty("rot", b.Rot);
    LbeAnzahlReihen->setText(QString::number(b.AnzahlReihen));
    // A figure that cannot be computed (no memory size, no frequency) is named in the field.
    LbeMessdauer->blockSignals(true);
    LbeMessdauer->setText(b ? b.Messdauer : b.Fehler);
    LbeMessdauer->setCursorPosition(0);
    LbeMessdauer->blockSignals(false);
}

void TMessInfoForm::BtnMessdateiAuswahlClick() {
    const TSprachTexte& t = FApp.Texte;
    TDateiDialog dialog;
    dialog.Titel = t.AuftragsMessDateiOeffnenText;
    dialog.Verzeichnis = FApp.AppConst.DatenPfad;
    dialog.Optionen = FApp.AppConst.DialogOptionen;
    dialog.Filter = DateiFilter({{t.MessDateienText, QStringLiteral(".ome")},
                                 {t.AuftragsDateienText, QStringLiteral(".oor")},
                                 {t.AlleDateienText, QStringLiteral(".*")}});
    const std::optional<QString> datei = FApp.Benutzer->DateiOeffnen(dialog);
    if (!datei) {
        return;
    }
    const QString vorher = LbeMessdatei->text();
    const bool modusVorher = FAuftragModus;
    LbeMessdatei->setText(*datei);
    // A job is read without a data part: exactly the lower-case extension names a job.
    FAuftragModus = QFileInfo(*datei).suffix() == u"oor";
    const TEinleseErgebnis e = MessDateiEinlesen(FApp, *datei, FAuftragModus, FArbeit);
    switch (e.Weg) {
    case TEinleseWeg::Gelesen:
        FAuftragModus = true;
        MessAuftragLesen(FArbeit);
        Berechnungen();
        break;
    case TEinleseWeg::RohGelesen:
        FAuftragModus = true;
        FApp.Nachricht(Meldung::FalschesDateiformat, *datei);
        break;
    case TEinleseWeg::Abgelehnt:
        FAuftragModus = false;
        FApp.Nachricht(Meldung::FalschesDateiformat, *datei);
        break;
    case TEinleseWeg::Fehler:
        // The dialog keeps showing what it showed.
        LbeMessdatei->setText(vorher);
        FAuftragModus = modusVorher;
        Nachricht(e.Lesen.Meldung);
        break;
    }
}

void TMessInfoForm::BtnAuftragNeuClick() {
    const TErgebnis g = GeraetLesen(FApp, FApp.AppConst.Geraet, FArbeit);
    if (!g) {
        if (!g.Meldung.isEmpty()) {
            Nachricht(g.Meldung);
        }
        return;
    }
    const double jetzt = Uhr::Jetzt();
    TMessDatei& d = FArbeit;
    LbeMessdatei->setText(MessInfo::StandardName(d.Name, jetzt));
    MessInfo::NeuerAuftrag(d, FApp.AppConst, FApp.Texte, jetzt);
    FAuftragModus = true;
    MessAuftragLesen(d);
}

void TMessInfoForm::BtnAuftragSpeichernClick() {
    const TSprachTexte& t = FApp.Texte;
    if (LbeMessdatei->text().isEmpty()) {
        LbeMessdatei->setText(MessInfo::StandardName(FArbeit.Name, Uhr::Jetzt()));
    }
    TDateiDialog dialog = DateiDialogVorlage(FApp, t.AuftragsDateiSpeichernText,
                                             t.AuftragsDateienText, QStringLiteral(".oor"));
    dialog.DateiName = MessInfo::VorgeschlagenerName(LbeMessdatei->text());
    const std::optional<QString> gewaehlt = FApp.Benutzer->DateiSpeichern(dialog);
    if (!gewaehlt) {
        return;
    }
    const QString datei = MessInfo::AuftragsDateiName(*gewaehlt);
    if (QFileInfo::exists(datei) && FApp.Nachricht(Meldung::UeberschreibenFragen, datei) != mrYes) {
        return;
    }
    // Everything is checked on a copy: a field or a text that cannot be stored leaves the
    // working record and the file as they were.
    TMessDatei neu = FArbeit;
    if (!MessAuftragSetzen(neu)) {
        return;
    }
    const QStringList falsch = MessInfo::NichtSpeicherbar(neu);
    if (!falsch.isEmpty()) {
        Nachricht(QStringLiteral("Diese Texte enthalten Zeichen, die eine Auftragsdatei nicht "
                                 "speichern kann:\n") +
                  falsch.join(u'\n'));
        return;
    }
    FArbeit = neu;
    const TLeseErgebnis e = MessDateiSchreiben(datei, FAuftragModus, FArbeit);
    if (!e) {
        Nachricht(e.Meldung);
        return;
    }
    LbeMessdatei->setText(*gewaehlt);
}

void TMessInfoForm::BtnAuftragSendenClick() {
    TMessDatei neu = FArbeit;
    if (!MessAuftragSetzen(neu)) {
        return;
    }
    const QStringList falsch = MessInfo::NichtSpeicherbar(neu);
    if (!falsch.isEmpty()) {
        Nachricht(QStringLiteral("Diese Texte enthalten Zeichen, die das Gerät nicht "
                                 "empfangen kann:\n") +
                  falsch.join(u'\n'));
        return;
    }
    FArbeit = neu;
    emit AuftragSendenGewuenscht();
}

void TMessInfoForm::CmbMessReihenSelect(int position) {
    // What was typed for the series shown so far goes into that series first.
    if (FAngezeigteReihe >= 0 && FAngezeigteReihe != position &&
        !SeiteInReiheSetzen(FAngezeigteReihe)) {
        CmbMessreihenName->blockSignals(true);
        CmbMessreihenName->setCurrentIndex(FAngezeigteReihe);
        CmbMessreihenName->blockSignals(false);
        return;
    }
    if (position >= 0) {
        MessreiheLesen(position);
    }
}

bool TMessInfoForm::SeiteInReiheSetzen(int reihe) {
    TMessDatei& d = FArbeit;
    if (reihe < 0 || reihe >= d.Messreihen.size() || FNurAnzeige) {
        return true;
    }
    TMessreihe& r = d.Messreihen[reihe];
    const QString fehler =
        MessInfo::ReiheSetzen(ReihenFelderHolen(), FApp.AppConst.Dezimaltrenner, FApp.Texte, r);
    if (!fehler.isEmpty()) {
        return Nachricht(fehler);
    }
    r.Name = CmbMessreihenName->itemText(reihe);
    return true;
}

void TMessInfoForm::MessReiheUmbenennen() {
    const QString alt = CmbMessreihenName->currentText();
    if (alt.isEmpty()) {
        return;
    }
    QString vorschlag = alt;
    for (;;) {
        const std::optional<QString> neu = FApp.Benutzer->Eingabe(
            FApp.Texte.NameReiheBoxCaption, FApp.Texte.NameReiheBoxText, vorschlag);
        if (!neu) {
            return;
        }
        if (CmbMessreihenName->findText(*neu, Qt::MatchFixedString) >= 0) {
            FApp.Nachricht(Meldung::MessreiheExistiert, *neu);
            vorschlag = *neu;
            continue;
        }
        const int i = CmbMessreihenName->currentIndex();
        CmbMessreihenName->setItemText(i, *neu);
        CmbMessreihenName->setCurrentIndex(i);
        SeiteInReiheSetzen(i);
        return;
    }
}

void TMessInfoForm::EinheitClick() {
    const QString gemerkt = CmbEinheit->currentText();
    emit EinheitenBearbeitenGewuenscht();
    EinheitenFuellen();
    const int i = CmbEinheit->findText(gemerkt, Qt::MatchExactly);
    CmbEinheit->setCurrentIndex(i >= 0 ? i : (CmbEinheit->count() > 0 ? 0 : -1));
}

void TMessInfoForm::DtpStartDatumChange() {
    const QDateTime jetzt = DatumZeit::NachQDateTime(Uhr::Jetzt());
    if (DtpStartDatum->date() == jetzt.date()) {
        DtpStartZeit->setTime(jetzt.time());
    }
}

bool TMessInfoForm::EditFeldExit(QWidget* feld) {
    if (!FAngezeigt || FNurAnzeige) {
        return true; // nothing shown that could be taken over
    }
    auto* e = qobject_cast<QLineEdit*>(feld);
    bool ok = true;
    if (e && !e->isReadOnly()) {
        const TMessDatei& d = FArbeit;
        const auto takte = [this] {
            return quint32(
                qBound<qlonglong>(0, LbeMessTakte->text().trimmed().toLongLong(), 4294967295LL));
        };
        const QString text = e->text();
        const double grenze = 4294967294.0;
        if (e == LbeAbstand) {
            const int k = FAngezeigteReihe;
            const QVector<quint8>& abstaende = d.KanalInfo[KanalInfoZeile::KanalAbstand];
            const quint32 minimum = k >= 0 && k < abstaende.size() ? abstaende[k] : 1;
            ok = Eingabepruefung::KardinalzahlPruefen(FApp, minimum, takte(), text, true);
        } else if (e == LbeAnzahl) {
            ok = Eingabepruefung::KardinalzahlPruefen(FApp, 1, takte(), text, true);
        } else if (e == LbeMessTakte) {
            ok = Eingabepruefung::KardinalzahlPruefen(FApp, 1, 4294967294u, text, true);
        } else if (e == LbeAbstandZeitstempel) {
            ok = Eingabepruefung::KardinalzahlPruefen(FApp, 0, takte(), text, true);
        } else if (e == LbeMesskonstante || e == LbeNullwert) {
            const auto wert = MessInfo::ZahlLesen(text, FApp.AppConst.Dezimaltrenner);
            // The check reads "." numbers; a text in the separator in effect is checked as such.
            ok = Eingabepruefung::GleitzahlPruefen(
                FApp, wert ? QString::number(*wert, 'g', 17) : QStringLiteral("?"), true, -grenze,
                grenze);
        }
        if (!ok) {
            QTimer::singleShot(0, e, [e] { e->setFocus(); });
        }
    }
    if (ok) {
        TMessInfoFelder f;
        f.MessTakte = LbeMessTakte->text();
        f.AbstandZeitstempel = LbeAbstandZeitstempel->text();
        f.ReiheFeld = ReihenFelderHolen();
        const QString anzahlVorher = f.ReiheFeld.Anzahl;
        MessInfo::AenderungenUebernehmen(FAenderungen, f, FAngezeigteReihe, FArbeit);
        if (f.ReiheFeld.Anzahl != anzahlVorher) {
            LbeAnzahl->setText(f.ReiheFeld.Anzahl);
            // The program's own change of the count is already in the record.
            FAenderungen.Anzahl = false;
        }
    }
    Berechnungen();
    return ok;
}

bool TMessInfoForm::ZahlTaste(QLineEdit* feld, QKeyEvent* taste) {
    const QString text = taste->text();
    if (text.size() != 1) {
        return false;
    }
    const char16_t c = text[0].unicode();
    if (c == u',' || c == u'.') {
        feld->insert(FApp.AppConst.Dezimaltrenner);
        return true;
    }
    // Blanks, the signs before "+" and everything above "9" are not part of a number.
    return (c >= 32 && c <= 42) || c > u'9';
}

bool TMessInfoForm::eventFilter(QObject* objekt, QEvent* ereignis) {
    auto* feld = qobject_cast<QLineEdit*>(objekt);
    if (ereignis->type() == QEvent::KeyPress && feld && FZahlenFelder.contains(feld)) {
        return ZahlTaste(feld, static_cast<QKeyEvent*>(ereignis));
    }
    if (ereignis->type() == QEvent::FocusOut && !FPruefen &&
        (objekt == ChkAktiv || (feld && FZahlenFelder.contains(feld)))) {
        // The check's message takes the focus away once more; that is no second exit.
        FPruefen = true;
        EditFeldExit(static_cast<QWidget*>(objekt));
        FPruefen = false;
    }
    if (objekt == CmbMessreihenName && ereignis->type() == QEvent::FocusOut && !FNurAnzeige) {
        SeiteInReiheSetzen(FAngezeigteReihe);
    }
    return QDialog::eventFilter(objekt, ereignis);
}

void TMessInfoForm::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->key() == Qt::Key_F1) {
        FApp.Benutzer->HilfeZeigen(HilfeKontext::MessInfo);
        return;
    }
    QDialog::keyPressEvent(ereignis);
}
