#include "cli/MessDateiJson.h"

#include <QJsonArray>
#include <bit>
#include <cmath>

namespace {

QJsonValue Zahl(double wert) {
    if (std::isfinite(wert) && !(wert == 0 && std::signbit(wert))) {
        return wert;
    }
    return QStringLiteral("0x%1").arg(std::bit_cast<quint64>(wert), 16, 16, QChar(u'0'));
}

QString FlagText(const QVector<bool>& flags) {
    QString text;
    for (bool f : flags) {
        text += f ? u'1' : u'0';
    }
    return text;
}

QJsonArray Werte(const QVector<double>& werte) {
    QJsonArray a;
    for (double w : werte) {
        a.append(Zahl(w));
    }
    return a;
}

} // namespace

QString MesswerteMarke(int reihe) {
    return QStringLiteral("@Messwerte %1@").arg(reihe);
}

namespace {

// Reads keys of one object; the first unusable one ends the conversion.
class TJsonLeser {
public:
    TJsonLeser(const QJsonObject& o, const QString& ort, QString& fehler)
        : FO(o), FOrt(ort), FFehler(fehler) {}

    bool Ok() const { return FFehler.isEmpty(); }

    QJsonValue Wert(const char* schluessel) {
        const QJsonValue v = FO.value(QLatin1String(schluessel));
        if (v.isUndefined()) {
            Fehler(schluessel, QStringLiteral("fehlt"));
        }
        return v;
    }

    double Gleitzahl(const char* schluessel) { return Gleitzahl(Wert(schluessel), schluessel); }

    double Gleitzahl(const QJsonValue& v, const char* schluessel) {
        if (!Ok()) {
            return 0;
        }
        if (v.isDouble()) {
            return v.toDouble();
        }
        bool ok = false;
        const QString t = v.toString();
        const quint64 bits = t.startsWith(u"0x") ? t.mid(2).toULongLong(&ok, 16) : 0;
        if (!ok || t.size() != 18) {
            Fehler(schluessel, QStringLiteral("ist keine Zahl"));
            return 0;
        }
        return std::bit_cast<double>(bits);
    }

    qint64 Ganzzahl(const char* schluessel, qint64 minimum, qint64 maximum) {
        return Ganzzahl(Wert(schluessel), schluessel, minimum, maximum);
    }

    qint64 Ganzzahl(const QJsonValue& v, const char* schluessel, qint64 minimum, qint64 maximum) {
        if (!Ok()) {
            return 0;
        }
        const double d = v.toDouble(std::nan(""));
        if (!v.isDouble() || d != std::trunc(d) || d < double(minimum) || d > double(maximum)) {
            Fehler(schluessel,
                   QStringLiteral("ist keine ganze Zahl von %1 bis %2").arg(minimum).arg(maximum));
            return 0;
        }
        return qint64(d);
    }

    QString Text(const char* schluessel) {
        const QJsonValue v = Wert(schluessel);
        if (Ok() && !v.isString()) {
            Fehler(schluessel, QStringLiteral("ist kein Text"));
        }
        return v.toString();
    }

    bool Bool(const char* schluessel) {
        const QJsonValue v = Wert(schluessel);
        if (Ok() && !v.isBool()) {
            Fehler(schluessel, QStringLiteral("ist kein Wahrheitswert"));
        }
        return v.toBool();
    }

    QVector<bool> Flags(const char* schluessel) {
        const QString t = Text(schluessel);
        QVector<bool> flags;
        for (QChar c : t) {
            if (c != u'0' && c != u'1') {
                Fehler(schluessel, QStringLiteral("enthält anderes als 0 und 1"));
                return {};
            }
            flags.append(c == u'1');
        }
        return flags;
    }

    QJsonArray Feld(const char* schluessel) {
        const QJsonValue v = Wert(schluessel);
        if (Ok() && !v.isArray()) {
            Fehler(schluessel, QStringLiteral("ist kein Feld"));
        }
        return v.toArray();
    }

    QJsonObject Objekt(const char* schluessel) {
        const QJsonValue v = Wert(schluessel);
        if (Ok() && !v.isObject()) {
            Fehler(schluessel, QStringLiteral("ist kein Objekt"));
        }
        return v.toObject();
    }

    void Fehler(const char* schluessel, const QString& was) {
        if (Ok()) {
            FFehler = FOrt + QLatin1String(schluessel) + u' ' + was;
        }
    }

private:
    const QJsonObject& FO;
    QString FOrt;
    QString& FFehler;
};

} // namespace

QJsonObject MessDateiNachJson(const TMessDatei& d, bool mitWerten) {
    QJsonObject o;
    o["Name"] = d.Name;
    o["Version"] = d.Version;
    o["Firmware"] = d.Firmware;
    o["Speicher"] = qint64(d.Speicher);
    o["VarekSNr"] = d.VarekSNr;
    o["SerienNummer"] = d.SerienNummer;
    o["Takt"] = qint64(d.Takt);
    o["Teiler"] = qint64(d.Teiler);
    o["Messfrequenz"] = Zahl(d.Messfrequenz);
    o["Zustand"] = d.Zustand;
    o["KanalAnzahl"] = d.KanalAnzahl;
    QJsonArray kanalInfo;
    for (const auto& zeile : d.KanalInfo) {
        QJsonArray z;
        for (quint8 b : zeile) {
            z.append(b);
        }
        kanalInfo.append(z);
    }
    o["KanalInfo"] = kanalInfo;
    o["Datum"] = Zahl(d.Datum);
    o["ResetBefehl"] = d.ResetBefehl;
    o["UhrLesenBefehl"] = d.UhrLesenBefehl;
    o["UhrSetzenBefehl"] = d.UhrSetzenBefehl;
    o["MessungAbbrechenBefehl"] = d.MessungAbbrechenBefehl;
    o["GeraeteZustandBefehl"] = d.GeraeteZustandBefehl;
    o["GeraeteInformationLesenBefehl"] = d.GeraeteInformationLesenBefehl;
    o["AuftragSendenBefehl"] = d.AuftragSendenBefehl;
    o["DatenLesenBefehl"] = d.DatenLesenBefehl;
    o["SpeicherTestBefehl"] = d.SpeicherTestBefehl;
    o["SpeicherLeerenBefehl"] = d.SpeicherLeerenBefehl;
    o["Parity"] = d.Parity;
    o["DatenBits"] = d.DatenBits;
    o["StopBits"] = d.StopBits;
    o["AutoStart"] = d.AutoStart;
    o["AutoAus"] = d.AutoAus;
    o["Wartezeit"] = d.Wartezeit;
    o["Baud"] = d.Baud;
    o["AuftragFormFlags"] = FlagText(d.AuftragFormFlags);
    o["AuftragSendFlags"] = FlagText(d.AuftragSendFlags);
    o["MessungEmpfFlags"] = FlagText(d.MessungEmpfFlags);

    const TAuftrag& a = d.Auftrag;
    QJsonObject auftrag;
    auftrag["AuftragName"] = a.AuftragName;
    auftrag["Firma"] = a.Firma;
    auftrag["Abteilung"] = a.Abteilung;
    auftrag["Bearbeiter"] = a.Bearbeiter;
    auftrag["Kommentar"] = a.Kommentar;
    auftrag["Nummer"] = a.Nummer;
    auftrag["AnzahlReihen"] = a.AnzahlReihen;
    auftrag["AbstandZeitstempel"] = qint64(a.AbstandZeitstempel);
    auftrag["MessTakte"] = qint64(a.MessTakte);
    auftrag["Start"] = Zahl(a.Start);
    o["Auftrag"] = auftrag;

    QJsonArray reihen;
    for (const TMessreihe& r : d.Messreihen) {
        QJsonObject j;
        j["Anzahl"] = qint64(r.Anzahl);
        j["Aktiv"] = r.Aktiv;
        j["Kanal"] = r.Kanal;
        j["Messkonstante"] = Zahl(r.Messkonstante);
        j["Nullwert"] = Zahl(r.Nullwert);
        j["Abstand"] = qint64(r.Abstand);
        j["Name"] = r.Name;
        j["Einheit"] = r.Einheit;
        if (mitWerten) {
            j["Messwerte"] = QJsonArray{Werte(r.Messwerte[0]), Werte(r.Messwerte[1])};
        } else {
            j["Messwerte"] = MesswerteMarke(int(reihen.size()));
        }
        reihen.append(j);
    }
    o["Messreihen"] = reihen;
    return o;
}

TErgebnis MessDateiAusJson(const QJsonObject& json, TMessDatei& ziel) {
    QString fehler;
    TMessDatei d;
    TJsonLeser l(json, QString(), fehler);
    d.Name = l.Text("Name");
    d.Version = quint16(l.Ganzzahl("Version", 0, 65535));
    d.Firmware = quint16(l.Ganzzahl("Firmware", 0, 65535));
    d.Speicher = quint32(l.Ganzzahl("Speicher", 0, 0xFFFFFFFF));
    d.VarekSNr = l.Text("VarekSNr");
    d.SerienNummer = l.Text("SerienNummer");
    d.Takt = quint32(l.Ganzzahl("Takt", 0, 0xFFFFFFFF));
    d.Teiler = quint32(l.Ganzzahl("Teiler", 0, 0xFFFFFFFF));
    d.Messfrequenz = d.Teiler ? double(d.Takt) / double(d.Teiler) : 0.0;
    d.Zustand = quint8(l.Ganzzahl("Zustand", 0, 255));
    d.KanalAnzahl = quint8(l.Ganzzahl("KanalAnzahl", 0, 255));
    const QJsonArray kanalInfo = l.Feld("KanalInfo");
    if (l.Ok() && kanalInfo.size() != 4) {
        l.Fehler("KanalInfo", QStringLiteral("hat nicht vier Zeilen"));
    }
    for (int z = 0; l.Ok() && z < 4; ++z) {
        if (!kanalInfo[z].isArray()) {
            l.Fehler("KanalInfo", QStringLiteral("hat eine Zeile, die kein Feld ist"));
        }
        for (const QJsonValue& v : kanalInfo[z].toArray()) {
            d.KanalInfo[z].append(quint8(l.Ganzzahl(v, "KanalInfo", 0, 255)));
        }
    }
    d.Datum = l.Gleitzahl("Datum");
    d.ResetBefehl = l.Text("ResetBefehl");
    d.UhrLesenBefehl = l.Text("UhrLesenBefehl");
    d.UhrSetzenBefehl = l.Text("UhrSetzenBefehl");
    d.MessungAbbrechenBefehl = l.Text("MessungAbbrechenBefehl");
    d.GeraeteZustandBefehl = l.Text("GeraeteZustandBefehl");
    d.GeraeteInformationLesenBefehl = l.Text("GeraeteInformationLesenBefehl");
    d.AuftragSendenBefehl = l.Text("AuftragSendenBefehl");
    d.DatenLesenBefehl = l.Text("DatenLesenBefehl");
    d.SpeicherTestBefehl = l.Text("SpeicherTestBefehl");
    d.SpeicherLeerenBefehl = l.Text("SpeicherLeerenBefehl");
    d.Parity = quint8(l.Ganzzahl("Parity", 0, 255));
    d.DatenBits = quint8(l.Ganzzahl("DatenBits", 0, 255));
    d.StopBits = quint8(l.Ganzzahl("StopBits", 0, 255));
    d.AutoStart = l.Bool("AutoStart");
    d.AutoAus = l.Bool("AutoAus");
    d.Wartezeit = qint32(l.Ganzzahl("Wartezeit", INT32_MIN, INT32_MAX));
    d.Baud = qint32(l.Ganzzahl("Baud", INT32_MIN, INT32_MAX));
    d.AuftragFormFlags = l.Flags("AuftragFormFlags");
    d.AuftragSendFlags = l.Flags("AuftragSendFlags");
    d.MessungEmpfFlags = l.Flags("MessungEmpfFlags");

    const QJsonObject auftrag = l.Objekt("Auftrag");
    if (l.Ok()) {
        TJsonLeser la(auftrag, QStringLiteral("Auftrag."), fehler);
        TAuftrag& a = d.Auftrag;
        a.AuftragName = la.Text("AuftragName");
        a.Firma = la.Text("Firma");
        a.Abteilung = la.Text("Abteilung");
        a.Bearbeiter = la.Text("Bearbeiter");
        a.Kommentar = la.Text("Kommentar");
        a.Nummer = la.Text("Nummer");
        a.AnzahlReihen = quint8(la.Ganzzahl("AnzahlReihen", 0, 255));
        a.AbstandZeitstempel = quint32(la.Ganzzahl("AbstandZeitstempel", 0, 0xFFFFFFFF));
        a.MessTakte = quint32(la.Ganzzahl("MessTakte", 0, 0xFFFFFFFF));
        a.Start = la.Gleitzahl("Start");
    }
    const QJsonArray reihen = l.Feld("Messreihen");
    for (int i = 0; l.Ok() && i < reihen.size(); ++i) {
        if (!reihen[i].isObject()) {
            l.Fehler("Messreihen", QStringLiteral("enthält etwas anderes als Objekte"));
            break;
        }
        const QJsonObject jo = reihen[i].toObject();
        TJsonLeser lr(jo, QStringLiteral("Messreihen[%1].").arg(i), fehler);
        TMessreihe r;
        r.Anzahl = quint32(lr.Ganzzahl("Anzahl", 0, 0xFFFFFFFF));
        r.Aktiv = quint8(lr.Ganzzahl("Aktiv", 0, 255));
        r.Kanal = quint8(lr.Ganzzahl("Kanal", 0, 255));
        r.Messkonstante = lr.Gleitzahl("Messkonstante");
        r.Nullwert = lr.Gleitzahl("Nullwert");
        r.Abstand = quint32(lr.Ganzzahl("Abstand", 0, 0xFFFFFFFF));
        r.Name = lr.Text("Name");
        r.Einheit = lr.Text("Einheit");
        if (jo.contains(QStringLiteral("Messwerte"))) {
            const QJsonArray w = lr.Feld("Messwerte");
            if (lr.Ok() && (w.size() != 2 || w[0].toArray().size() != w[1].toArray().size())) {
                lr.Fehler("Messwerte", QStringLiteral("hat nicht zwei gleich lange Zeilen"));
            }
            for (int z = 0; lr.Ok() && z < 2; ++z) {
                for (const QJsonValue& v : w[z].toArray()) {
                    r.Messwerte[z].append(lr.Gleitzahl(v, "Messwerte"));
                }
            }
        }
        d.Messreihen.append(r);
    }
    if (!fehler.isEmpty()) {
        return TErgebnis::Fehler(fehler);
    }
    ziel = std::move(d);
    return {};
}
