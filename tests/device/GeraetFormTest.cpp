// The progress dialog in the GUI path: a read-out against orvan-sim shown in TGeraetForm.
#include "TSimLauf.h"
#include "device/GeraetBefehl.h"
#include "device/ui/TGeraetForm.h"

#include <QElapsedTimer>
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

} // namespace
