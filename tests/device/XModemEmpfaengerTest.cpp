// The XMODEM receiver as a state machine, fed with byte arrays.
#include "device/TXModemEmpfaenger.h"

#include <gtest/gtest.h>

namespace {

using X = TXModemEmpfaenger;

QByteArray Block(quint8 nummer, QByteArray daten) {
    daten = daten.leftJustified(X::BlockGroesse, '\x1A', true);
    QByteArray b;
    b += X::SOH;
    b += char(nummer);
    b += char(0xFF - nummer);
    b += daten;
    quint8 summe = 0;
    for (char c : daten) {
        summe = quint8(summe + quint8(c));
    }
    b += char(summe);
    return b;
}

QByteArray Muster(int laenge, int saat) {
    QByteArray d;
    for (int i = 0; i < laenge; ++i) {
        d += char((i * 7 + saat) & 0xFF);
    }
    return d;
}

TEST(XModemEmpfaenger, StartsWithNakAndAcksBlocksUntilEot) {
    X x;
    EXPECT_EQ(x.Starten(), QByteArray(1, X::NAK));
    const QByteArray a = Muster(128, 1), b = Muster(100, 2);
    EXPECT_EQ(x.Zufuehren(Block(1, a)), QByteArray(1, X::ACK));
    EXPECT_EQ(x.Zufuehren(Block(2, b)), QByteArray(1, X::ACK));
    EXPECT_EQ(x.Zufuehren(QByteArray(1, X::EOT)), QByteArray(1, X::ACK));
    EXPECT_EQ(x.Zustand(), X::TZustand::Fertig);
    EXPECT_EQ(x.Fehlercode(), 0);
    // The last block keeps its padding: the receiver cannot know where the data ended.
    EXPECT_EQ(x.DatenNehmen(), a + b.leftJustified(128, '\x1A'));
    EXPECT_EQ(x.Bytes(), 256);
}

TEST(XModemEmpfaenger, BytesMayArriveInAnyPieces) {
    X x;
    x.Starten();
    const QByteArray strom = Block(1, Muster(128, 3)) + Block(2, Muster(128, 4)) + X::EOT;
    QByteArray antworten;
    for (char c : strom) {
        antworten += x.Zufuehren(QByteArray(1, c));
    }
    EXPECT_EQ(antworten, QByteArray(3, X::ACK));
    EXPECT_EQ(x.DatenNehmen(), Muster(128, 3) + Muster(128, 4));
}

// A damaged block is answered with NAK and taken when it comes again correctly.
TEST(XModemEmpfaenger, DamagedBlocksAreRefusedThenTakenWhenRepeated) {
    struct TFall {
        const char* Name;
        int Stelle; // byte offset inside the block that is changed
    };
    const TFall faelle[] = {{"complement", 2}, {"data", 40}, {"checksum", 131}};
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        X x;
        x.Starten();
        QByteArray schlecht = Block(1, Muster(128, 5));
        schlecht[f.Stelle] = char(schlecht[f.Stelle] ^ 0x40);
        EXPECT_EQ(x.Zufuehren(schlecht), QByteArray(1, X::NAK));
        EXPECT_TRUE(x.DatenNehmen().isEmpty());
        EXPECT_EQ(x.Zufuehren(Block(1, Muster(128, 5))), QByteArray(1, X::ACK));
        EXPECT_EQ(x.DatenNehmen(), Muster(128, 5));
        EXPECT_TRUE(x.Laeuft());
    }
}

TEST(XModemEmpfaenger, RepeatedBlockIsAcknowledgedAndDropped) {
    X x;
    x.Starten();
    x.Zufuehren(Block(1, Muster(128, 6)));
    EXPECT_EQ(x.Zufuehren(Block(1, Muster(128, 6))), QByteArray(1, X::ACK));
    x.Zufuehren(Block(2, Muster(128, 7)));
    x.Zufuehren(QByteArray(1, X::EOT));
    EXPECT_EQ(x.DatenNehmen(), Muster(128, 6) + Muster(128, 7));
}

TEST(XModemEmpfaenger, BlockNumbersWrapAfter255) {
    X x;
    x.Starten();
    QByteArray erwartet;
    for (int i = 1; i <= 300; ++i) {
        const QByteArray d = Muster(128, i);
        erwartet += d;
        ASSERT_EQ(x.Zufuehren(Block(quint8(i), d)), QByteArray(1, X::ACK)) << i;
    }
    x.Zufuehren(QByteArray(1, X::EOT));
    EXPECT_EQ(x.DatenNehmen(), erwartet);
}

TEST(XModemEmpfaenger, BlockOutOfSequenceEndsWithCancel) {
    X x;
    x.Starten();
    x.Zufuehren(Block(1, Muster(128, 8)));
    const QByteArray antwort = x.Zufuehren(Block(3, Muster(128, 9)));
    EXPECT_TRUE(antwort.startsWith(QByteArray(2, X::CAN)));
    EXPECT_EQ(x.Zustand(), X::TZustand::Fehler);
    EXPECT_EQ(x.Fehlercode(), X::xmBlockfolge);
}

TEST(XModemEmpfaenger, TenFailuresEndTheTransfer) {
    {
        SCOPED_TRACE("bad blocks");
        X x;
        x.Starten();
        QByteArray schlecht = Block(1, Muster(128, 1));
        schlecht[131] = char(schlecht[131] + 1);
        for (int i = 1; i < X::MaxFehler; ++i) {
            ASSERT_EQ(x.Zufuehren(schlecht), QByteArray(1, X::NAK)) << i;
        }
        EXPECT_TRUE(x.Zufuehren(schlecht).startsWith(X::CAN));
        EXPECT_EQ(x.Fehlercode(), X::xmZuVieleFehler);
    }
    {
        SCOPED_TRACE("silent line");
        X x;
        x.Starten();
        for (int i = 1; i < X::MaxFehler; ++i) {
            ASSERT_EQ(x.Zeitablauf(), QByteArray(1, X::NAK)) << i;
        }
        EXPECT_TRUE(x.Zeitablauf().startsWith(X::CAN));
        EXPECT_EQ(x.Fehlercode(), X::xmZeitueberschritt);
        EXPECT_FALSE(X::FehlerText(x.Fehlercode()).isEmpty());
    }
}

TEST(XModemEmpfaenger, GoodBlockResetsTheFailureCount) {
    X x;
    x.Starten();
    for (int i = 0; i < X::MaxFehler - 1; ++i) {
        x.Zeitablauf();
    }
    x.Zufuehren(Block(1, Muster(128, 2)));
    for (int i = 0; i < X::MaxFehler - 1; ++i) {
        ASSERT_EQ(x.Zeitablauf(), QByteArray(1, X::NAK));
    }
    EXPECT_TRUE(x.Laeuft());
}

TEST(XModemEmpfaenger, TimeoutInsideABlockDropsThePartAndAsksAgain) {
    X x;
    x.Starten();
    x.Zufuehren(Block(1, Muster(128, 3)).left(60));
    EXPECT_EQ(x.ZeitlimitMs(), x.ZeichenZeitMs);
    EXPECT_EQ(x.Zeitablauf(), QByteArray(1, X::NAK));
    EXPECT_EQ(x.ZeitlimitMs(), x.KopfZeitMs);
    EXPECT_EQ(x.Zufuehren(Block(1, Muster(128, 3))), QByteArray(1, X::ACK));
    EXPECT_EQ(x.DatenNehmen(), Muster(128, 3));
}

TEST(XModemEmpfaenger, NoiseBeforeABlockIsDroppedUntilTheLineIsSilent) {
    X x;
    x.Starten();
    EXPECT_TRUE(x.Zufuehren("garbage\x01\x01\xFE").isEmpty());
    EXPECT_EQ(x.Zeitablauf(), QByteArray(1, X::NAK));
    EXPECT_EQ(x.Zufuehren(Block(1, Muster(128, 4))), QByteArray(1, X::ACK));
}

TEST(XModemEmpfaenger, CancelBySenderNeedsTwoCan) {
    {
        X x;
        x.Starten();
        x.Zufuehren(Block(1, Muster(128, 5)));
        EXPECT_TRUE(x.Zufuehren(QByteArray(2, X::CAN)).isEmpty());
        EXPECT_EQ(x.Fehlercode(), X::xmSenderAbbruch);
        EXPECT_EQ(x.Zustand(), X::TZustand::Fehler);
    }
    {
        // A single CAN followed by something else is noise.
        X x;
        x.Starten();
        x.Zufuehren(QByteArray(1, X::CAN) + 'x');
        EXPECT_TRUE(x.Laeuft());
        EXPECT_EQ(x.Zeitablauf(), QByteArray(1, X::NAK));
        EXPECT_EQ(x.Zufuehren(Block(1, Muster(128, 6))), QByteArray(1, X::ACK));
    }
    {
        // CAN inside the data of a block is data.
        X x;
        x.Starten();
        EXPECT_EQ(x.Zufuehren(Block(1, QByteArray(128, X::CAN))), QByteArray(1, X::ACK));
        EXPECT_TRUE(x.Laeuft());
    }
}

TEST(XModemEmpfaenger, CancelOnOurSide) {
    X x;
    EXPECT_TRUE(x.Abbrechen().isEmpty()); // nothing running
    x.Starten();
    EXPECT_TRUE(x.Abbrechen().startsWith(QByteArray(2, X::CAN)));
    EXPECT_EQ(x.Fehlercode(), X::xmAbbruch);
    EXPECT_TRUE(x.Zufuehren(Block(1, Muster(128, 1))).isEmpty()); // ended: nothing more
}

} // namespace
