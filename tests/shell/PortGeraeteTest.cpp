// The device behind each port number: keys "ComN" of section "Hardware".
#include "TestHilfen.h"

#include "shell/Konfiguration.h"
#include "shell/TIniDatei.h"

#include <gtest/gtest.h>

TEST(PortGeraete, KeysAreReadWrittenAndRemoved) {
    TTestProgramm t;
    const QString datei = t.Pfad("User.cfg");
    DateiSchreiben(datei, "[Hardware]\nCom1=/dev/ttyUSB0\ncom3=/dev/pts/7\nCom03=/x\nComX=/y\n"
                          "Serielle Port-Nr.=3\n");
    TAppConst a;
    AppConstLesen(TIniDatei(datei), a);
    EXPECT_EQ(a.PortGeraete, (QMap<int, QString>{{1, "/dev/ttyUSB0"}, {3, "/dev/pts/7"}}));
    EXPECT_EQ(PortGeraet(a, 3), "/dev/pts/7");
    EXPECT_EQ(PortGeraet(a, 2), "/dev/ttyS1"); // no entry: the N-th serial port

    a.PortGeraete.remove(1);
    a.PortGeraete[2] = "/dev/ttyACM0";
    TIniDatei ini(datei);
    AppConstSchreiben(ini, a);
    ASSERT_TRUE(ini.Speichern());

    TAppConst b;
    AppConstLesen(TIniDatei(datei), b);
    EXPECT_EQ(b.PortGeraete, (QMap<int, QString>{{2, "/dev/ttyACM0"}, {3, "/dev/pts/7"}}));
    // Keys that are no port number are none of our business and stay.
    EXPECT_TRUE(TIniDatei(datei).SchluesselVorhanden("Hardware", "ComX"));
}

TEST(PortGeraete, KeyNames) {
    EXPECT_EQ(PortSchluessel(4), "Com4");
    EXPECT_EQ(PortNummer("Com12"), 12);
    EXPECT_EQ(PortNummer("COM2"), 2);
    for (const char* kein : {"Com", "Com0", "Com-1", "Com01", "Com1a", "Port1"}) {
        SCOPED_TRACE(kein);
        EXPECT_FALSE(PortNummer(kein));
    }
}
