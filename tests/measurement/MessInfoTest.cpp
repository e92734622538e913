// The conversions of the job dialog between its field texts and the record, without a window.
#include "MessTestHilfen.h"

#include "measurement/MessInfo.h"
#include "shell/TAppConst.h"
#include "shell/TSprachTexte.h"

#include <gtest/gtest.h>

namespace {

struct TFelderFixtur : ::testing::Test {
    TAppConst K;
    TSprachTexte T;
    TMessDatei D = BeispielAuftrag();
    TMessInfoFelder F;

    void SetUp() override {
        D.Datum = Zeit(2024, 5, 6, 7, 8, 9);
        MessInfo::GeraetFelderLesen(D, K, T, F);
        MessInfo::AuftragFelderLesen(D.Auftrag, F);
        F.ReihenNamen = {D.Messreihen[0].Name};
        F.Reihe = 0;
        MessInfo::ReiheFelderLesen(D.Messreihen[0], D.Auftrag.MessTakte, K.Dezimaltrenner,
                                   F.ReiheFeld);
    }
};

} // namespace

TEST_F(TFelderFixtur, RecordToFieldsAndBackIsUnchanged) {
    EXPECT_EQ(F.Version, "V0_00");
    EXPECT_EQ(F.Messfrequenz, "100");
    EXPECT_EQ(F.MessTakt, "0.01");
    EXPECT_EQ(F.Datum, "06.05.24");
    EXPECT_EQ(F.Zeit, "07:08:09");
    ASSERT_EQ(F.Kanaele.size(), 1);
    EXPECT_EQ(F.Kanaele[0], QStringList({"0", "Analog", "12", "1"}));
    TMessDatei zurueck = D;
    ASSERT_EQ(MessInfo::MessAuftragSetzen(F, K, T, Zeit(2024, 6, 1), zurueck), QString());
    EXPECT_EQ(zurueck, D);
}

// A field that cannot be converted is named and the record stays exactly as it was.
TEST_F(TFelderFixtur, AFieldThatCannotBeConvertedIsNamedAndNothingChanges) {
    struct TFall {
        const char* Name;
        std::function<void(TMessInfoFelder&)> Aendern;
        const char* Erwartet;
    };
    const TFall faelle[] = {
        {"300 channels", [](TMessInfoFelder& f) { f.KanalAnzahl = "300"; }, "Kanal - Anzahl"},
        {"letters in Takt", [](TMessInfoFelder& f) { f.Takt = "abc"; }, "Takt"},
        {"negative memory", [](TMessInfoFelder& f) { f.Speicher = "-1"; }, "Speicher"},
        {"version text", [](TMessInfoFelder& f) { f.Version = "1.3"; }, "Version"},
        {"no date", [](TMessInfoFelder& f) { f.Datum = "gestern"; }, "Datum"},
        {"resolution cell", [](TMessInfoFelder& f) { f.Kanaele[0][2] = "256"; }, "Bit"},
        {"more channels than rows", [](TMessInfoFelder& f) { f.KanalAnzahl = "2"; },
         "Kanal 1 fehlt"},
        {"cycles", [](TMessInfoFelder& f) { f.MessTakte = "4294967296"; }, "Messtakte"},
        {"factor", [](TMessInfoFelder& f) { f.ReiheFeld.Messkonstante = "1,5"; }, "Messkonstante"},
    };
    for (const TFall& fall : faelle) {
        SCOPED_TRACE(fall.Name);
        TMessInfoFelder f = F;
        f.AuftragName = "geändert"; // a valid change before the failing field is not taken
        fall.Aendern(f);
        TMessDatei d = D;
        const QString fehler = MessInfo::MessAuftragSetzen(f, K, T, Zeit(2024, 6, 1), d);
        EXPECT_TRUE(fehler.contains(QLatin1String(fall.Erwartet))) << fehler.toStdString();
        EXPECT_EQ(d, D);
    }
}

TEST_F(TFelderFixtur, DecimalSeparatorInEffectIsReadAndWritten) {
    K.Dezimaltrenner = ",";
    D.Messreihen[0].Messkonstante = 0.25;
    MessInfo::ReiheFelderLesen(D.Messreihen[0], 1000, K.Dezimaltrenner, F.ReiheFeld);
    EXPECT_EQ(F.ReiheFeld.Messkonstante, "0,25");
    F.ReiheFeld.Nullwert = "-1,5";
    TMessDatei d = D;
    ASSERT_EQ(MessInfo::MessAuftragSetzen(F, K, T, 0, d), QString());
    EXPECT_EQ(d.Messreihen[0].Nullwert, -1.5);
    F.ReiheFeld.Nullwert = "-1.5"; // the other separator is no number here
    EXPECT_FALSE(MessInfo::MessAuftragSetzen(F, K, T, 0, d).isEmpty());
}

TEST(MessInfo, ChannelRowsDescriptionAndParameterChannel) {
    TSprachTexte t;
    TMessDatei d;
    Kanaele(d, 3);
    d.KanalInfo[0] = {1, 2, 5};
    d.KanalInfo[1] = {8, 12, 0};
    d.KanalInfo[3] = {1, 2, 4};
    EXPECT_EQ(MessInfo::KanalZeile(d, 0, t), QStringList({"0", "Binär", "1", "1"}));
    EXPECT_EQ(MessInfo::KanalZeile(d, 1, t), QStringList({"1", "Analog", "12", "2"}));
    EXPECT_EQ(MessInfo::KanalBeschreibung(MessInfo::KanalZeile(d, 1, t), t),
              "Nr.: 1, Typ: Analog, Bit: 12, Abstand: 2");
    EXPECT_TRUE(MessInfo::IstParameterKanal(MessInfo::KanalZeile(d, 2, t), t));
    EXPECT_FALSE(MessInfo::IstParameterKanal(MessInfo::KanalZeile(d, 1, t), t));
}

TEST(MessInfo, NewJobGivesOneSeriesPerChannelWithTheChannelSpacing) {
    TAppConst k;
    TSprachTexte t;
    TMessDatei d;
    d.Name = "G";
    Kanaele(d, 3);
    d.KanalInfo[3] = {1, 2, 4};
    MessInfo::NeuerAuftrag(d, k, t, Zeit(2024, 5, 6, 7, 8));
    EXPECT_EQ(d.Auftrag.AuftragName, "Messauftrag für  G");
    EXPECT_EQ(d.Auftrag.AnzahlReihen, 3);
    EXPECT_EQ(d.Auftrag.MessTakte, 1000u);
    ASSERT_EQ(d.Messreihen.size(), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(d.Messreihen[i].Name, QStringLiteral("Messreihe Kanal Nr. %1").arg(i));
        EXPECT_EQ(d.Messreihen[i].Anzahl, 1000u);
        EXPECT_EQ(d.Messreihen[i].Abstand, quint32(1 << i));
        EXPECT_EQ(d.Messreihen[i].Einheit, "Bit");
    }
    EXPECT_EQ(MessInfo::StandardName("X", Zeit(2024, 5, 6, 7, 8)), "X_20240506_0708");
    TMessDatei leer;
    MessInfo::NeuerAuftrag(leer, k, t, 0);
    EXPECT_TRUE(leer.Messreihen.isEmpty());
}

TEST(MessInfo, FileNamesOfTheSaveCommand) {
    const std::pair<const char*, const char*> vorschlag[] = {
        {"/a/b/X_20240506_0708", "X_20240506_0708.oor"},
        {"/a/b/m.ome", "m.oor"},
        {"job.v1.dat", "job.v1.oor"}};
    for (const auto& [ein, aus] : vorschlag) {
        SCOPED_TRACE(ein);
        EXPECT_EQ(MessInfo::VorgeschlagenerName(ein), aus);
    }
    const std::pair<const char*, const char*> gespeichert[] = {{"auftrag.OOR", "auftrag.OOR"},
                                                               {"auftrag", "auftrag.oor"},
                                                               {"auftrag.dat", "auftrag.dat.oor"},
                                                               {"auftrag.oor", "auftrag.oor"}};
    for (const auto& [ein, aus] : gespeichert) {
        SCOPED_TRACE(ein);
        EXPECT_EQ(MessInfo::AuftragsDateiName(ein), aus);
    }
}

TEST(MessInfo, TextsOutsideTheCodePageAreNamed) {
    TMessDatei d = BeispielAuftrag();
    EXPECT_TRUE(MessInfo::NichtSpeicherbar(d).isEmpty());
    d.Auftrag.Kommentar = "Temperatur in °C, 5 €"; // both in the code page
    EXPECT_TRUE(MessInfo::NichtSpeicherbar(d).isEmpty());
    d.Auftrag.Bearbeiter = QString::fromUtf8("Ωmega");
    d.Messreihen[0].Einheit = QString::fromUtf8("µΩ");
    EXPECT_EQ(MessInfo::NichtSpeicherbar(d),
              QStringList({QString::fromUtf8("Bearbeiter: Ωmega"),
                           QString::fromUtf8("Messreihe 0 Einheit: µΩ")}));
}

// The pending changes of a confirmed field exit, in their order.
TEST(MessInfo, PendingChangesKeepCountsInStep) {
    TMessDatei d = BeispielAuftrag();
    Kanaele(d, 3);
    d.Messreihen = {Reihe(1, "a"), Reihe(2, "b"), Reihe(4, "c")};
    for (TMessreihe& r : d.Messreihen) {
        r.Anzahl = 1000;
    }
    TMessInfoFelder f;
    f.MessTakte = "101";
    f.ReiheFeld.Abstand = "2";
    f.ReiheFeld.Anzahl = "1000";
    MessInfo::TAenderungen a;
    a.MessTakte = true;
    MessInfo::AenderungenUebernehmen(a, f, 1, d);
    EXPECT_EQ(d.Auftrag.MessTakte, 101u);
    EXPECT_EQ(d.Messreihen[0].Anzahl, 101u);
    EXPECT_EQ(d.Messreihen[1].Anzahl, 51u);
    EXPECT_EQ(d.Messreihen[2].Anzahl, 26u);
    EXPECT_EQ(f.ReiheFeld.Anzahl, "51");
    EXPECT_FALSE(a.MessTakte);

    f.ReiheFeld.Abstand = "10";
    a.Abstand = true;
    a.AbstandZeitstempel = true;
    f.AbstandZeitstempel = "5";
    MessInfo::AenderungenUebernehmen(a, f, 1, d);
    EXPECT_EQ(d.Messreihen[1].Abstand, 10u);
    EXPECT_EQ(d.Messreihen[1].Anzahl, 11u);
    EXPECT_EQ(f.ReiheFeld.Anzahl, "11");
    EXPECT_EQ(d.Auftrag.AbstandZeitstempel, 5u);
    // Without a series nothing series-related happens.
    a.Aktiv = a.Anzahl = true;
    MessInfo::AenderungenUebernehmen(a, f, -1, d);
    EXPECT_EQ(d.Messreihen[1].Anzahl, 11u);
}

TEST(MessInfo, FormFlagsTooShortNameDeviceAndArray) {
    TGeraet g;
    g.Name = "Alt";
    g.AuftragFormFlags = QVector<bool>(34, true);
    const QString fehler = MessInfo::FormFlagsFehler(g);
    EXPECT_TRUE(fehler.contains("Alt"));
    EXPECT_TRUE(fehler.contains("AuftragFormFlags"));
    EXPECT_TRUE(fehler.contains("34"));
    g.AuftragFormFlags = QVector<bool>(54, true);
    EXPECT_TRUE(MessInfo::FormFlagsFehler(g).isEmpty());
}
