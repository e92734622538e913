// The list of files opened last: newest first, no file twice, eight at most, kept in the user
// configuration file.
#include "shell/ZuletztGeoeffnet.h"
#include "shell/TIniDatei.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ZuletztGeoeffnet, NewestFirstNoFileTwiceEightAtMost) {
    QStringList liste;
    for (int i = 1; i <= 10; ++i) {
        liste = ZuletztGeoeffnet::Eintragen(liste, QStringLiteral("/d/f%1.ogr").arg(i));
    }
    ASSERT_EQ(liste.size(), 8);
    EXPECT_EQ(liste.first(), QStringLiteral("/d/f10.ogr"));
    EXPECT_EQ(liste.last(), QStringLiteral("/d/f3.ogr"));
    // A file again moves to the front, also when named another way.
    liste = ZuletztGeoeffnet::Eintragen(liste, QStringLiteral("/d/x/../f5.ogr"));
    EXPECT_EQ(liste.size(), 8);
    EXPECT_EQ(liste.first(), QStringLiteral("/d/f5.ogr"));
    EXPECT_EQ(liste.count(QStringLiteral("/d/f5.ogr")), 1);
    liste = ZuletztGeoeffnet::Entfernen(liste, QStringLiteral("/d/f5.ogr"));
    EXPECT_EQ(liste.size(), 7);
    EXPECT_FALSE(liste.contains(QStringLiteral("/d/f5.ogr")));
}

TEST(ZuletztGeoeffnet, SectionRoundTripsAndReplacesOlderEntries) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("u.cfg"));
    {
        TIniDatei ini(pfad);
        EXPECT_FALSE(ZuletztGeoeffnet::Vorhanden(ini));
        ZuletztGeoeffnet::Schreiben(
            ini, {QStringLiteral("/a.ogr"), QStringLiteral("/b.ome"), QStringLiteral("/c.oor")});
        ini.SchreibeText(QStringLiteral("Allgemein"), QStringLiteral("Benutzer"),
                         QStringLiteral("X"));
        ASSERT_TRUE(ini.Speichern());
    }
    {
        TIniDatei ini(pfad);
        ASSERT_TRUE(ZuletztGeoeffnet::Vorhanden(ini));
        EXPECT_EQ(ZuletztGeoeffnet::Lesen(ini), (QStringList{"/a.ogr", "/b.ome", "/c.oor"}));
        // A shorter list leaves no stale third entry behind.
        ZuletztGeoeffnet::Schreiben(ini, {QStringLiteral("/z.ogr")});
        ASSERT_TRUE(ini.Speichern());
    }
    const TIniDatei ini(pfad);
    EXPECT_EQ(ZuletztGeoeffnet::Lesen(ini), QStringList{"/z.ogr"});
    EXPECT_EQ(ini.LiesText(QStringLiteral("Allgemein"), QStringLiteral("Benutzer"), {}),
              QStringLiteral("X"));
}
