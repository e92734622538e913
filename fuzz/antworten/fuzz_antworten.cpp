// Arbitrary bytes as the reply to each device command. The parsers must end without a fault
// and give only what the reply can mean: a status of two decimal digits, a byte count that
// is not negative, a clock reading that is a real date and reads back from its own text.
#include "device/GeraetAntworten.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray antwort(reinterpret_cast<const char*>(data), qsizetype(size));
    using namespace GeraetAntworten;

    ResetPruefen(antwort, "R01", QStringLiteral("VL-4 Kompakt"));

    if (const auto z = ZustandLesen(antwort, "Z01")) {
        if ((*z >> 4) > 9 || (*z & 0x0F) > 9) {
            std::abort();
        }
    }

    if (const auto n = DatenAnzahl(antwort)) {
        if (*n < 0) {
            std::abort();
        }
    }

    const double jetzt = 45418.5; // 6 May 2024, noon
    if (const auto uhr = UhrLesen(antwort, jetzt)) {
        if (!std::isfinite(*uhr)) {
            std::abort();
        }
        StandardDatumZeit(*uhr);
        // The text the set-clock command would send, as the instrument echoes it back.
        const QByteArray wieder = "U01" + UhrSetzenText(*uhr).toLatin1() + "\r\n";
        const auto zurueck = UhrLesen(wieder, jetzt);
        if (!zurueck || std::abs(*zurueck - *uhr) > 1e-6) {
            std::abort();
        }
    }
    return 0;
}
