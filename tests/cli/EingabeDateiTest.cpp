// Input files that are not what a command can read: a missing file is said to be missing, a
// FIFO or a directory is refused before it is opened (reading a FIFO would wait for ever),
// and "--" ends the options.
#include "CliLauf.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

QString Arg(const char* a) {
    return QString::fromUtf8(a);
}

TEST(EingabeDatei, FifoOrDirectoryAsInputIsRefusedWithoutWaiting) {
    TCliHeim h;
    const QString fifo = h.Pfad(Arg("F.ome"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    QDir().mkpath(h.Pfad(Arg("V.ome")));
    for (const QString& eingabe : {fifo, h.Pfad(Arg("V.ome"))}) {
        const QString art = eingabe == fifo ? Arg("ist eine FIFO") : Arg("ist ein Verzeichnis");
        const QList<QStringList> befehle = {
            {Arg("dump"), eingabe},
            {Arg("dump"), eingabe, Arg("--job")},
            {Arg("graph"), eingabe, Arg("--out"), h.Pfad(Arg("G.ogr"))},
            {Arg("graph"), Arg("--into"), eingabe, Arg("--out"), h.Pfad(Arg("G.ogr"))},
            {Arg("export"), eingabe, h.Pfad(Arg("E.csv"))},
            {Arg("payload"), eingabe},
            {Arg("send-job"), eingabe},
            {Arg("write-job"), eingabe, h.Pfad(Arg("J.oor"))},
        };
        for (const QStringList& befehl : befehle) {
            SCOPED_TRACE(befehl.join(u' ').toStdString());
            // Ten seconds are plenty: the refusal comes before anything is opened.
            const TCliLauf r = h.Lauf(befehl, 10000);
            EXPECT_EQ(r.Ergebnis, 2) << r.Fehler.toStdString();
            EXPECT_TRUE(r.Fehler.contains(art)) << r.Fehler.toStdString();
            // Not taken for a file of another format: no raw-import question.
            EXPECT_FALSE(r.Fehler.contains(Arg("message 16: "))) << r.Fehler.toStdString();
        }
    }
    EXPECT_FALSE(QFile::exists(h.Pfad(Arg("G.ogr"))));
    EXPECT_FALSE(QFile::exists(h.Pfad(Arg("J.oor"))));
}

TEST(EingabeDatei, MissingInputIsSaidToBeMissing) {
    TCliHeim h;
    const QString fehlt = h.Pfad(Arg("fehlt.ome"));
    const QList<QStringList> befehle = {{Arg("dump"), fehlt},
                                        {Arg("graph"), fehlt, Arg("--out"), h.Pfad(Arg("G.ogr"))},
                                        {Arg("payload"), fehlt},
                                        {Arg("send-job"), fehlt},
                                        {Arg("write-job"), fehlt, h.Pfad(Arg("J.oor"))}};
    for (const QStringList& befehl : befehle) {
        SCOPED_TRACE(befehl.join(u' ').toStdString());
        const TCliLauf r = h.Lauf(befehl, 10000);
        EXPECT_EQ(r.Ergebnis, 2);
        EXPECT_TRUE(r.Fehler.contains(Arg("Die Datei \"") + fehlt + Arg("\" gibt es nicht")))
            << r.Fehler.toStdString();
        // Not "device ??? not in the catalogue", not "not in the expected format", no
        // raw-import question.
        EXPECT_FALSE(r.Fehler.contains(Arg("message 3: "))) << r.Fehler.toStdString();
        EXPECT_FALSE(r.Fehler.contains(Arg("message 2: "))) << r.Fehler.toStdString();
        EXPECT_FALSE(r.Fehler.contains(Arg("message 16: "))) << r.Fehler.toStdString();
    }
}

TEST(EingabeDatei, DoubleDashEndsTheOptions) {
    TCliHeim h;
    // Before the command: the end of the program's options.
    const TCliLauf text = h.Lauf({Arg("--"), Arg("text"), Arg("BefehlOKText")});
    EXPECT_EQ(text.Ergebnis, 0) << text.Fehler.toStdString();
    EXPECT_EQ(text.Ausgabe.trimmed(), Arg("Befehlsausführung in Ordnung"));

    // Among the command's arguments: what follows is a name, even with leading dashes, and
    // "--" itself is no file name.
    const QString seltsam = Arg("--job");
    const TCliLauf dump = h.Lauf({Arg("dump"), Arg("--"), seltsam});
    EXPECT_EQ(dump.Ergebnis, 2) << dump.Fehler.toStdString();
    EXPECT_TRUE(dump.Fehler.contains(Arg("Die Datei \"--job\" gibt es nicht")))
        << dump.Fehler.toStdString();
    EXPECT_FALSE(dump.Fehler.contains(Arg("\"--\""))) << dump.Fehler.toStdString();

    const TCliLauf graph =
        h.Lauf({Arg("graph"), Arg("--out"), h.Pfad(Arg("G.ogr")), Arg("--"), Arg("--into")});
    EXPECT_EQ(graph.Ergebnis, 2) << graph.Fehler.toStdString();
    EXPECT_TRUE(graph.Fehler.contains(Arg("Die Datei \"--into\" gibt es nicht")))
        << graph.Fehler.toStdString();
}

} // namespace
