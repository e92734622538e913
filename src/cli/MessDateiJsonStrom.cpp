#include "cli/MessDateiJsonStrom.h"

#include "cli/MessDateiJson.h"

#include <QJsonDocument>
#include <QLocale>
#include <bit>
#include <cmath>

namespace {

// Collects output and hands it on in blocks.
class TAusgabe {
public:
    explicit TAusgabe(std::FILE* aus) : FAus(aus) {}
    ~TAusgabe() { Leeren(); }

    void operator+=(QByteArrayView text) {
        FPuffer.append(text);
        if (FPuffer.size() >= (1 << 16)) {
            Leeren();
        }
    }
    void Einzug(qsizetype n) { FPuffer.append(n, ' '); }
    bool Leeren() {
        if (!FPuffer.isEmpty() && std::fwrite(FPuffer.constData(), 1, size_t(FPuffer.size()),
                                              FAus) != size_t(FPuffer.size())) {
            FOk = false;
        }
        FPuffer.clear();
        return FOk;
    }

private:
    std::FILE* FAus;
    QByteArray FPuffer;
    bool FOk = true;
};

// A value as MessDateiNachJson stores it and QJsonDocument writes it.
void Zahl(TAusgabe& aus, double wert) {
    if (std::isfinite(wert) && !(wert == 0 && std::signbit(wert))) {
        aus += QByteArray::number(wert, 'g', QLocale::FloatingPointShortest);
    } else {
        aus += "\"0x" +
               QByteArray::number(std::bit_cast<quint64>(wert), 16).rightJustified(16, '0') + '"';
    }
}

// One array of values at `einzug` blanks, in QJsonDocument's indented layout.
void Feld(TAusgabe& aus, const QVector<double>& werte, qsizetype einzug) {
    aus += "[\n";
    for (qsizetype i = 0; i < werte.size(); ++i) {
        aus.Einzug(einzug + 4);
        Zahl(aus, werte[i]);
        aus += i + 1 < werte.size() ? ",\n" : "\n";
    }
    aus.Einzug(einzug);
    aus += "]";
}

} // namespace

bool MessDateiJsonSchreiben(const TMessDatei& d, const QJsonObject& zusatz, std::FILE* aus) {
    QJsonObject o = MessDateiNachJson(d, false);
    for (auto it = zusatz.begin(); it != zusatz.end(); ++it) {
        o.insert(it.key(), it.value());
    }
    const QByteArray text = QJsonDocument(o).toJson(QJsonDocument::Indented);
    TAusgabe ausgabe(aus);
    qsizetype pos = 0;
    for (int i = 0; i < d.Messreihen.size(); ++i) {
        const QByteArray schluessel = "\"Messwerte\": ";
        const QByteArray marke = schluessel + '"' + MesswerteMarke(i).toUtf8() + '"';
        const qsizetype stelle = text.indexOf(marke, pos);
        if (stelle < 0) {
            return false;
        }
        const qsizetype zeilenAnfang = text.lastIndexOf('\n', stelle) + 1;
        const qsizetype einzug = stelle - zeilenAnfang;
        ausgabe += QByteArrayView(text).sliced(pos, stelle + schluessel.size() - pos);
        const TMesswerte& w = d.Messreihen[i].Messwerte;
        ausgabe += "[\n";
        ausgabe.Einzug(einzug + 4);
        Feld(ausgabe, w[0], einzug + 4);
        ausgabe += ",\n";
        ausgabe.Einzug(einzug + 4);
        Feld(ausgabe, w[1], einzug + 4);
        ausgabe += "\n";
        ausgabe.Einzug(einzug);
        ausgabe += "]";
        pos = stelle + marke.size();
    }
    ausgabe += QByteArrayView(text).sliced(pos);
    return ausgabe.Leeren() && std::fflush(aus) == 0;
}
