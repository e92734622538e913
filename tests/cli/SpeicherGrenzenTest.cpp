#include "CliLauf.h"
#include "measurement/MessDateiSchreiber.h"
#include "shell/DatumZeit.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QtEndian>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAdressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAdressSanitizer = true;
#else
constexpr bool kAdressSanitizer = false;
#endif
#else
constexpr bool kAdressSanitizer = false;
#endif

void Schreiben(const QString& pfad, const QByteArray& inhalt, qint64 nullenDahinter = 0) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(inhalt), inhalt.size());
    // The rest as a hole: zero bytes that cost no disk.
    ASSERT_TRUE(f.resize(inhalt.size() + nullenDahinter));
}

// A program directory whose device D has one 8-bit channel.
struct TSpeicherHeim : TCliHeim {
    TSpeicherHeim() {
        QDir().mkpath(Pfad("Config"));
        Schreiben(Pfad("Config/Geraete.cfg"),
                  "[D]\nSpeicher=32768\nTakt=1000\nTeiler=10\nKanalTyp0=2\nKanalAufloesung0=8\n");
        Schreiben(Pfad("Config/ORVANUser.cfg"), "[Hardware]\nGeraet=D\n");
    }

    // orvan-cli with its address space limited to `grenze` bytes.
    TCliLauf BegrenztLauf(const QStringList& argumente, qint64 grenze) const {
        QProcess prozess;
        prozess.setProgram(QStringLiteral(ORVAN_BIN_DIR "/orvan-cli"));
        prozess.setArguments(QStringList{QStringLiteral("--home"), Verzeichnis.path()} + argumente);
        prozess.setChildProcessModifier([grenze] {
            const rlimit r{rlim_t(grenze), rlim_t(grenze)};
            setrlimit(RLIMIT_AS, &r);
        });
        prozess.setStandardOutputFile(Pfad("ausgabe.json"));
        prozess.start();
        TCliLauf lauf;
        if (!prozess.waitForFinished(240000)) {
            prozess.kill();
            prozess.waitForFinished();
            lauf.Fehler = QStringLiteral("orvan-cli did not finish");
            return lauf;
        }
        lauf.Ergebnis = prozess.exitStatus() == QProcess::NormalExit ? prozess.exitCode() : -2;
        lauf.Fehler = QString::fromUtf8(prozess.readAllStandardError());
        return lauf;
    }
};

// A measurement file of device D with one 8-bit series in every cycle and `werte` values.
QByteArray Kopf(qint64 werte) {
    TMessDatei d;
    d.Name = "D";
    d.Speicher = 32768;
    d.Takt = 1000;
    d.Teiler = 10;
    d.KanalAnzahl = 1;
    d.KanalInfo = {QVector<quint8>{2}, {8}, {255}, {1}};
    d.Datum = *DatumZeit::Kodieren({2024, 5, 6, 7, 8, 9, 0});
    d.Auftrag.AnzahlReihen = 1;
    d.Auftrag.MessTakte = quint32(werte);
    d.Auftrag.Start = d.Datum;
    TMessreihe r;
    r.Aktiv = 1;
    r.Messkonstante = 1;
    r.Abstand = 1;
    r.Name = "S";
    d.Messreihen = {r};
    QByteArray b;
    MessDateiKodieren(d, false, b);
    qToLittleEndian<qint32>(qint32(b.size() + 8 + werte), b.data());
    return b + QByteArray::fromHex("2405060708090000");
}

// With 512 MB of address space: a file whose values would not fit gets a message saying so
// and a non-zero exit, never an abort; a dump of values that do fit streams its JSON
// instead of building it in memory (a document of three million values needed 420 MB).
TEST(Speichergrenze, TooLargeFilesGetAMessageAndDumpStreams) {
    if (kAdressSanitizer) {
        GTEST_SKIP() << "the address sanitizer reserves more address space than the limit";
    }
    constexpr qint64 kGrenze = qint64(512) << 20;
    const struct {
        const char* Name;
        QByteArray Kopf;
        qint64 Nullen;
        QStringList Argumente;
        int Ergebnis;
        const char* Meldung;
    } faelle[] = {
        {"raw import of 64 MB", {}, 64 << 20, {"--yes", "dump"}, 2, "Zu wenig Arbeitsspeicher"},
        {"measurement of 48 million values",
         Kopf(48000000),
         48000000,
         {"dump"},
         2,
         "Zu wenig Arbeitsspeicher"},
        {"dump of 3 million values", Kopf(3000000), 3000000, {"dump"}, 0, ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.Name);
        TSpeicherHeim h;
        Schreiben(h.Pfad("gross.ome"), f.Kopf, f.Nullen);
        const TCliLauf lauf =
            h.BegrenztLauf(f.Argumente + QStringList{h.Pfad("gross.ome")}, kGrenze);
        EXPECT_EQ(lauf.Ergebnis, f.Ergebnis) << lauf.Fehler.toStdString();
        EXPECT_TRUE(lauf.Fehler.contains(QString::fromUtf8(f.Meldung)))
            << lauf.Fehler.toStdString();
        if (f.Ergebnis == 0) {
            // Two lines per value, and the document ends as a document does.
            QFile aus(h.Pfad("ausgabe.json"));
            ASSERT_TRUE(aus.open(QIODevice::ReadOnly));
            qint64 zeilen = 0;
            QByteArray letzte;
            while (!aus.atEnd()) {
                letzte = aus.readLine();
                ++zeilen;
            }
            EXPECT_GT(zeilen, 2 * 3000000);
            EXPECT_EQ(letzte, "}\n");
        }
    }
}

// The streamed JSON is laid out exactly as QJsonDocument writes the same document, values
// that JSON cannot carry (-0, infinite) included.
TEST(Dump, StreamedJsonEqualsTheDocumentLayout) {
    TSpeicherHeim h;
    QByteArray datei = Kopf(5);
    // Messkonstante -0.0 of the series: every value becomes -0, written as its bits.
    const QByteArray konstante = QByteArray::fromHex("000000000000F03F");
    const qsizetype stelle = datei.lastIndexOf(konstante);
    ASSERT_GT(stelle, 0);
    datei.replace(stelle, 8, QByteArray::fromHex("0000000000000080"));
    Schreiben(h.Pfad("m.ome"), datei + QByteArray::fromHex("0102030405"));
    // As a job the series have no values: empty arrays.
    for (const QStringList& argumente :
         {QStringList{"dump", h.Pfad("m.ome")}, QStringList{"dump", h.Pfad("m.ome"), "--job"}}) {
        SCOPED_TRACE(argumente.join(' ').toStdString());
        const TCliLauf lauf = h.Lauf(argumente);
        ASSERT_EQ(lauf.Ergebnis, 0) << lauf.Fehler.toStdString();
        const QByteArray text = lauf.Ausgabe.toUtf8();
        QJsonParseError fehler;
        const QJsonDocument doc = QJsonDocument::fromJson(text, &fehler);
        ASSERT_EQ(fehler.error, QJsonParseError::NoError) << fehler.errorString().toStdString();
        EXPECT_EQ(doc.toJson(QJsonDocument::Indented), text);
    }
    const TCliLauf m = h.Lauf({"dump", h.Pfad("m.ome")});
    EXPECT_TRUE(m.Ausgabe.contains("\"0x8000000000000000\""));
}

} // namespace
