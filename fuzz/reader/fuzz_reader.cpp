// Arbitrary bytes as a measurement file and as a job file: the reader must end, must not
// allocate beyond what the bytes justify, and must leave the record alone on failure.
#include "measurement/MessDateiFormat.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    MessKopfPruefen(bytes, {QStringLiteral("D"), QStringLiteral("VL-4 Kompakt")});
    for (const bool nurAuftrag : {false, true}) {
        TMessDatei ziel;
        ziel.Name = QStringLiteral("vorher");
        const TMessDatei vorher = ziel;
        TDatenBefund befund;
        const TLeseErgebnis e = MessBytesLesen(bytes, nurAuftrag, ziel, befund);
        if (!e && !(ziel == vorher)) {
            std::abort(); // a failed read changed the record
        }
        if (e) {
            // Every value must come from bytes of the file.
            qint64 werte = 0;
            for (const TMessreihe& r : ziel.Messreihen) {
                if (r.Messwerte[0].size() != r.Messwerte[1].size()) {
                    std::abort();
                }
                werte += r.Messwerte[0].size();
            }
            if (werte > qint64(size) + ziel.Messreihen.size()) {
                std::abort();
            }
        }
    }
    return 0;
}
