#include "shell/VersionsInfo.h"

#include <gtest/gtest.h>

namespace {

TEST(VersionsInfo, ProgramEntriesInTheirPositions) {
    QStringList liste;
    ASSERT_TRUE(VersionsInfoLesen(QString(), liste));
    ASSERT_EQ(liste.size(), 7);
    EXPECT_EQ(liste[1], "Kurven-Auswertungs-Software");
    EXPECT_EQ(liste[2], "0.3.1.29");
    EXPECT_EQ(liste[3], "ORVAN");
    EXPECT_EQ(liste[6], "Orvan");
    QString text;
    VersionLesen("%d.%d%d/%d", QString(), text);
    EXPECT_EQ(text, "0.31/29");
}

TEST(VersionsInfo, VersionPatternAndMissingEntries) {
    TVersionsRessource r{true, {{"companyname", "Firma"}, {"ProductName", "P"}}, {1, 2, 3, 4}};
    EXPECT_EQ(VersionLesen("V%d.%d%d/%d", r), "V1.23/4");
    r.DateiVersion = {1, 2, 13, 4};
    EXPECT_EQ(VersionLesen("V%d.%d%d/%d", r), "V1.213/4");
    QStringList liste;
    ASSERT_TRUE(VersionsInfoLesen(r, liste));
    // Without the entries between them, the product name moves up to position 1.
    EXPECT_EQ(liste, QStringList({"Firma", "P"}));

    const TVersionsRessource keine;
    EXPECT_FALSE(VersionsInfoLesen(keine, liste));
    EXPECT_TRUE(liste.isEmpty());
    EXPECT_EQ(VersionLesen("%d.%d%d/%d", keine), "?");
}

} // namespace
