#pragma once

// The measurement file both the reader and the import benchmark work on: a given number of
// measuring cycles with four active ANA channels of 12 and 16 bits (ten million cycles make
// about 80 MB), with pseudo-random values.
#include "measurement/MessDateiSchreiber.h"
#include "measurement/TMessDatei.h"
#include "shell/DatumZeit.h"

#include <QFile>
#include <QtEndian>

namespace BenchMessung {

inline constexpr int kKanaele = 4;
inline const quint8 kAufloesung[kKanaele] = {12, 12, 16, 16};

inline TMessDatei Kopf(quint32 takte) {
    TMessDatei d;
    d.Name = QStringLiteral("VL-8 Analog");
    d.Speicher = 0x7FFFFFFF;
    d.Takt = 32768;
    d.Teiler = 32;
    d.Messfrequenz = 1024;
    d.KanalAnzahl = kKanaele;
    for (int k = 0; k < kKanaele; ++k) {
        d.KanalInfo[0].append(2);
        d.KanalInfo[1].append(kAufloesung[k]);
        d.KanalInfo[2].append(255);
        d.KanalInfo[3].append(1);
    }
    d.Datum = *DatumZeit::Kodieren({2024, 5, 6, 7, 0, 0, 0});
    d.Auftrag.AuftragName = QStringLiteral("Dauerlauf");
    d.Auftrag.AnzahlReihen = kKanaele;
    d.Auftrag.MessTakte = takte;
    d.Auftrag.Start = d.Datum;
    for (int k = 0; k < kKanaele; ++k) {
        TMessreihe r;
        r.Aktiv = 1;
        r.Kanal = quint8(k);
        r.Messkonstante = 0.01 * (k + 1);
        r.Nullwert = -100;
        r.Abstand = 1;
        r.Name = QStringLiteral("Kanal %1").arg(k);
        r.Einheit = QStringLiteral("Bit");
        d.Messreihen.append(r);
    }
    return d;
}

inline bool DateiErzeugen(const QString& pfad, quint32 takte, qint64& kopfLaenge) {
    QByteArray kopf;
    if (!MessDateiKodieren(Kopf(takte), false, kopf)) {
        return false;
    }
    kopfLaenge = kopf.size();
    const qint64 daten = 8 + qint64(takte) * kKanaele * 2;
    qToLittleEndian<qint32>(qint32(kopf.size() + daten), kopf.data());
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly)) {
        return false;
    }
    f.write(kopf);
    f.write(QByteArray::fromHex("2405060700000000"));
    QByteArray block;
    quint32 zufall = 12345;
    for (quint32 c = 0; c < takte; ++c) {
        for (int k = 0; k < kKanaele; ++k) {
            zufall = zufall * 1103515245u + 12345u;
            const quint16 wert = quint16(zufall >> 16);
            block.append(char(wert & 0xFF)).append(char(wert >> 8));
        }
        if (block.size() >= (1 << 20)) {
            f.write(block);
            block.clear();
        }
    }
    f.write(block);
    return f.flush();
}

} // namespace BenchMessung
