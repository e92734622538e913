#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The receiving side of XMODEM with 128-byte blocks and an 8-bit checksum, as a state
// machine: it is fed the bytes that came in and answers with the bytes to send back. It never
// touches a port or a file; the transfer adapter does that (TXModemUebertragung).
//
// The receiver opens the transfer with NAK (asking for the checksum variant). Each block is
// SOH, block number, its complement, 128 data bytes and the sum of the data bytes modulo 256.
// A good block is acknowledged and its data handed out; the block before it (a repeat, when
// our ACK got lost) is acknowledged and dropped; a damaged block is answered with NAK. Ten
// failures in a row, a block out of sequence or two CAN from the sender end the transfer
// with an error code. EOT is acknowledged and ends it successfully.
class TXModemEmpfaenger {
public:
    static constexpr char SOH = 0x01;
    static constexpr char EOT = 0x04;
    static constexpr char ACK = 0x06;
    static constexpr char NAK = 0x15;
    static constexpr char CAN = 0x18;
    static constexpr int BlockGroesse = 128;
    static constexpr int MaxFehler = 10;

    enum class TZustand { Bereit, Laeuft, Fertig, Fehler };

    // Error codes of a transfer; 0 is success.
    enum TFehlercode : int {
        xmOk = 0,
        xmSenderAbbruch = 1,    // the sender cancelled
        xmZuVieleFehler = 2,    // ten damaged blocks in a row
        xmBlockfolge = 3,       // a block out of sequence
        xmAbbruch = 4,          // cancelled on our side
        xmSchreibfehler = 5,    // the target file could not be written
        xmVerbindung = 6,       // the line went away
        xmZeitueberschritt = 7, // ten time-outs in a row: the sender is silent
    };
    static QString FehlerText(int code);

    // Starts the transfer; returns the NAK to send.
    QByteArray Starten();
    // Processes received bytes; returns what to send back (ACK, NAK or CAN).
    QByteArray Zufuehren(QByteArrayView daten);
    // The line was silent for ZeitlimitMs(): returns the NAK to send, or CAN when the transfer
    // has now failed.
    QByteArray Zeitablauf();
    // Cancels on our side; returns the CAN sequence to send (empty when not running).
    QByteArray Abbrechen(int code = xmAbbruch);

    // The data of the good blocks received since the last call.
    QByteArray DatenNehmen();

    TZustand Zustand() const { return FZustand; }
    bool Laeuft() const { return FZustand == TZustand::Laeuft; }
    int Fehlercode() const { return FFehlercode; }
    qint64 Bytes() const { return FBytes; }
    int Bloecke() const { return FBloecke; }
    // How long the adapter lets the line be silent before calling Zeitablauf: longer while
    // waiting for the next block than inside one.
    int ZeitlimitMs() const;

    // Time-outs in milliseconds: waiting for the start of a block, and between two bytes of
    // one block. Tests shorten them.
    int KopfZeitMs = 10000;
    int ZeichenZeitMs = 1000;

private:
    enum class TLage { Kopf, Block, Abbruch, Spuelen };

    QByteArray Fehlschlag(bool zeit);
    QByteArray Beenden(int code, bool canSenden);
    QByteArray BlockPruefen();

    TZustand FZustand = TZustand::Bereit;
    TLage FLage = TLage::Kopf;
    int FFehlercode = xmOk;
    quint8 FErwartet = 1; // next block number
    int FFehler = 0;      // failures in a row
    QByteArray FBlock;    // block bytes after SOH
    QByteArray FDaten;
    qint64 FBytes = 0;
    int FBloecke = 0;
};
