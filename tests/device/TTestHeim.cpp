#include "TTestHeim.h"

#include "catalogue/GeraeteKatalog.h"
#include "measurement/MessDateiLeser.h"
#include "measurement/MessDateiSchreiber.h"
#include "shell/DatumZeit.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

TTestHeim::TTestHeim(int wartezeitMs) {
    QDir(Heim()).mkpath(QStringLiteral("Config"));
    QDir(Heim()).mkpath(QStringLiteral("Daten"));
    QByteArray katalog;
    for (const char* typ : {"TypA", "TypB"}) {
        katalog += QByteArray("[") + typ + "]\n";
        katalog += "ResetBefehl=R01\nUhrLesenBefehl=U01\nUhrSetzenBefehl=U02\n"
                   "MessungAbbrechenBefehl=M01\nGeraeteZustandBefehl=Z01\n"
                   "GeraeteInformationLesenBefehl=I01\nAuftragSendenBefehl=A01\n"
                   "DatenLesenBefehl=D01\nSpeicherTestBefehl=T01\nSpeicherLeerenBefehl=L01\n"
                   "Baud=9600\nDatenBits=8\nStopBits=1\nParity=0\nSpeicher=2000000\n"
                   "Takt=1000\nTeiler=10\nKanalAnzahl=1\nKanalTyp0=2\nKanalAufloesung0=12\n"
                   "AuftragSendFlags=111111111111111111111111\n";
        katalog += "Wartezeit=" + QByteArray::number(wartezeitMs) + "\n\n";
    }
    Schreiben(Pfad(QStringLiteral("Config/Geraete.cfg")), katalog);

    TAppConst& a = App.AppConst;
    a.ProgrammPfad = Heim() + QStringLiteral("/");
    a.PrgKonfigPfad = a.ProgrammPfad + QStringLiteral("Config/");
    a.KonfigurationsPfad = a.PrgKonfigPfad;
    a.UserKonfigDatei = QStringLiteral("ORVANUser.cfg");
    a.DatenPfad = DatenPfad();
    a.Geraet = QStringLiteral("TypA");
    GeraeteListeLesen(App, a.GeraeteListe);
    GeraetLesen(App, a.Geraet, App.AktuellesGeraet);
}

void TTestHeim::Schreiben(const QString& pfad, const QByteArray& daten) const {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << pfad.toStdString();
    f.write(daten);
}

QByteArray TTestHeim::Lesen(const QString& pfad) const {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray TTestHeim::Messdatei(int bytes) const {
    TMessDatei d;
    static_cast<TGeraet&>(d) = App.AktuellesGeraet;
    d.Datum = *DatumZeit::Kodieren({2024, 5, 6});
    d.Auftrag.AuftragName = QStringLiteral("Prüfstand 3");
    d.Auftrag.AnzahlReihen = 1;
    const int werte = std::max(1, (bytes - 200) / 2);
    d.Auftrag.MessTakte = quint32(werte);
    d.Auftrag.Start = *DatumZeit::Kodieren({2024, 5, 6, 7, 8, 9});
    TMessreihe r;
    r.Aktiv = 1;
    r.Messkonstante = 0.5;
    r.Nullwert = 1.0;
    r.Abstand = 1;
    r.Name = QStringLiteral("Druck");
    r.Einheit = QStringLiteral("Bit");
    r.Anzahl = quint32(werte);
    d.Messreihen = {r};
    QByteArray datei;
    EXPECT_TRUE(MessDateiKodieren(d, false, datei));
    // The data part: the start stamp (BCD) and one 12-bit value per cycle.
    QByteArray teil;
    for (int z : {24, 5, 6, 7, 8, 9, 0, 0}) {
        teil += char((z / 10) * 16 + z % 10);
    }
    for (int i = 0; i < werte; ++i) {
        const quint16 wert = quint16((i * 37) % 4096);
        teil += char(wert & 0xFF);
        teil += char(wert >> 8);
    }
    qToLittleEndian<qint32>(qint32(datei.size() + teil.size()), datei.data());
    return datei + teil;
}

void TTestHeim::GleicheMessung(const QString& a, const QString& b) {
    TMessDatei da, db;
    ASSERT_TRUE(MessDateiPruefen(App, a, App.ArbeitsDatei));
    const TLeseErgebnis ea = MessDateiLesen(App, a, false, da);
    ASSERT_TRUE(ea) << ea.Meldung.toStdString();
    ASSERT_TRUE(MessDateiPruefen(App, b, App.ArbeitsDatei));
    const TLeseErgebnis eb = MessDateiLesen(App, b, false, db);
    ASSERT_TRUE(eb) << eb.Meldung.toStdString();
    ASSERT_EQ(da.Messreihen.size(), 1);
    EXPECT_GT(da.Messreihen[0].Messwerte[1].size(), 1000);
    EXPECT_EQ(da.Messreihen, db.Messreihen);
    EXPECT_EQ(da.Auftrag, db.Auftrag);
}
