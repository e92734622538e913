// The progress dialog in the GUI path: a read-out against orvan-sim shown in TGeraetForm.
#include "TSimLauf.h"
#include "device/GeraetBefehl.h"
#include "device/ui/TGeraetForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QString Arg(const char* a) {
    return QString::fromUtf8(a);
}

TEST(GeraetForm, ReadOutShowsCountProgressAndLinesThenCloses) {
    TTestHeim fixtur;
    const QByteArray messung = fixtur.Messdatei(10000);
    fixtur.Schreiben(fixtur.Pfad(Arg("m.ome")), messung);
    TSimLauf t({Arg("--data"), fixtur.Pfad(Arg("m.ome"))});
    ASSERT_TRUE(t.Sim->Bereit());
    GeraetOberflaecheEinrichten(t.Heim.App, t.Heim.App.Geraete, nullptr);
    QString text;
    int gaugeMaximum = 0;
    TGeraetForm* form = nullptr;
    t.Heim.App.Geraete.AnzeigeErzeugen = [&] {
        auto f = std::make_unique<TGeraetForm>(t.Heim.App);
        form = f.get();
        QObject::connect(f->Gauge, &QProgressBar::valueChanged, [&, g = f->Gauge](int) {
            gaugeMaximum = std::max(gaugeMaximum, g->maximum());
        });
        QObject::connect(f->Meldung, &QPlainTextEdit::textChanged,
                         [&, m = f->Meldung] { text = m->toPlainText(); });
        return f;
    };
    const auto ziel = GeraetDatenLesen(t.Heim.App, t.Heim.App.Geraete, t.Heim.App.AktuellesGeraet,
                                       Arg("/else/where/a.ome"));
    ASSERT_TRUE(ziel);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(*ziel, t.Heim.DatenPfad() + Arg("a.ome"));
    const TSprachTexte& x = t.Heim.App.Texte;
    EXPECT_EQ(text.split(u'\n'),
              QStringList({x.DatenLesenBefehlText, x.BefehlOKText, x.GeraeteEmpfangText,
                           x.DatenAnzahlText + QString::number(messung.size()),
                           x.GeraeteEmpfangEndeText}));
    EXPECT_EQ(gaugeMaximum, messung.size());
}

TEST(GeraetForm, CancelDuringClearEndsTheRun) {
    TSimLauf t({Arg("--dot-ms"), Arg("100"), Arg("--clear-ms"), Arg("30000")});
    ASSERT_TRUE(t.Sim->Bereit());
    GeraetOberflaecheEinrichten(t.Heim.App, t.Heim.App.Geraete, nullptr);
    t.Heim.App.Geraete.AnzeigeErzeugen = [&] {
        auto f = std::make_unique<TGeraetForm>(t.Heim.App);
        QTimer::singleShot(800, f->BtnAbbrechen, &QPushButton::click);
        return f;
    };
    QElapsedTimer uhr;
    uhr.start();
    QString p;
    GeraetBefehl(t.Heim.App, t.Heim.App.Geraete, t.Heim.App.AktuellesGeraet, Arg("L01"), p,
                 t.Heim.App.AktuellesGeraet, true, true);
    EXPECT_LT(uhr.elapsed(), 10000); // not the 30 s the instrument would take
    EXPECT_FALSE(t.Heim.App.AppConst.GeraetOnline);
}

// A read-out that breaks off: on the user's cancel the dialog closes and no error is shown
// (not the transfer's, not message 25); on a failure the dialog stays with its lines and a
// close button until the user closes it, after the failure's message.
TEST(GeraetForm, CancelShowsNoErrorAndAFailureKeepsTheDialogOpen) {
    struct TFall {
        const char* Name;
        const char* Fehler;
        bool Abbrechen;
        QList<int> Nachrichten;
    };
    const TFall faelle[] = {
        {"cancel by the user", "stall", true, {}},
        {"instrument hangs up", "hangup", false, {19, 25}},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        TTestHeim fixtur;
        fixtur.Schreiben(fixtur.Pfad(Arg("m.ome")), fixtur.Messdatei(20000));
        TSimLauf t({Arg("--data"), fixtur.Pfad(Arg("m.ome")), Arg("--fault"), Arg(f.Fehler)}, 3000);
        ASSERT_TRUE(t.Sim->Bereit());
        GeraetOberflaecheEinrichten(t.Heim.App, t.Heim.App.Geraete, nullptr);
        bool offenNachFehler = false;
        QString knopf;
        QString zeilen;
        t.Heim.App.Geraete.AnzeigeErzeugen = [&] {
            auto form = std::make_unique<TGeraetForm>(t.Heim.App);
            TGeraetForm* d = form.get();
            if (f.Abbrechen) {
                QTimer::singleShot(1500, d->BtnAbbrechen, &QPushButton::click);
            } else {
                // Looks at the dialog once the run has ended after its failure (or after ten
                // seconds), then closes it as a user would.
                auto* blick = new QTimer(d);
                auto* uhr = new QElapsedTimer;
                uhr->start();
                const QString anfang = d->BtnAbbrechen->text();
                QObject::connect(blick, &QTimer::timeout, d, [&, d, blick, uhr, anfang] {
                    const bool geschlossen = !d->isVisible();
                    const bool umgestellt = d->BtnAbbrechen->text() != anfang;
                    if (geschlossen || umgestellt || uhr->elapsed() > 10000) {
                        blick->stop();
                        delete uhr;
                        offenNachFehler = !geschlossen;
                        knopf = d->BtnAbbrechen->text();
                        zeilen = d->Meldung->toPlainText();
                        d->BtnAbbrechen->click();
                    }
                });
                blick->start(50);
            }
            return form;
        };
        QElapsedTimer uhr;
        uhr.start();
        const TAuslesen a = GeraetAuslesen(t.Heim.App, t.Heim.App.Geraete,
                                           t.Heim.App.AktuellesGeraet, Arg("neu.ome"));
        AuslesenFehlschlagMelden(t.Heim.App, a);
        EXPECT_LT(uhr.elapsed(), 20000);
        EXPECT_FALSE(a.Datei);
        EXPECT_EQ(a.Bericht.Abgebrochen, f.Abbrechen);
        EXPECT_EQ(t.Heim.Benutzer.Nummern(), f.Nachrichten);
        EXPECT_FALSE(QFileInfo::exists(t.Heim.DatenPfad() + Arg("neu.ome")));
        if (!f.Abbrechen) {
            EXPECT_TRUE(offenNachFehler);
            EXPECT_EQ(knopf, t.Heim.App.Texte.GeraetFormBtnSchliessenCaption);
            EXPECT_TRUE(zeilen.contains(t.Heim.App.Texte.ProtokollFehlerText))
                << zeilen.toStdString();
        }
    }
}

} // namespace
