#include "graph/Export.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TKurve Kurve(const QString& name, QVector<double> x, QVector<double> y) {
    TKurve k;
    k.Name = name;
    k.Werte = {x, y};
    return k;
}

QByteArray DateiInhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

TEST(Export, TwoCurvesLineForLine) {
    TDiagramm d;
    d.Kurven = {Kurve(QStringLiteral("A"), {1, 2, 3}, {10, 20, 30}),
                Kurve(QStringLiteral("B"), {5}, {50})};
    d.Kurven[1].Sichtbar = false; // hidden curves are exported too
    EXPECT_EQ(Export::ExportZeilen(d, u','),
              (QStringList{"AX,AY,BX,BY", "1,10,5,50", "2,20,,", "3,30,,", ",,,"}));

    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("a.csv"));
    ASSERT_TRUE(Export::Exportieren(csv, d));
    EXPECT_EQ(DateiInhalt(csv),
              QByteArray("AX,AY,BX,BY\r\n1,10,5,50\r\n2,20,,\r\n3,30,,\r\n,,,\r\n"));
    const QString txt = dir.filePath(QStringLiteral("a.txt"));
    ASSERT_TRUE(Export::Exportieren(txt, d));
    EXPECT_EQ(DateiInhalt(txt),
              QByteArray("AX\tAY\tBX\tBY\r\n1\t10\t5\t50\r\n2\t20\t\t\r\n3\t30\t\t\r\n\t\t\t\r\n"));
}

TEST(Export, ShownValuesInTheGeneralNumberFormat) {
    TDiagramm d;
    TKurve k = Kurve(QStringLiteral("T"), {0, 4, 45000.5}, {1, 2, 1e-20});
    k.Intervall = 2;
    k.Start = 1;
    k.YOffset = 0.5;
    k.YFaktor = 3;
    d.Kurven = {k};
    EXPECT_EQ(Export::ExportZeilen(d, u','),
              (QStringList{"TX,TY", "2,4.5", "10,7.5", "90003,1.5", ","}));
}

TEST(Export, QuotingOfFields) {
    struct TFall {
        QStringList Felder;
        QChar Trenner;
        QString Zeile;
    };
    const TFall faelle[] = {
        {{"Kurve 1X", "Kurve 1Y"}, u',', "\"Kurve 1X\",\"Kurve 1Y\""},
        {{"Kurve 1X", "Kurve 1Y"}, QChar(9), "\"Kurve 1X\"\t\"Kurve 1Y\""},
        {{"a,bX", "a\"bY"}, u',', "\"a,bX\",\"a\"\"bY\""},
        {{"a,bX"}, QChar(9), "a,bX"}, // the comma is no delimiter in the text export
        {{"a\tb"}, u',', "\"a\tb\""}, // control characters are quoted in both
        {{"Ölstand"}, u',', "Ölstand"},
        {{""}, u',', "\"\""}, // one empty field alone
        {{"", ""}, u',', ","},
        {{}, u',', ""},
    };
    for (const TFall& f : faelle) {
        EXPECT_EQ(Export::FelderVerbinden(f.Felder, f.Trenner), f.Zeile) << f.Zeile.toStdString();
    }
}

TEST(Export, WithoutCurvesAnEmptyHeaderAndOneEmptyDataLine) {
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("leer.csv"));
    ASSERT_TRUE(Export::ExportCSV(csv, TDiagramm{}));
    EXPECT_EQ(DateiInhalt(csv), QByteArray("\r\n\r\n"));
}

TEST(Export, OnlyTheExactExtensionsExport) {
    QTemporaryDir dir;
    TDiagramm d;
    d.Kurven = {Kurve(QStringLiteral("A"), {1}, {2})};
    for (const char* name : {"a.CSV", "a.TXT", "a.Csv", "a.dat", "a", "a.csv.bak"}) {
        const QString pfad = dir.filePath(QLatin1String(name));
        EXPECT_EQ(Export::ArtNachEndung(pfad), Export::TArt::Keine) << name;
        EXPECT_FALSE(Export::Exportieren(pfad, d)) << name;
        EXPECT_FALSE(QFile::exists(pfad)) << name;
    }
    EXPECT_EQ(Export::ArtNachEndung(QStringLiteral("x.y.csv")), Export::TArt::CSV);
    EXPECT_EQ(Export::ArtNachEndung(QStringLiteral("x.txt")), Export::TArt::Text);
}

TEST(Export, FailedWriteReportsAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("alt.csv"));
    {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("alt");
    }
    const TErgebnis e = Export::ExportCSV(dir.filePath(QStringLiteral("fehlt/x.csv")), TDiagramm{});
    EXPECT_FALSE(e);
    EXPECT_FALSE(e.Meldung.isEmpty());
    EXPECT_EQ(DateiInhalt(pfad), QByteArray("alt"));
}

} // namespace
