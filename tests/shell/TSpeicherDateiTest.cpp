// The one save path: what it refuses, and that a failed or abandoned save leaves the old file.
#include "shell/TSpeicherDatei.h"
#include "TestHilfen.h"
#include "shell/DateiPruefung.h"

#include <QDir>
#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

TEST(TSpeicherDatei, WritesAndReplacesAFile) {
    TTestProgramm t;
    DateiSchreiben(t.Pfad("a.txt"), "alt");
    QString fehler;
    const TErgebnis ergebnis = TSpeicherDatei::Alles(t.Pfad("a.txt"), "neu und länger");
    EXPECT_TRUE(ergebnis);
    fehler = ergebnis.Meldung;
    EXPECT_TRUE(fehler.isEmpty());
    EXPECT_EQ(DateiLesen(t.Pfad("a.txt")), QByteArray("neu und länger"));
    // An empty content is a file of 0 bytes, not a failure.
    EXPECT_TRUE(TSpeicherDatei::Alles(t.Pfad("leer.txt"), QByteArray()));
    EXPECT_TRUE(QFileInfo(t.Pfad("leer.txt")).isFile());
}

TEST(TSpeicherDatei, RefusesATargetThatIsNoRegularFile) {
    TTestProgramm t;
    QDir().mkpath(t.Pfad("verzeichnis"));
    ASSERT_EQ(mkfifo(QFile::encodeName(t.Pfad("fifo")).constData(), 0644), 0);
    const struct {
        const char* Name;
        const char* Art;
    } faelle[] = {{"verzeichnis", "ein Verzeichnis"}, {"fifo", "eine FIFO"}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.Name);
        QString fehler;
        const TErgebnis ergebnis = TSpeicherDatei::Alles(t.Pfad(f.Name), "x");
        EXPECT_FALSE(ergebnis);
        fehler = ergebnis.Meldung;
        EXPECT_TRUE(fehler.contains(QString::fromUtf8(f.Art))) << fehler.toStdString();
        EXPECT_TRUE(fehler.contains(t.Pfad(f.Name)));
    }
    EXPECT_TRUE(QFileInfo(t.Pfad("verzeichnis")).isDir());
    struct stat s {};
    ASSERT_EQ(stat(QFile::encodeName(t.Pfad("fifo")).constData(), &s), 0);
    EXPECT_TRUE(S_ISFIFO(s.st_mode));
    // Nothing was left beside them.
    EXPECT_EQ(QDir(t.Pfad()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot).size(),
              0);
}

TEST(TSpeicherDatei, AnAbandonedOrFailedSaveLeavesTheOldFile) {
    TTestProgramm t;
    DateiSchreiben(t.Pfad("a.txt"), "alt");
    {
        TSpeicherDatei d(t.Pfad("a.txt"));
        ASSERT_TRUE(d.Oeffnen());
        ASSERT_TRUE(d.Schreiben(QByteArray("halb")));
        // Goes out of scope without Abschliessen: abandoned.
    }
    EXPECT_EQ(DateiLesen(t.Pfad("a.txt")), QByteArray("alt"));
    {
        TSpeicherDatei d(t.Pfad("a.txt"));
        ASSERT_TRUE(d.Oeffnen());
        d.Verwerfen();
        EXPECT_FALSE(d.Abschliessen());
    }
    EXPECT_EQ(DateiLesen(t.Pfad("a.txt")), QByteArray("alt"));
    // A directory that cannot be there.
    QString fehler;
    const TErgebnis ergebnis = TSpeicherDatei::Alles(t.Pfad("a.txt/b.txt"), "x");
    EXPECT_FALSE(ergebnis);
    fehler = ergebnis.Meldung;
    EXPECT_FALSE(fehler.isEmpty());
    EXPECT_EQ(QDir(t.Pfad()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"a.txt"});
}

TEST(DateiPruefung, OnlyRegularFilesAreRead) {
    TTestProgramm t;
    DateiSchreiben(t.Pfad("a.ome"), "x");
    QFile::link(t.Pfad("a.ome"), t.Pfad("verweis.ome"));
    ASSERT_EQ(mkfifo(QFile::encodeName(t.Pfad("fifo")).constData(), 0644), 0);
    EXPECT_TRUE(DateiPruefung::Lesbar(t.Pfad("a.ome")).isEmpty());
    EXPECT_TRUE(DateiPruefung::Lesbar(t.Pfad("verweis.ome")).isEmpty());
    EXPECT_TRUE(DateiPruefung::Lesbar(t.Pfad("fehlt")).contains("gibt es nicht"));
    EXPECT_TRUE(DateiPruefung::Lesbar(t.Pfad("fifo")).contains("FIFO"));
    EXPECT_TRUE(DateiPruefung::Lesbar(t.Pfad()).contains("Verzeichnis"));
    EXPECT_TRUE(DateiPruefung::Lesbar("/dev/null").contains("Gerät"));
    EXPECT_TRUE(DateiPruefung::Beschreibbar(t.Pfad("fehlt")).isEmpty());
    EXPECT_TRUE(DateiPruefung::Beschreibbar(t.Pfad("a.ome")).isEmpty());
    EXPECT_TRUE(DateiPruefung::Beschreibbar("/dev/null").contains("Gerät"));
}

} // namespace
