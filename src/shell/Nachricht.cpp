#include "shell/Nachricht.h"

#include "shell/TBenutzer.h"
#include "shell/TSprachTexte.h"

#include <QStringList>

namespace {

using Typ = TNachrichtTyp;
using Kn = TNachrichtKnoepfe;

struct TNachrichtArt {
    int Nummer;
    const char* Aufbau; // tokens Tx Tx1 Tx2 T CR LF SP, separated by blanks
    Typ Art;
    Kn Knoepfe;
    int HilfeKontext;
};

// clang-format off
constexpr TNachrichtArt kNachrichten[] = {
    {0, "Tx CR T", Typ::Eigen, Kn::OkHilfe, 9000},
    {1, "Tx CR T", Typ::Warnung, Kn::OkHilfe, 9010},
    {2, "Tx CR T CR Tx1", Typ::Fehler, Kn::OkHilfe, 9020},
    {3, "Tx CR T CR Tx1", Typ::Fehler, Kn::OkHilfe, 9030},
    {4, "Tx CR Tx1 SP T CR Tx2", Typ::Fehler, Kn::OkHilfe, 9040},
    {5, "Tx CR T CR Tx1", Typ::Warnung, Kn::OkHilfe, 9050},
    {6, "Tx", Typ::Warnung, Kn::OkHilfe, 9060},
    {7, "Tx", Typ::Information, Kn::OkHilfe, 9070},
    {8, "Tx CR Tx1 SP T", Typ::Information, Kn::OkHilfe, 9080},
    {9, "Tx SP T SP Tx1 CR Tx2", Typ::Warnung, Kn::OkHilfe, 9090},
    {10, "Tx SP T SP Tx1 CR Tx2", Typ::Information, Kn::OkHilfe, 9100},
    {11, "Tx CR Tx1", Typ::Warnung, Kn::OkHilfe, 9110},
    {12, "Tx SP T CR Tx1 CR Tx2", Typ::Bestaetigung, Kn::JaNeinAbbrechenHilfe, 9120},
    {13, "Tx CR Tx1 SP T", Typ::Bestaetigung, Kn::OkHilfe, 9130},
    {14, "Tx CR Tx1 SP T", Typ::Bestaetigung, Kn::OkHilfe, 9140},
    {15, "Tx SP T Tx1 CR Tx2", Typ::Information, Kn::OkHilfe, 9150},
    {16, "Tx CR T CR Tx1", Typ::Bestaetigung, Kn::JaNeinHilfe, 9160},
    {17, "Tx CR Tx1 SP T SP Tx2", Typ::Warnung, Kn::OkHilfe, 9170},
    {18, "Tx SP T SP Tx1", Typ::Warnung, Kn::OkHilfe, 9180},
    {19, "Tx SP T", Typ::Fehler, Kn::OkHilfe, 9190},
    {20, "Tx CR T CR Tx1", Typ::Information, Kn::OkHilfe, 9200},
    {21, "Tx CR T CR Tx1", Typ::Information, Kn::OkHilfe, 9210},
    {22, "Tx CR T", Typ::Information, Kn::OkHilfe, 9220},
    {23, "Tx SP T SP Tx1 LF Tx2", Typ::Warnung, Kn::OkHilfe, 9230},
    {24, "Tx SP T SP Tx1 CR Tx2", Typ::Bestaetigung, Kn::JaNeinHilfe, 9240},
    {25, "Tx", Typ::Fehler, Kn::OkHilfe, 9250},
    {26, "Tx", Typ::Fehler, Kn::OkHilfe, 9260},
    {27, "Tx CR T", Typ::Warnung, Kn::OkHilfe, 9270},
    {28, "Tx CR T CR Tx1", Typ::Warnung, Kn::OkHilfe, 9280},
    {29, "Tx CR T CR Tx1", Typ::Fehler, Kn::OkHilfe, 9290},
    {30, "Tx CR T CR Tx1 CR Tx2", Typ::Bestaetigung, Kn::JaNeinAbbrechenHilfe, 9300},
    {31, "Tx CR T", Typ::Fehler, Kn::OkHilfe, 9310},
    {32, "Tx SP T SP Tx1 CR Tx2", Typ::Bestaetigung, Kn::JaNeinHilfe, 9320},
    {33, "Tx SP T SP Tx1 CR Tx2", Typ::Bestaetigung, Kn::JaNeinHilfe, 9330},
    {34, "Tx SP T SP Tx1 CR Tx2", Typ::Bestaetigung, Kn::JaNeinHilfe, 9340},
    {35, "Tx SP T SP Tx1", Typ::Bestaetigung, Kn::JaNeinHilfe, 9350},
    {36, "Tx CR T CR Tx1", Typ::Fehler, Kn::OkHilfe, 9055},
    {37, "Tx CR T CR Tx1", Typ::Fehler, Kn::OkHilfe, 9360},
    {38, "Tx CR T CR Tx1", Typ::Fehler, Kn::OkHilfe, 9370},
    {39, "Tx", Typ::Fehler, Kn::OkHilfe, 9380},
    {40, "Tx LF CR T", Typ::Fehler, Kn::OkHilfe, 9380},
    {999, "Tx CR T", Typ::Information, Kn::OkHilfe, 9999},
};
// clang-format on

constexpr TNachrichtArt kErsatz = {9990, "Tx", Typ::Information, Kn::OkHilfe, 9999};

const TNachrichtArt& ArtSuchen(int nummer) {
    for (const auto& art : kNachrichten) {
        if (art.Nummer == nummer) {
            return art;
        }
    }
    return kErsatz;
}

QString Sprachtext(const TSprachTexte& texte, int nummer, const QString& endung) {
    const QString schluessel = QStringLiteral("Nachricht%1Text%2").arg(nummer).arg(endung);
    const QString* text = texte.Suchen(schluessel);
    return text ? *text : QString();
}

} // namespace

TNachrichtInhalt NachrichtZusammensetzen(int nummer, const QString& text,
                                         const TSprachTexte& texte) {
    QString t = text;
    if (t.size() > 255) {
        t = t.right(255) + QStringLiteral("...");
    }
    const TNachrichtArt& art = ArtSuchen(nummer);
    TNachrichtInhalt inhalt;
    inhalt.Nummer = nummer;
    inhalt.Typ = art.Art;
    inhalt.Knoepfe = art.Knoepfe;
    inhalt.HilfeKontext = art.HilfeKontext;
    const QStringList teile = QString::fromLatin1(art.Aufbau).split(u' ');
    for (const QString& teil : teile) {
        if (teil == u"T") {
            inhalt.Text += t;
        } else if (teil == u"CR") {
            inhalt.Text += QChar(13);
        } else if (teil == u"LF") {
            inhalt.Text += QChar(10);
        } else if (teil == u"SP") {
            inhalt.Text += QChar(u' ');
        } else {
            inhalt.Text += Sprachtext(texte, art.Nummer, teil.mid(2));
        }
    }
    return inhalt;
}

int Nachricht(TBenutzer& benutzer, const TSprachTexte& texte, int nummer, const QString& text) {
    return benutzer.NachrichtZeigen(NachrichtZusammensetzen(nummer, text, texte));
}
