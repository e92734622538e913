// An arbitrary byte stream into the XMODEM receiver, cut into pieces the way a serial line
// delivers them, with silent spells in between. The first byte of the input chooses how the
// stream is cut. The receiver must end without a fault and keep its books straight: only
// whole blocks are handed out, as many as it counted, and it answers only with the bytes the
// protocol knows.
#include "device/TXModemEmpfaenger.h"

#include <cstdint>
#include <cstdlib>

namespace {

void Pruefen(const QByteArray& antwort) {
    for (char c : antwort) {
        if (c != TXModemEmpfaenger::ACK && c != TXModemEmpfaenger::NAK &&
            c != TXModemEmpfaenger::CAN) {
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const quint8 schnitt = data[0];
    const char* strom = reinterpret_cast<const char*>(data + 1);
    const qsizetype laenge = qsizetype(size - 1);

    TXModemEmpfaenger e;
    Pruefen(e.Starten());
    qint64 ausgegeben = 0;
    qsizetype pos = 0;
    int stueck = 0;
    while (pos < laenge) {
        // Pieces of 1 to 16 bytes or whole blocks, as the choice says.
        const qsizetype n = std::min<qsizetype>(
            laenge - pos, (schnitt & 0x80) ? 1 + ((schnitt + stueck) & 0x0F) : 132);
        Pruefen(e.Zufuehren(QByteArrayView(strom + pos, n)));
        pos += n;
        ++stueck;
        if ((schnitt & 0x0F) != 0 && stueck % (schnitt & 0x0F) == 0) {
            Pruefen(e.Zeitablauf());
        }
        const QByteArray daten = e.DatenNehmen();
        if (daten.size() % TXModemEmpfaenger::BlockGroesse != 0) {
            std::abort();
        }
        ausgegeben += daten.size();
    }
    if (schnitt & 0x40) {
        Pruefen(e.Abbrechen());
    }
    ausgegeben += e.DatenNehmen().size();
    if (ausgegeben != e.Bytes() || e.Bytes() != qint64(e.Bloecke()) * TXModemEmpfaenger::BlockGroesse) {
        std::abort();
    }
    const bool fertig = e.Zustand() == TXModemEmpfaenger::TZustand::Fertig;
    const bool fehler = e.Zustand() == TXModemEmpfaenger::TZustand::Fehler;
    if ((fertig && e.Fehlercode() != 0) || (fehler && e.Fehlercode() == 0)) {
        std::abort();
    }
    return 0;
}
