// Command steps against a scripted instrument on an in-memory port: the exact bytes sent.
#include "TSpeicherPort.h"
#include "TTestHeim.h"
#include "device/GeraetBefehl.h"
#include "device/TTextAnzeige.h"

#include <gtest/gtest.h>

namespace {

struct TSkript {
    TSpeicherPort* Port = nullptr;
    QStringList Zeilen;
};

// Runs `befehl` with the text display on a port whose instrument is `geraet`.
bool Lauf(TTestHeim& heim, TSkript& s, std::function<QByteArray(char)> geraet,
          const QString& befehl, QString& parameter) {
    heim.App.Geraete.PortErzeugen = [&s, geraet] {
        auto port = std::make_unique<TSpeicherPort>();
        port->Geraet = geraet;
        s.Port = port.get();
        return std::unique_ptr<TSeriellerPort>(std::move(port));
    };
    heim.App.Geraete.AnzeigeErzeugen = [&s] {
        return std::make_unique<TTextAnzeige>([&s](const QString& z) { s.Zeilen.append(z); });
    };
    const bool ok = GeraetBefehl(heim.App, heim.App.Geraete, heim.App.AktuellesGeraet, befehl,
                                 parameter, heim.App.AktuellesGeraet, true, true);
    return ok;
}

// An instrument that reports status 00 and echoes the send-job command and each job
// character; `klein` echoes letters in lower case, `stumm` gives no echo for that character.
std::function<QByteArray(char)> AuftragsGeraet(QByteArray* gesehen, bool klein, char stumm = 0) {
    return [gesehen, klein, stumm](char c) -> QByteArray {
        *gesehen += c;
        if (gesehen->endsWith("Z01")) {
            return "Z01:00\r\n";
        }
        if (gesehen->endsWith("A01")) {
            return "A01";
        }
        if (!gesehen->contains("A01") || c == '.' || c == '\r' || c == stumm) {
            return {};
        }
        return QByteArray(1, klein ? char(std::tolower(c)) : c);
    };
}

TEST(BefehlSchritte, JobGoesOutCharacterByCharacterWithDotsAndCr) {
    TTestHeim heim;
    TSkript s;
    QByteArray gesehen;
    QString auftrag = QStringLiteral("AB");
    EXPECT_TRUE(Lauf(heim, s, AuftragsGeraet(&gesehen, true), QStringLiteral("A01"), auftrag));
    EXPECT_EQ(gesehen, QByteArray("Z01A01A.B\r"));
    EXPECT_TRUE(s.Zeilen.contains(heim.App.Texte.AuftragSendenBefehlText));
    EXPECT_EQ(s.Zeilen.last(), heim.App.Texte.BefehlOKText);
    EXPECT_EQ(auftrag, QStringLiteral("AB")); // with the dialog the caller's text is kept
    EXPECT_TRUE(heim.Benutzer.Nummern().isEmpty());
}

TEST(BefehlSchritte, MissingJobEchoStopsTheJobButSendsCr) {
    TTestHeim heim(200);
    TSkript s;
    QByteArray gesehen;
    QString auftrag = QStringLiteral("ABC");
    Lauf(heim, s, AuftragsGeraet(&gesehen, false, 'B'), QStringLiteral("A01"), auftrag);
    EXPECT_EQ(gesehen, QByteArray("Z01A01A.B\r"));
    EXPECT_EQ(s.Zeilen.last(), heim.App.Texte.ProtokollFehlerText1);
    // Only the status step succeeded; the job did not.
    EXPECT_EQ(s.Zeilen.count(heim.App.Texte.BefehlOKText), 1);
}

TEST(BefehlSchritte, EmptyCommandRunsEveryStepWithAnEmptyCommand) {
    TTestHeim heim;
    heim.App.AktuellesGeraet.ResetBefehl.clear();
    heim.App.AktuellesGeraet.GeraeteInformationLesenBefehl.clear();
    TSkript s;
    QByteArray gesehen;
    QString p;
    Lauf(
        heim, s,
        [&](char c) {
            gesehen += c;
            return QByteArray();
        },
        QString(), p);
    // The reset (empty command, terminator CR LF never comes) and the information step ran.
    EXPECT_TRUE(s.Zeilen.contains(heim.App.Texte.ResetBefehlText));
    EXPECT_TRUE(s.Zeilen.contains(QStringLiteral("BefehlGeraeteInformationLesen")));
    EXPECT_TRUE(s.Zeilen.contains(QStringLiteral("noch nicht fertig")));
    EXPECT_FALSE(s.Zeilen.contains(heim.App.Texte.UhrLesenBefehlText));
}

} // namespace
