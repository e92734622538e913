// The real program started with files on its command line ("orvan FILE...", as the desktop's
// file associations start it): its start-up check (ORVAN_STARTPROBE) writes the graph windows
// it opened and the messages it gave, then ends.
#include "UiTestHilfen.h"

#include "graph/GraphDatei.h"
#include "measurement/MessDateiSchreiber.h"
#include "measurement/MessTestHilfen.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct TStart {
    int Ergebnis = -1;
    QStringList Fenster; // "curves<TAB>title" of each graph window, in order
    QString Nachrichten; // standard error
};

TStart Starten(const TUiProgramm& p, const QStringList& dateien) {
    QProcess prozess;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("ORVAN_HOME"), p.Pfad());
    umgebung.insert(QStringLiteral("ORVAN_STARTPROBE"), QStringLiteral("1"));
    umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    prozess.setProcessEnvironment(umgebung);
    prozess.start(QStringLiteral(ORVAN_BIN_DIR "/orvan"), dateien);
    TStart s;
    if (!prozess.waitForFinished(60000)) {
        prozess.kill();
        prozess.waitForFinished();
        s.Nachrichten = QStringLiteral("orvan did not end");
        return s;
    }
    s.Ergebnis = prozess.exitStatus() == QProcess::NormalExit ? prozess.exitCode() : -2;
    for (const QString& zeile :
         QString::fromUtf8(prozess.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts)) {
        if (zeile.startsWith(QStringLiteral("window\t"))) {
            s.Fenster << zeile.mid(7);
        }
    }
    s.Nachrichten = QString::fromUtf8(prozess.readAllStandardError());
    return s;
}

} // namespace

TEST(StartDateien, EachKindOfFileOnTheCommandLineIsOpenedAsADropWould) {
    TUiProgramm p;
    TDiagramm d;
    d.Titel = QStringLiteral("Gespeichert");
    d.Kurven = {GraphTestDaten::Kurve(QStringLiteral("A"), {0, 1}, {1, 2}),
                GraphTestDaten::Kurve(QStringLiteral("B"), {0, 1}, {3, 4})};
    const QString graph = p.Pfad(QStringLiteral("Daten/zwei.ogr"));
    ASSERT_TRUE(GraphDatei::GraphDateiSchreiben(graph, d));
    // The sample measurements of the README, made by the project's own generator.
    ASSERT_EQ(QProcess::execute(QStringLiteral("python3"),
                                {QStringLiteral(ORVAN_SOURCE_DIR "/scripts/beispieldaten-erzeugen"),
                                 p.Pfad(QStringLiteral("Daten"))}),
              0);
    const QString messung = p.Pfad(QStringLiteral("Daten/Klimaschrank.ome"));
    ASSERT_TRUE(QFileInfo::exists(messung));
    const QString text = p.Pfad(QStringLiteral("Daten/notiz.txt"));
    QFile notiz(text);
    ASSERT_TRUE(notiz.open(QIODevice::WriteOnly));
    notiz.write("keine Kurven\n");
    notiz.close();
    const QString fehlt = p.Pfad(QStringLiteral("Daten/fehlt.ogr"));
    const QString auftrag = p.Pfad(QStringLiteral("Daten/auftrag.oor"));
    TMessDatei job = BeispielAuftrag();
    job.Name = QStringLiteral("VL-4 Kompakt");
    ASSERT_TRUE(MessDateiSchreiben(auftrag, true, job));

    struct TFall {
        const char* Name;
        QStringList Dateien;
        QStringList Fenster; // a title "*" stands for any
        QString Nachricht;   // a line of standard error starts with it; empty: no message 0/28
    } const faelle[] = {
        {"graph file in a window of its own", {graph}, {QStringLiteral("2\tzwei.ogr")}, {}},
        {"measurement file into a new graph", {messung}, {QStringLiteral("4\t*")}, {}},
        {"job file into a new graph", {auftrag}, {QStringLiteral("1\t*")}, {}},
        {"any other file is refused as the open command refuses it",
         {text},
         {},
         QStringLiteral("message 0: (0) Allgemeiner Hinweis / Warnung / Fehler!\\r") + text +
             QStringLiteral("\\rist keine Graph-, Mess- oder Auftragsdatei.")},
        {"missing file", {fehlt}, {}, QStringLiteral("message 28: ")},
        {"several, in the given order",
         {fehlt, messung, graph},
         {QStringLiteral("4\t*"), QStringLiteral("2\tzwei.ogr")},
         QStringLiteral("message 28: ")},
        {"no file", {}, {}, {}},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        const TStart s = Starten(p, f.Dateien);
        EXPECT_EQ(s.Ergebnis, 0) << s.Nachrichten.toStdString();
        ASSERT_EQ(s.Fenster.size(), f.Fenster.size()) << s.Fenster.join(u'|').toStdString() << "\n"
                                                      << s.Nachrichten.toStdString();
        for (qsizetype i = 0; i < f.Fenster.size(); ++i) {
            const QStringList erwartet = f.Fenster[i].split(u'\t');
            const QStringList gezeigt = s.Fenster[i].split(u'\t');
            ASSERT_EQ(gezeigt.size(), 2) << s.Fenster[i].toStdString();
            EXPECT_EQ(gezeigt[0], erwartet[0]) << s.Fenster[i].toStdString();
            if (erwartet[1] != u"*") {
                EXPECT_TRUE(gezeigt[1].contains(erwartet[1])) << s.Fenster[i].toStdString();
            }
        }
        const QStringList zeilen = s.Nachrichten.split(u'\n');
        const auto gegeben = [&](const QString& anfang) {
            return std::any_of(zeilen.begin(), zeilen.end(),
                               [&](const QString& z) { return z.startsWith(anfang); });
        };
        if (f.Nachricht.isEmpty()) {
            EXPECT_FALSE(gegeben(QStringLiteral("message 0: "))) << s.Nachrichten.toStdString();
            EXPECT_FALSE(gegeben(QStringLiteral("message 28: "))) << s.Nachrichten.toStdString();
        } else {
            EXPECT_TRUE(gegeben(f.Nachricht)) << s.Nachrichten.toStdString();
        }
        if (f.Nachricht.startsWith(QStringLiteral("message 28: "))) {
            EXPECT_TRUE(s.Nachrichten.contains(fehlt)) << s.Nachrichten.toStdString();
        }
    }
}
