#include "TSimGeraet.h"

#include "TSimPty.h"
#include "shell/DatumZeit.h"
#include "shell/Uhr.h"

#include <cstdio>

namespace {

constexpr char SOH = 0x01, EOT = 0x04, ACK = 0x06, NAK = 0x15, CAN = 0x18;
const QByteArray kCrLf("\r\n");
const QString kUhrMuster = QStringLiteral("hh:nn:ss dd.mm.yy");
constexpr int kStoerBlock = 3; // where stall, cancel and hangup strike, and the bad block

void Meldung(const QString& text) {
    std::fprintf(stderr, "orvan-sim: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace

TSimGeraet::TSimGeraet(TSimPty& pty, const TSimOptionen& optionen) : FPty(pty), FOpt(optionen) {
    const TGeraet& g = FOpt.Geraet;
    const std::pair<const QString*, TArt> liste[] = {
        {&g.ResetBefehl, TArt::Reset},
        {&g.UhrLesenBefehl, TArt::UhrLesen},
        {&g.UhrSetzenBefehl, TArt::UhrSetzen},
        {&g.GeraeteZustandBefehl, TArt::Zustand},
        {&g.MessungAbbrechenBefehl, TArt::Abbrechen},
        {&g.AuftragSendenBefehl, TArt::Auftrag},
        {&g.DatenLesenBefehl, TArt::Lesen},
        {&g.SpeicherTestBefehl, TArt::Test},
        {&g.SpeicherLeerenBefehl, TArt::Leeren},
    };
    for (const auto& [text, art] : liste) {
        if (!text->isEmpty()) {
            FBefehle.append({text->toLatin1(), art});
        }
    }
    FBefehle.append({QByteArray("S077,"), TArt::Roh});
    if (FOpt.Status >= 0) {
        FZehner = (FOpt.Status / 10) % 10;
        FFlags = FOpt.Status % 10;
    } else {
        FFlags = FOpt.Daten.isEmpty() ? 0 : 4;
    }
    if (FOpt.Uhr != 0) {
        FUhrVersatz = FOpt.Uhr - Uhr::Jetzt();
    }
}

bool TSimGeraet::Vorbei() const {
    return (FEnde && *FEnde) || FLaufzeit.elapsed() >= qint64(FOpt.MaxSekunden) * 1000 ||
           !FPty.IstOffen();
}

int TSimGeraet::Warten(int ms) {
    QElapsedTimer uhr;
    uhr.start();
    while (!Vorbei()) {
        const int rest = ms < 0 ? 100 : int(std::min<qint64>(100, ms - uhr.elapsed()));
        if (rest <= 0) {
            return -1;
        }
        const int c = FPty.Lesen(rest);
        if (c != -1) {
            return c;
        }
    }
    return -2;
}

int TSimGeraet::Laufen(volatile std::sig_atomic_t& ende) {
    FEnde = &ende;
    FLaufzeit.start();
    while (!Vorbei()) {
        const int c = Warten(100);
        if (c == -2) {
            break;
        }
        if (c == -1) {
            // The line is idle: a raw exchange or a command that is also the start of a
            // longer one is complete now.
            if (FPuffer.startsWith("S077,")) {
                Ausfuehren(TArt::Roh);
            } else {
                for (const TBefehl& b : FBefehle) {
                    if (FPuffer == b.Text) {
                        FPuffer.clear();
                        Ausfuehren(b.Art);
                        break;
                    }
                }
            }
            FPuffer.clear();
            continue;
        }
        Eingang(char(c));
    }
    return 0;
}

void TSimGeraet::Eingang(char c) {
    FPuffer += c;
    if (FPuffer.startsWith("S077,")) {
        return; // raw text runs until the line is idle
    }
    while (!FPuffer.isEmpty()) {
        const TBefehl* gleich = nullptr;
        bool laenger = false;
        for (const TBefehl& b : FBefehle) {
            if (b.Text == FPuffer) {
                gleich = &b;
            } else if (b.Text.startsWith(FPuffer)) {
                laenger = true;
            }
        }
        if (gleich && !laenger) {
            const TArt art = gleich->Art;
            FPuffer.clear();
            Ausfuehren(art);
            return;
        }
        if (gleich || laenger) {
            return; // wait for more or for the idle line
        }
        FPuffer.remove(0, 1); // not the start of any command
    }
}

void TSimGeraet::Antworten(const QByteArray& text) {
    if (FStumm || FOpt.Fehler == u"no-echo") {
        return;
    }
    QByteArray raus = text;
    if (FOpt.Fehler == u"garble") {
        for (char& c : raus) {
            if (c != '\r' && c != '\n') {
                c = '#';
            }
        }
    }
    FPty.Schreiben(raus);
}

QByteArray TSimGeraet::UhrText() const {
    return DatumZeit::Formatieren(kUhrMuster, Uhr::Jetzt() + FUhrVersatz).toLatin1();
}

void TSimGeraet::Ausfuehren(TArt art) {
    const TGeraet& g = FOpt.Geraet;
    switch (art) {
    case TArt::Reset:
        Meldung(QStringLiteral("reset"));
        Antworten(g.ResetBefehl.toLatin1() + g.Name.toLatin1() + kCrLf);
        break;
    case TArt::UhrLesen:
        Meldung(QStringLiteral("clock read"));
        Antworten(g.UhrLesenBefehl.toLatin1().left(3).leftJustified(3, ' ') + UhrText() + kCrLf);
        break;
    case TArt::UhrSetzen:
        UhrSetzen();
        break;
    case TArt::Zustand:
        Meldung(QStringLiteral("status %1%2").arg(FZehner).arg(Flags()));
        Antworten(g.GeraeteZustandBefehl.toLatin1() + ':' + QByteArray::number(FZehner) +
                  QByteArray::number(Flags()) + kCrLf);
        break;
    case TArt::Abbrechen:
        Meldung(QStringLiteral("abort"));
        FFlags &= ~2;
        Antworten(g.MessungAbbrechenBefehl.toLatin1() + kCrLf);
        break;
    case TArt::Auftrag:
        AuftragEmpfangen();
        break;
    case TArt::Lesen:
        Meldung(QStringLiteral("read data"));
        Antworten(g.DatenLesenBefehl.toLatin1());
        if (FOpt.Fehler != u"no-echo" && FOpt.Fehler != u"garble" && !FStumm) {
            XModemSenden();
        }
        break;
    case TArt::Test:
        Meldung(QStringLiteral("memory test"));
        Antworten(g.SpeicherTestBefehl.toLatin1());
        if ((Flags() & 4) == 0) {
            Antworten(QByteArray("-") + kCrLf);
        }
        break;
    case TArt::Leeren:
        Loeschen();
        break;
    case TArt::Roh:
        Meldung(QStringLiteral("raw ") + QString::fromLatin1(FPuffer));
        Antworten(FPuffer + kCrLf);
        FPuffer.clear();
        break;
    }
}

void TSimGeraet::UhrSetzen() {
    QByteArray text;
    while (text.size() < kUhrMuster.size()) {
        const int c = Warten(1000);
        if (c < 0) {
            break;
        }
        text += char(c);
    }
    Meldung(QStringLiteral("clock set ") + QString::fromLatin1(text));
    const auto wert = DatumZeit::Lesen(QString::fromLatin1(text), kUhrMuster, Uhr::Jetzt());
    if (wert) {
        FUhrVersatz = *wert - Uhr::Jetzt();
    }
    Antworten(FOpt.Geraet.UhrSetzenBefehl.toLatin1() + text + kCrLf);
}

void TSimGeraet::AuftragEmpfangen() {
    Antworten(FOpt.Geraet.AuftragSendenBefehl.toLatin1());
    FAuftrag.clear();
    // The sender puts a "." between two job characters and a CR after the last one. The
    // character after a separator belongs to the job whatever it is, so a "." or a CR inside
    // the job (a job number "Nr. 1A", a text of 13 characters) is received as such.
    bool nachTrenner = true;
    while (true) {
        const int c = Warten(2000);
        if (c < 0) {
            break;
        }
        if (!nachTrenner) {
            if (c == '.') {
                nachTrenner = true;
                continue;
            }
            if (c == '\r') {
                break;
            }
        } else if (c == '\r' && FAuftrag.isEmpty()) {
            break; // an empty job
        }
        FAuftrag += char(c);
        nachTrenner = false;
        Antworten(QByteArray(1, char(c)));
    }
    Meldung(QStringLiteral("job of %1 characters").arg(FAuftrag.size()));
    FFlags |= 1;
}

void TSimGeraet::Loeschen() {
    Meldung(QStringLiteral("clear memory"));
    Antworten(FOpt.Geraet.SpeicherLeerenBefehl.toLatin1());
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < FOpt.LoeschMs && !Vorbei()) {
        if (Warten(FOpt.PunktMs) == -2) {
            return;
        }
        Antworten(".");
    }
    FFlags &= ~4;
    FOpt.Daten.clear();
    Antworten(QByteArray("-") + kCrLf);
}

void TSimGeraet::XModemSenden() {
    // Wait for the receiver's NAK (a 'C' asks for the CRC variant, which we do not speak).
    int c = -1;
    for (int i = 0; i < 60 && c != NAK; ++i) {
        c = Warten(1000);
        if (c == -2) {
            return;
        }
    }
    if (c != NAK) {
        Meldung(QStringLiteral("no NAK from the receiver"));
        return;
    }
    if (FOpt.Daten.isEmpty()) {
        FPty.Schreiben(QByteArray(2, CAN));
        Meldung(QStringLiteral("memory empty: transfer cancelled"));
        return;
    }
    const QByteArray& daten = FOpt.Daten;
    const int bloecke = int((daten.size() + 127) / 128);
    for (int n = 0; n < bloecke; ++n) {
        if (n == kStoerBlock) {
            if (FOpt.Fehler == u"stall") {
                Meldung(QStringLiteral("stall"));
                FStumm = true;
                return;
            }
            if (FOpt.Fehler == u"cancel") {
                Meldung(QStringLiteral("cancel"));
                FPty.Schreiben(QByteArray(3, CAN));
                return;
            }
            if (FOpt.Fehler == u"hangup") {
                Meldung(QStringLiteral("hang up"));
                FPty.Schliessen();
                return;
            }
        }
        QByteArray block;
        block += SOH;
        block += char((n + 1) & 0xFF);
        block += char(0xFF - ((n + 1) & 0xFF));
        const QByteArray teil = daten.mid(qsizetype(n) * 128, 128).leftJustified(128, 0x1A);
        block += teil;
        quint8 summe = 0;
        for (char b : teil) {
            summe = quint8(summe + quint8(b));
        }
        block += char(summe);
        bool bestaetigt = false;
        for (int versuch = 0; versuch < 10 && !bestaetigt; ++versuch) {
            QByteArray raus = block;
            if (FOpt.Fehler == u"bad-block" && n == kStoerBlock && versuch == 0) {
                raus[131] = char(raus[131] ^ 0x5A);
            }
            FPty.Schreiben(raus);
            c = Warten(10000);
            while (c >= 0 && c != ACK && c != NAK && c != CAN) {
                c = Warten(10000);
            }
            if (c == -2 || c == CAN) {
                Meldung(QStringLiteral("transfer ended by the receiver"));
                return;
            }
            bestaetigt = c == ACK;
        }
        if (!bestaetigt) {
            Meldung(QStringLiteral("no ACK for block %1").arg(n + 1));
            return;
        }
    }
    for (int versuch = 0; versuch < 10; ++versuch) {
        FPty.Schreiben(QByteArray(1, EOT));
        if (Warten(5000) == ACK) {
            break;
        }
    }
    Meldung(QStringLiteral("sent %1 blocks").arg(bloecke));
    FPty.Schreiben(kCrLf); // the instrument ends the read-out with a line end
}
