#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The instrument's replies, read without touching a port: each function gets the bytes the
// wait collected (echo and terminator included) and says what they mean.
namespace GeraetAntworten {

// The reply time-out in ticks of 55 ms: Wartezeit × 18 div 1000 (5000 ms: 90 ticks).
int WarteTicks(qint32 wartezeitMs);

// The reset succeeded when the instrument echoed the command and named its type.
bool ResetPruefen(const QByteArray& antwort, const QByteArray& befehl, const QString& name);

// The clock reply: three echo characters, "hh:nn:ss", one separator, "dd.mm.yy", CR LF. The
// two-digit year lies in the century of `jetzt`. nullopt when it does not convert.
std::optional<double> UhrLesen(const QByteArray& antwort, double jetzt);
// The date and time as the clock command hands it back: "dd.mm.yyyy hh:nn:ss".
QString StandardDatumZeit(double wert);
// The form the set-clock command sends: "hh:nn:ss dd.mm.yy".
QString UhrSetzenText(double wert);

// The status reply: the echo, one further character, two decimal digits. The digits become
// the two halves of the status byte (12 gives 0x12). nullopt when they are no number.
std::optional<quint8> ZustandLesen(const QByteArray& antwort, const QByteArray& befehl);
// Status bits.
constexpr quint8 ZustandAuftrag = 1;  // a job is entered
constexpr quint8 ZustandMessung = 2;  // a measurement is running
constexpr quint8 ZustandSpeicher = 4; // the memory holds a measurement

// The byte count the instrument announces at the start of a transfer: data bytes 1 to 4 of
// the first XMODEM block (stream bytes 4 to 7), little-endian. nullopt while fewer than 7
// bytes are there, and for a count of 2^31 or more.
std::optional<qint32> DatenAnzahl(const QByteArray& stromAnfang);

} // namespace GeraetAntworten
