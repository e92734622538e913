// Arbitrary bytes as a graph file: read from memory and from a device in small blocks (so
// that fields and points straddle block ends); both readers must agree, and a read that
// succeeds must give curves with rows of equal length.
#include "graph/GraphDatei.h"

#include <QBuffer>
#include <cstdlib>
#include <cstring>

namespace {

bool GleicheBits(const QVector<double>& a, const QVector<double>& b) {
    return a.size() == b.size() &&
           (a.isEmpty() || std::memcmp(a.constData(), b.constData(), a.size() * 8) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) {
        return 0;
    }
    // The first byte chooses the block size of the device reader; the rest is the file.
    const qint64 block = 16 + data[0];
    const char* bytes = reinterpret_cast<const char*>(data + 1);
    const qint64 laenge = qint64(size - 1);

    TDiagramm a;
    a.Titel = QStringLiteral("vorher");
    const auto ea = GraphDatei::GraphDatenLesen(bytes, laenge, a);

    QByteArray kopie(bytes, laenge);
    QBuffer puffer(&kopie);
    puffer.open(QIODevice::ReadOnly);
    TDiagramm b;
    b.Titel = QStringLiteral("vorher");
    const auto eb = GraphDatei::GraphDatenLesen(puffer, laenge, b, block);

    if (ea.Zustand != eb.Zustand || ea.Position != eb.Position) {
        std::abort();
    }
    if (!ea) {
        if (a.Titel != QStringLiteral("vorher") || !a.Kurven.isEmpty()) {
            std::abort(); // a refused file must leave the document alone
        }
        return 0;
    }
    if (a.Titel != b.Titel || a.Kurven.size() != b.Kurven.size()) {
        std::abort();
    }
    for (qsizetype i = 0; i < a.Kurven.size(); ++i) {
        const TKurve& ka = a.Kurven[i];
        if (ka.Werte[0].size() != ka.Werte[1].size() || ka.Name != b.Kurven[i].Name ||
            !GleicheBits(ka.Werte[0], b.Kurven[i].Werte[0]) ||
            !GleicheBits(ka.Werte[1], b.Kurven[i].Werte[1])) {
            std::abort();
        }
    }
    return 0;
}
