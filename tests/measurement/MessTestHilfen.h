#pragma once

#include "measurement/MessDateiSchreiber.h"
#include "measurement/TMessDatei.h"
#include "shell/DatumZeit.h"
#include "shell/TestHilfen.h"

#include <QDir>
#include <QtEndian>

inline double Zeit(int j, int m, int t, int h = 0, int n = 0, int s = 0, int ms = 0) {
    return *DatumZeit::Kodieren({j, m, t, h, n, s, ms});
}

inline QByteArray Hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// The device of the small job used throughout: one ANA channel of 12 bits, 100 Hz.
inline TMessDatei BeispielAuftrag() {
    TMessDatei d;
    d.Name = "D";
    d.Speicher = 32768;
    d.Takt = 1000;
    d.Teiler = 10;
    d.Messfrequenz = 100;
    d.KanalAnzahl = 1;
    d.KanalInfo = {QVector<quint8>{2}, {12}, {255}, {1}};
    d.Datum = Zeit(2000, 1, 1);
    d.Auftrag.AuftragName = "J";
    d.Auftrag.AnzahlReihen = 1;
    d.Auftrag.MessTakte = 1000;
    d.Auftrag.Start = Zeit(2024, 5, 6, 7, 8, 9);
    TMessreihe r;
    r.Aktiv = 1;
    r.Kanal = 0;
    r.Messkonstante = 1.0;
    r.Nullwert = 0.0;
    r.Abstand = 1;
    r.Name = "S";
    r.Einheit = "Bit";
    r.Anzahl = 1000;
    d.Messreihen = {r};
    return d;
}

// A series of an ANA channel with the given spacing, scaled 1:1.
inline TMessreihe Reihe(quint32 abstand, const QString& name = "S") {
    TMessreihe r;
    r.Aktiv = 1;
    r.Messkonstante = 1.0;
    r.Abstand = abstand;
    r.Name = name;
    r.Einheit = "Bit";
    return r;
}

// Gives the record `kanaele` channels of the same type and resolution.
inline void Kanaele(TMessDatei& d, int kanaele, quint8 typ = 2, quint8 aufloesung = 12) {
    d.KanalAnzahl = quint8(kanaele);
    d.KanalInfo = {QVector<quint8>(kanaele, typ), QVector<quint8>(kanaele, aufloesung),
                   QVector<quint8>(kanaele, 255), QVector<quint8>(kanaele, 1)};
}

// A measurement file: the header of `kopf` with Gesamtlaenge covering `daten`, plus
// `gesamtKorrektur` bytes (negative: the file claims less).
inline QByteArray Messdatei(const TMessDatei& kopf, const QByteArray& daten,
                            qint64 gesamtKorrektur = 0) {
    QByteArray b;
    MessDateiKodieren(kopf, false, b);
    const qint32 gesamt = qint32(b.size() + daten.size() + gesamtKorrektur);
    qToLittleEndian<qint32>(gesamt, b.data());
    return b + daten;
}

// A time stamp group as the instrument writes it.
inline QByteArray Stempel(int j, int m, int t, int h, int n, int s, int ms) {
    auto bcd = [](int z) { return char((z / 10) * 16 + z % 10); };
    QByteArray g;
    for (int z : {j - 2000, m, t, h, n, s, ms / 100, ms % 100}) {
        g.append(bcd(z));
    }
    return g;
}

// A program directory with a device catalogue; the selected device is `geraet`.
struct TMessProgramm : TTestProgramm {
    explicit TMessProgramm(const QByteArray& katalog = "[D]\nSpeicher=32768\nTakt=1000\n"
                                                       "Teiler=10\nKanalTyp0=2\n"
                                                       "KanalAufloesung0=12\n",
                           const QString& geraet = "D") {
        QDir().mkpath(Pfad("Config"));
        DateiSchreiben(Pfad("Config/Geraete.cfg"), katalog);
        App.AppConst.PrgKonfigPfad = Pfad("Config/");
        App.AppConst.Geraet = geraet;
        App.AppConst.GeraeteListe = {geraet};
    }
};
