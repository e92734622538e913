#include "device/TXModemEmpfaenger.h"

QString TXModemEmpfaenger::FehlerText(int code) {
    switch (code) {
    case xmOk:
        return QStringLiteral("Übertragung in Ordnung");
    case xmSenderAbbruch:
        return QStringLiteral("Übertragung vom Sender abgebrochen");
    case xmZuVieleFehler:
        return QStringLiteral("Zu viele fehlerhafte Blöcke");
    case xmBlockfolge:
        return QStringLiteral("Blockfolge gestört");
    case xmAbbruch:
        return QStringLiteral("Übertragung abgebrochen");
    case xmSchreibfehler:
        return QStringLiteral("Zieldatei kann nicht geschrieben werden");
    case xmVerbindung:
        return QStringLiteral("Verbindung unterbrochen");
    case xmZeitueberschritt:
        return QStringLiteral("Zeitüberschreitung, der Sender antwortet nicht");
    }
    return QStringLiteral("Unbekannter Übertragungsfehler %1").arg(code);
}

QByteArray TXModemEmpfaenger::Starten() {
    FZustand = TZustand::Laeuft;
    FLage = TLage::Kopf;
    FFehlercode = xmOk;
    FErwartet = 1;
    FFehler = 0;
    FBlock.clear();
    FDaten.clear();
    FBytes = 0;
    FBloecke = 0;
    return QByteArray(1, NAK);
}

int TXModemEmpfaenger::ZeitlimitMs() const {
    return FLage == TLage::Block ? ZeichenZeitMs : KopfZeitMs;
}

QByteArray TXModemEmpfaenger::Zufuehren(QByteArrayView daten) {
    QByteArray antwort;
    for (qsizetype i = 0; i < daten.size() && Laeuft(); ++i) {
        const char c = daten[i];
        switch (FLage) {
        case TLage::Kopf:
            if (c == SOH) {
                FLage = TLage::Block;
                FBlock.clear();
            } else if (c == EOT) {
                antwort += ACK;
                antwort += Beenden(xmOk, false);
            } else if (c == CAN) {
                FLage = TLage::Abbruch;
            } else {
                // Noise where a block should start: let the line settle, then ask again.
                FLage = TLage::Spuelen;
            }
            break;
        case TLage::Block:
            FBlock += c;
            if (FBlock.size() == BlockGroesse + 3) {
                antwort += BlockPruefen();
            }
            break;
        case TLage::Abbruch:
            if (c == CAN) {
                // Two CAN in a row: the sender gives up.
                antwort += Beenden(xmSenderAbbruch, false);
            } else {
                FLage = TLage::Spuelen;
            }
            break;
        case TLage::Spuelen:
            break; // everything until the line is silent is dropped
        }
    }
    return antwort;
}

QByteArray TXModemEmpfaenger::BlockPruefen() {
    const auto nummer = static_cast<quint8>(FBlock[0]);
    const auto komplement = static_cast<quint8>(FBlock[1]);
    quint8 summe = 0;
    for (int i = 2; i < BlockGroesse + 2; ++i) {
        summe = static_cast<quint8>(summe + static_cast<quint8>(FBlock[i]));
    }
    FLage = TLage::Kopf;
    if (static_cast<quint8>(nummer + komplement) != 0xFF ||
        summe != static_cast<quint8>(FBlock[BlockGroesse + 2])) {
        return Fehlschlag(false);
    }
    if (nummer == static_cast<quint8>(FErwartet - 1)) {
        // Our ACK of that block got lost and the sender repeats it.
        return QByteArray(1, ACK);
    }
    if (nummer != FErwartet) {
        return Beenden(xmBlockfolge, true);
    }
    FDaten += FBlock.mid(2, BlockGroesse);
    FBytes += BlockGroesse;
    ++FBloecke;
    ++FErwartet;
    FFehler = 0;
    return QByteArray(1, ACK);
}

QByteArray TXModemEmpfaenger::Fehlschlag(bool zeit) {
    if (++FFehler >= MaxFehler) {
        return Beenden(zeit ? xmZeitueberschritt : xmZuVieleFehler, true);
    }
    return QByteArray(1, NAK);
}

QByteArray TXModemEmpfaenger::Zeitablauf() {
    if (!Laeuft()) {
        return {};
    }
    // A silent line after noise is a damaged block, not a silent sender.
    const bool zeit = FLage != TLage::Spuelen;
    FLage = TLage::Kopf;
    FBlock.clear();
    return Fehlschlag(zeit);
}

QByteArray TXModemEmpfaenger::Abbrechen(int code) {
    if (!Laeuft()) {
        return {};
    }
    return Beenden(code, true);
}

QByteArray TXModemEmpfaenger::Beenden(int code, bool canSenden) {
    FZustand = code == xmOk ? TZustand::Fertig : TZustand::Fehler;
    FFehlercode = code;
    if (!canSenden) {
        return {};
    }
    // Several CAN, so that a sender waiting for two in a row surely sees them.
    return QByteArray(8, CAN);
}

QByteArray TXModemEmpfaenger::DatenNehmen() {
    QByteArray daten;
    daten.swap(FDaten);
    return daten;
}
