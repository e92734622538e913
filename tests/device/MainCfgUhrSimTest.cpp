// The settings dialog's clock buttons against the simulated instrument, and against an
// instrument that never answers.
#include "TSimLauf.h"
#include "TSocatPaar.h"

#include "device/GeraetEinstellungen.h"
#include "device/port/TQtSeriellerPort.h"
#include "shell/DatumZeit.h"
#include "shell/UhrText.h"
#include "shell/ui/TMainCfgForm.h"
#include "shell/ui/TMainCfgHardware.h"

#include <QLineEdit>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

std::unique_ptr<TMainCfgForm> Dialog(TTestHeim& heim) {
    TMainCfgDienste dienste;
    GeraetDiensteSetzen(heim.App, heim.App.Geraete, heim.App.AktuellesGeraet, dienste);
    return std::make_unique<TMainCfgForm>(heim.App.AppConst, heim.App.Texte, heim.Benutzer, dienste,
                                          false);
}

} // namespace

TEST(MainCfgUhrSim, ClockIsReadAndSetThroughTheDialog) {
    TSimLauf t({QStringLiteral("--clock"), QStringLiteral("12:30:45 24.12.02")});
    ASSERT_TRUE(t.Sim->Bereit());
    TAppConst& a = t.Heim.App.AppConst;
    a.ZeitDatumsformat = QStringLiteral("dd.mm.yyyy hh:nn:ss");
    auto d = Dialog(t.Heim);
    TMainCfgHardware& hw = *d->TabHardware;

    hw.BtnUhrzeitLesen->click();
    EXPECT_TRUE(hw.LbeDatumUhr->text().startsWith(QStringLiteral("24.12.2002 12:30:4")))
        << hw.LbeDatumUhr->text().toStdString();
    EXPECT_TRUE(hw.LbeDatumUhr->isEnabled());
    EXPECT_TRUE(a.GeraetOnline);

    // The field as typed, in the short formats: the instrument gets "hh:nn:ss dd.mm.yy".
    hw.LbeDatumUhr->setText(QStringLiteral("08.12.26 22:15:30"));
    hw.BtnUhrzeitSetzen->click();
    hw.BtnUhrzeitLesen->click();
    EXPECT_TRUE(hw.LbeDatumUhr->text().startsWith(QStringLiteral("08.12.2026 22:15:3")))
        << hw.LbeDatumUhr->text().toStdString();
    EXPECT_TRUE(t.Heim.Benutzer.Nummern().isEmpty());
}

TEST(MainCfgUhrSim, SilentInstrumentGivesMessage17AndNoClock) {
    TSocatPaar leitung; // nobody listens on the other side
    ASSERT_TRUE(leitung.Bereit());
    TTestHeim heim(300);
    SeriellenPortEinrichten(heim.App.Geraete);
    heim.App.Geraete.PortGeraet = leitung.A();
    auto d = Dialog(heim);
    TMainCfgHardware& hw = *d->TabHardware;

    hw.BtnUhrzeitLesen->click();
    EXPECT_EQ(heim.Benutzer.Nummern(), (QList<int>{17, 31}));
    EXPECT_EQ(hw.LbeDatumUhr->text(), QString());
    EXPECT_FALSE(hw.LbeDatumUhr->isEnabled());
    EXPECT_FALSE(heim.App.AppConst.GeraetOnline);

    heim.Benutzer.Gezeigt.clear();
    hw.LbeDatumUhr->setText(QStringLiteral("08.12.26 22:15:30"));
    hw.BtnUhrzeitSetzen->click();
    EXPECT_EQ(heim.Benutzer.Nummern(), QList<int>{17});
}
