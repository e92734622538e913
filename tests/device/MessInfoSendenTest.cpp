// Sending a job from the job dialog to orvan-sim, through the same function as orvan-cli
// send-job, for each state of the instrument and each answer.
#include "TSimLauf.h"

#include "device/AuftragSenden.h"
#include "device/TTextAnzeige.h"
#include "measurement/Auftrag.h"
#include "measurement/ui/TMessInfoForm.h"
#include "shell/Uhr.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

QString Arg(const char* t) {
    return QString::fromUtf8(t);
}

// Gives TypA the form flags of an editable job form.
void FormFlagsSetzen(TTestHeim& heim) {
    const QString pfad = heim.Pfad(Arg("Config/Geraete.cfg"));
    QByteArray katalog = heim.Lesen(pfad);
    katalog.replace("[TypA]\n", "[TypA]\nAuftragFormFlags=" + QByteArray("10").repeated(27) + "\n");
    heim.Schreiben(pfad, katalog);
}

} // namespace

TEST(MessInfoSenden, EachStateAndAnswerOfTheSendJobFlow) {
    struct TFall {
        const char* Name;
        const char* Zustand;
        QList<int> Antworten;
        QList<int> Nachrichten;
        bool Gesendet;
    };
    const TFall faelle[] = {
        {"idle", "00", {}, {}, true},
        {"running, go on measuring", "02", {mrNo}, {32}, false},
        {"running, abort", "02", {mrYes}, {32}, true},
        {"entered job, keep it", "01", {mrNo}, {33}, false},
        {"entered job, replace it", "01", {mrYes}, {33}, true},
        {"stored measurement, no read-out, keep it", "04", {mrNo, mrNo}, {34, 24}, false},
        {"stored measurement, read out and clear", "04", {mrYes, mrYes}, {34, 24}, true},
        {"everything at once", "07", {mrYes, mrYes, mrYes, mrYes}, {32, 34, 24, 33}, true},
    };
    for (const TFall& fall : faelle) {
        SCOPED_TRACE(fall.Name);
        TTestHeim fixtur;
        const QString daten = fixtur.Pfad(Arg("m.ome"));
        fixtur.Schreiben(daten, fixtur.Messdatei(600));
        TSimLauf t({Arg("--data"), daten, Arg("--status"), Arg(fall.Zustand), Arg("--clear-ms"),
                    Arg("200")});
        ASSERT_TRUE(t.Sim->Bereit());
        FormFlagsSetzen(t.Heim);
        TAnwendung& app = t.Heim.App;
        app.Geraete.AnzeigeErzeugen = [&t] {
            return std::make_unique<TTextAnzeige>([&t](const QString& z) { t.Zeilen.append(z); });
        };
        t.Heim.Benutzer.Antworten = fall.Antworten;
        t.Heim.Benutzer.Dateien = {Arg("ausgelesen.ome")};

        TMessInfoForm dialog(app, app.ArbeitsDatei, app.Speicherbedarf);
        TSendeErgebnis ergebnis;
        QObject::connect(&dialog, &TMessInfoForm::AuftragSendenGewuenscht, [&] {
            ergebnis = AuftragSenden(app, app.Geraete, app.AktuellesGeraet, app.ArbeitsDatei);
        });
        dialog.BtnAuftragNeuClick();
        ASSERT_TRUE(dialog.BtnAuftragSenden->isEnabled());
        dialog.LbeAuftragName->setText(Arg("Prüfung"));
        dialog.BtnAuftragSendenClick();
        ASSERT_TRUE(ergebnis.Gebaut) << ergebnis.Fehler.toStdString();
        EXPECT_EQ(t.Heim.Benutzer.Nummern(), fall.Nachrichten);
        TMessDatei kopie = app.ArbeitsDatei;
        const QByteArray nutzlast = AuftragErzeugen(kopie, app.ArbeitsDatei.Auftrag.Start).Auftrag;
        const QString gemeldet = Arg("job of %1 characters").arg(nutzlast.size());
        EXPECT_EQ(t.Sim->Meldungen().contains(gemeldet), fall.Gesendet)
            << t.Sim->Meldungen().toStdString();
        EXPECT_EQ(t.Zeilen.contains(app.Texte.AuftragSendenBefehlText), fall.Gesendet);
        if (fall.Gesendet) {
            EXPECT_EQ(t.Zeilen.last(), app.Texte.BefehlOKText);
        }
        if (fall.Antworten.size() >= 2 && fall.Antworten[0] == mrYes &&
            QByteArray(fall.Zustand) != "02") {
            // The nested read-out landed in the data directory.
            EXPECT_TRUE(QFileInfo::exists(t.Heim.DatenPfad() + Arg("ausgelesen.ome")));
        }
    }
}
