#include "graph/GraphDatei.h"

#include "shell/Arbeitsspeicher.h"
#include "shell/DateiPruefung.h"
#include "shell/Meldungen.h"
#include "shell/TShellKontext.h"
#include "shell/TSpeicherDatei.h"
#include "shell/Textkodierung.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <cstring>
#include <limits>
#include <memory>
#include <new>

namespace GraphDatei {

namespace {

static_assert(sizeof(double) == 8 && std::numeric_limits<double>::is_iec559);

// Smallest size of one curve group: empty name, no points.
constexpr qint64 kKurveMindestens = 4 + 1 + 1 + 4 + 4 + 6 * 8 + 4 + 1 + 4 + 1 + 4 + 4 + 1 + 4 + 1;
// What follows the curves: four marker values, two flags, the style and the colour.
constexpr qint64 kMarkerGroesse = 4 * 8 + 1 + 1 + 1 + 4;

// Thrown inside the reader only; turned into a TGraphLeseErgebnis at its boundary.
struct TLesefehler {
    QString Fehler;
    qint64 Position;
};

// Reads the fields in order, either from bytes in memory or from a file in blocks of about
// a megabyte. Every read is checked against the real end; `Rest` is what is left of the
// whole file, so counts can be checked before anything is reserved.
class TLeser {
public:
    TLeser(const char* daten, qint64 laenge)
        : FPos(daten), FEnde(daten + laenge), FGesamt(laenge) {}
    TLeser(QIODevice& datei, qint64 laenge, qint64 block)
        : FDatei(&datei), FGesamt(laenge), FBlock(qMax<qint64>(block, 16)) {
        FPos = FEnde = FPuffer.constData();
    }

    qint64 Position() const { return FBasis + (FPos - FFensterAnfang()); }
    qint64 Rest() const { return FGesamt - Position(); }

    [[noreturn]] void Fehler(const QString& text) const { throw TLesefehler{text, Position()}; }

    // At least `n` bytes at the read position, or the end-of-file error.
    const char* Bytes(qint64 n, const char* was) {
        if (n > FEnde - FPos) {
            Nachladen(n, was);
        }
        const char* p = FPos;
        FPos += n;
        return p;
    }
    // Up to `n` bytes (at least one), for reading long runs piece by piece.
    qint64 Verfuegbar(qint64 n, const char* was) {
        if (FEnde == FPos) {
            Nachladen(qMin<qint64>(n, FBlock), was);
        }
        return qMin<qint64>(n, FEnde - FPos);
    }
    const char* Zeiger() const { return FPos; }
    void Weiter(qint64 n) { FPos += n; }

    quint8 Byte(const char* was) { return quint8(*Bytes(1, was)); }
    bool Schalter(const char* was) { return Byte(was) != 0; }
    quint32 Kardinal(const char* was) { return qFromLittleEndian<quint32>(Bytes(4, was)); }
    qint32 Ganzzahl(const char* was) { return qint32(Kardinal(was)); }
    double Gleitzahl(const char* was) { return GleitzahlAus(Bytes(8, was)); }
    QString Text(const char* was) {
        const qint64 n = Ganzzahl(was);
        if (n < 0 || n > Rest()) {
            FPos -= 4;
            Fehler(QStringLiteral("Die Textlänge %1 (%2) passt nicht in den Rest der Datei")
                       .arg(n)
                       .arg(QLatin1String(was)));
        }
        return Textkodierung::AusWindows1252(Bytes(n, was), n);
    }

    static double GleitzahlAus(const char* p) {
        const quint64 bits = qFromLittleEndian<quint64>(p);
        double wert;
        std::memcpy(&wert, &bits, 8);
        return wert;
    }

private:
    const char* FFensterAnfang() const { return FDatei ? FPuffer.constData() : FEnde - FGesamt; }

    void Nachladen(qint64 n, const char* was) {
        if (n > Rest() || !FDatei) {
            Fehler(QStringLiteral("Die Datei endet vor %1").arg(QLatin1String(was)));
        }
        // Keep the unread bytes, then fill up to a block (or to `n` for a long text).
        const qint64 alt = FEnde - FPos;
        const qint64 position = Position();
        QByteArray neu;
        const qint64 ziel = qMin(qMax(n, FBlock), Rest());
        if (FPuffer.size() >= ziel && alt > 0) {
            std::memmove(FPuffer.data(), FPos, size_t(alt));
        } else if (FPuffer.size() < ziel) {
            neu.resize(ziel);
            if (alt > 0) {
                std::memcpy(neu.data(), FPos, size_t(alt));
            }
            FPuffer.swap(neu);
        }
        qint64 gelesen = alt;
        while (gelesen < ziel) {
            const qint64 r = FDatei->read(FPuffer.data() + gelesen, ziel - gelesen);
            if (r <= 0) {
                FBasis = position;
                FPos = FPuffer.constData();
                FEnde = FPos + gelesen;
                Fehler(QStringLiteral("Lesefehler: %1").arg(FDatei->errorString()));
            }
            gelesen += r;
        }
        FBasis = position;
        FPos = FPuffer.constData();
        FEnde = FPos + gelesen;
    }

    QIODevice* FDatei = nullptr;
    QByteArray FPuffer;
    const char* FPos = nullptr;
    const char* FEnde = nullptr;
    qint64 FBasis = 0; // file offset of the first byte of the window
    qint64 FGesamt;
    qint64 FBlock = 0;
};

void AchseLesen(TLeser& l, TAchse& a) {
    a.Titel = l.Text("Achsentitel");
    a.Minimum = l.Gleitzahl("Minimum");
    a.Maximum = l.Gleitzahl("Maximum");
    a.MinMaxAutomatik = l.Schalter("MinMax Automatik");
    a.Gitterabstand = l.Gleitzahl("Gitterabstand");
    a.GitterAnzahl = l.Gleitzahl("Gitteranzahl");
    a.Gitterstil = l.Byte("Gitterstil");
    a.GitterAutomatik = l.Schalter("Gitter Automatik");
    a.Gitterfarbe = l.Kardinal("Gitterfarbe");
    a.Einheit = l.Text("Einheit");
}

// Reads one curve; `xMin`/`xMinGesetzt` follow the smallest X over the whole file.
void KurveLesen(TLeser& l, TKurve& k, double& xMin, bool& xMinGesetzt) {
    k.Name = l.Text("Kurvenname");
    k.Sichtbar = l.Schalter("Sichtbar");
    k.AchseRechts = l.Schalter("Achse Rechts");
    const qint64 h = l.Ganzzahl("Punktanzahl");
    const qint64 n = h + 1;
    // The rest of the curve group and the markers follow the points, so the points must
    // leave room for them.
    if (h < -1 || (n > 0 && n > (l.Rest() - (kKurveMindestens - 10) - kMarkerGroesse) / 16)) {
        l.Fehler(QStringLiteral("Die Punktanzahl %1 passt nicht in den Rest der Datei").arg(n));
    }
    const QString zuViel = Arbeitsspeicher::Pruefen(
        16 * std::max<qint64>(n, 0), QStringLiteral("Das Lesen von %1 Punkten").arg(n));
    if (!zuViel.isEmpty()) {
        l.Fehler(zuViel);
    }
    // Two rows of many megabytes each: backed by large pages they are filled without a page
    // fault for every 4 KB.
    for (QVector<double>& zeile : k.Werte) {
        zeile.reserve(qMax<qint64>(n, 0));
        Arbeitsspeicher::GrosseSeitenAnraten(zeile.data(), 8 * qMax<qint64>(n, 0));
        zeile.resize(n);
    }
    double* x = k.Werte[0].data();
    double* y = k.Werte[1].data();
    double m = xMin;
    bool gesetzt = xMinGesetzt;
    qint64 j = 0;
    while (j < n) {
        const qint64 stueck = l.Verfuegbar(16 * (n - j), "Punkte") / 16;
        if (stueck == 0) {
            // Fewer than 16 bytes in the window: fetch one whole point.
            const char* p = l.Bytes(16, "Punkte");
            x[j] = TLeser::GleitzahlAus(p);
            y[j] = TLeser::GleitzahlAus(p + 8);
            if (!gesetzt || x[j] < m) {
                m = x[j];
                gesetzt = true;
            }
            ++j;
            continue;
        }
        const char* p = l.Zeiger();
        for (qint64 i = 0; i < stueck; ++i, ++j) {
            const double xj = TLeser::GleitzahlAus(p + 16 * i);
            x[j] = xj;
            y[j] = TLeser::GleitzahlAus(p + 16 * i + 8);
            if (!gesetzt || xj < m) {
                m = xj;
                gesetzt = true;
            }
        }
        l.Weiter(16 * stueck);
    }
    if (gesetzt) {
        xMin = m;
        xMinGesetzt = true;
    }
    k.Anzahl = l.Kardinal("Anzahl");
    k.Reserve1 = l.Gleitzahl("Reserve1");
    k.Reserve2 = l.Gleitzahl("Reserve2");
    k.Intervall = l.Gleitzahl("Intervall");
    k.Start = l.Gleitzahl("Start");
    k.YOffset = l.Gleitzahl("Y-Offset");
    k.YFaktor = l.Gleitzahl("Y-Faktor");
    k.Linienfarbe = l.Kardinal("Linienfarbe");
    k.Linienstil = l.Byte("Linienstil");
    k.Linienbreite = l.Ganzzahl("Linienbreite");
    k.LinieSichtbar = l.Schalter("Linie sichtbar");
    k.Punktfarbe = l.Kardinal("Punktfarbe");
    k.Reserve3 = l.Kardinal("Reserve3");
    k.Punktstil = l.Byte("Punktstil");
    k.Punktbreite = l.Ganzzahl("Punktbreite");
    k.PunktSichtbar = l.Schalter("Punkt sichtbar");
}

void DokumentLesen(TLeser& l, TDiagramm& d) {
    d.Titel = l.Text("Titel");
    d.Fusszeile = l.Text("Fusszeile");
    d.Legende = l.Schalter("Legende");
    d.Rahmenfarbe = l.Kardinal("Rahmenfarbe");
    d.Hintergrundfarbe = l.Kardinal("Hintergrundfarbe");
    d.Schriftfarbe = l.Kardinal("Schriftfarbe");
    d.DatumZeitAchse = l.Schalter("DatumZeitAchse");
    AchseLesen(l, d.AchseLinks);
    AchseLesen(l, d.AchseUnten);
    AchseLesen(l, d.AchseRechts);
    const qint64 c = l.Ganzzahl("Kurvenanzahl");
    if (c < 0 || (c > 0 && c > (l.Rest() - kMarkerGroesse) / kKurveMindestens)) {
        l.Fehler(QStringLiteral("Die Kurvenanzahl %1 passt nicht in den Rest der Datei").arg(c));
    }
    double xMin = d.XMin;
    bool xMinGesetzt = false;
    d.Kurven = QVector<TKurve>(c);
    for (TKurve& k : d.Kurven) {
        KurveLesen(l, k, xMin, xMinGesetzt);
    }
    d.XMin = xMin;
    d.Marker1X = l.Gleitzahl("Marker1X");
    d.Marker1YLinks = l.Gleitzahl("Marker1YLinks");
    d.Marker2X = l.Gleitzahl("Marker2X");
    d.Marker2YLinks = l.Gleitzahl("Marker2YLinks");
    d.Marker1Sichtbar = l.Schalter("Marker1Sichtbar");
    d.Marker2Sichtbar = l.Schalter("Marker2Sichtbar");
    d.MarkerStil = l.Byte("MarkerStil");
    d.MarkerFarbe = l.Kardinal("MarkerFarbe");
    // Bytes after the last field are ignored, as they always were.
}

// Collects the bytes in a buffer of a megabyte and hands full buffers to the file; the
// buffer is allocated once, so a large document costs no allocation per block.
class TSchreiber {
public:
    explicit TSchreiber(TSpeicherDatei& datei) : FDatei(datei), FPuffer(new char[kBlock]) {}

    bool Ok() const { return FOk; }
    void Leeren() {
        if (FOk && FBelegt > 0) {
            FOk = FDatei.Schreiben(FPuffer.get(), FBelegt);
        }
        FBelegt = 0;
    }
    void Bytes(const char* p, qsizetype n) {
        if (FBelegt + n > kBlock) {
            Leeren();
        }
        if (n > kBlock) {
            FOk = FOk && FDatei.Schreiben(p, n);
            return;
        }
        std::memcpy(FPuffer.get() + FBelegt, p, size_t(n));
        FBelegt += n;
    }
    void Byte(quint8 b) { Bytes(reinterpret_cast<const char*>(&b), 1); }
    void Schalter(bool b) { Byte(b ? 1 : 0); }
    void Kardinal(quint32 w) {
        char p[4];
        qToLittleEndian(w, p);
        Bytes(p, 4);
    }
    void Ganzzahl(qint32 w) { Kardinal(quint32(w)); }
    void Gleitzahl(double w) {
        quint64 bits;
        std::memcpy(&bits, &w, 8);
        char p[8];
        qToLittleEndian(bits, p);
        Bytes(p, 8);
    }
    void Text(const QString& t) {
        const QByteArray b = Textkodierung::NachWindows1252(t);
        Ganzzahl(qint32(b.size()));
        Bytes(b.constData(), b.size());
    }
    // The points interleaved, X then Y, straight into the buffer.
    void Punkte(const QVector<double>& x, const QVector<double>& y) {
        const qsizetype n = x.size();
        const qsizetype nY = y.size();
        const double* px = x.constData();
        const double* py = y.constData();
        qsizetype j = 0;
        while (j < n) {
            if (kBlock - FBelegt < 16) {
                Leeren();
            }
            const qsizetype stueck = qMin<qsizetype>(n - j, (kBlock - FBelegt) / 16);
            char* p = FPuffer.get() + FBelegt;
            // Row 1 should be as long as row 0; should it not be, the missing Y are 0.
            const qsizetype mitY = qBound<qsizetype>(0, nY - j, stueck);
            for (qsizetype i = 0; i < mitY; ++i) {
                quint64 bx, by;
                std::memcpy(&bx, px + j + i, 8);
                std::memcpy(&by, py + j + i, 8);
                qToLittleEndian(bx, p + 16 * i);
                qToLittleEndian(by, p + 16 * i + 8);
            }
            for (qsizetype i = mitY; i < stueck; ++i) {
                quint64 bx;
                std::memcpy(&bx, px + j + i, 8);
                qToLittleEndian(bx, p + 16 * i);
                qToLittleEndian(quint64(0), p + 16 * i + 8);
            }
            j += stueck;
            FBelegt += 16 * stueck;
        }
    }

private:
    static constexpr qsizetype kBlock = 1 << 20;
    TSpeicherDatei& FDatei;
    std::unique_ptr<char[]> FPuffer;
    qsizetype FBelegt = 0;
    bool FOk = true;
};

void AchseSchreiben(TSchreiber& s, const TAchse& a) {
    s.Text(a.Titel);
    s.Gleitzahl(a.Minimum);
    s.Gleitzahl(a.Maximum);
    s.Schalter(a.MinMaxAutomatik);
    s.Gleitzahl(a.Gitterabstand);
    s.Gleitzahl(a.GitterAnzahl);
    s.Byte(a.Gitterstil);
    s.Schalter(a.GitterAutomatik);
    s.Kardinal(a.Gitterfarbe);
    s.Text(a.Einheit);
}

void KurveSchreiben(TSchreiber& s, const TKurve& k) {
    s.Text(k.Name);
    s.Schalter(k.Sichtbar);
    s.Schalter(k.AchseRechts);
    s.Ganzzahl(qint32(k.Werte[0].size() - 1));
    s.Punkte(k.Werte[0], k.Werte[1]);
    s.Kardinal(k.Anzahl);
    s.Gleitzahl(k.Reserve1);
    s.Gleitzahl(k.Reserve2);
    s.Gleitzahl(k.Intervall);
    s.Gleitzahl(k.Start);
    s.Gleitzahl(k.YOffset);
    s.Gleitzahl(k.YFaktor);
    s.Kardinal(k.Linienfarbe);
    s.Byte(k.Linienstil);
    s.Ganzzahl(k.Linienbreite);
    s.Schalter(k.LinieSichtbar);
    s.Kardinal(k.Punktfarbe);
    s.Kardinal(k.Reserve3);
    s.Byte(k.Punktstil);
    s.Ganzzahl(k.Punktbreite);
    s.Schalter(k.PunktSichtbar);
}

} // namespace

namespace {

// Reads into `neu` (a copy of the document) and takes it over only when the whole file was
// read, so that a damaged file changes nothing and the markers' right-axis values survive.
TGraphLeseErgebnis Uebernehmen(TLeser& l, TDiagramm& neu, TDiagramm& d) {
    try {
        DokumentLesen(l, neu);
    } catch (const TLesefehler& f) {
        return TGraphLeseErgebnis::Fehler(f.Fehler, f.Position);
    } catch (const std::bad_alloc&) {
        return TGraphLeseErgebnis::Fehler(Arbeitsspeicher::ErschoepftText(), l.Position());
    }
    d = std::move(neu);
    return {};
}

} // namespace

TGraphLeseErgebnis GraphDatenLesen(const char* daten, qint64 laenge, TDiagramm& d) {
    TDiagramm neu = d;
    TLeser l(daten, laenge);
    return Uebernehmen(l, neu, d);
}

TGraphLeseErgebnis GraphDatenLesen(QIODevice& quelle, qint64 laenge, TDiagramm& d, qint64 block) {
    TDiagramm neu = d;
    TLeser l(quelle, laenge, block);
    return Uebernehmen(l, neu, d);
}

TGraphLeseErgebnis GraphDateiLesen(const QString& datei, TDiagramm& d) {
    if (!QFileInfo::exists(datei)) {
        return TGraphLeseErgebnis::Fehlend();
    }
    // A FIFO or a device is refused before it is opened: reading it could block for ever.
    if (const QString art = DateiPruefung::Lesbar(datei); !art.isEmpty()) {
        return TGraphLeseErgebnis::Fehler(art, 0);
    }
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) {
        return TGraphLeseErgebnis::Fehler(f.errorString(), 0);
    }
    return GraphDatenLesen(f, f.size(), d);
}

TErgebnis GraphDateiSchreiben(const QString& datei, const TDiagramm& d) {
    TSpeicherDatei f(datei);
    if (!f.Oeffnen()) {
        return TErgebnis::Fehler(f.Fehler());
    }
    TSchreiber s(f);
    s.Text(d.Titel);
    s.Text(d.Fusszeile);
    s.Schalter(d.Legende);
    s.Kardinal(d.Rahmenfarbe);
    s.Kardinal(d.Hintergrundfarbe);
    s.Kardinal(d.Schriftfarbe);
    s.Schalter(d.DatumZeitAchse);
    AchseSchreiben(s, d.AchseLinks);
    AchseSchreiben(s, d.AchseUnten);
    AchseSchreiben(s, d.AchseRechts);
    s.Ganzzahl(qint32(d.Kurven.size()));
    for (const TKurve& k : d.Kurven) {
        KurveSchreiben(s, k);
    }
    s.Gleitzahl(d.Marker1X);
    s.Gleitzahl(d.Marker1YLinks);
    s.Gleitzahl(d.Marker2X);
    s.Gleitzahl(d.Marker2YLinks);
    s.Schalter(d.Marker1Sichtbar);
    s.Schalter(d.Marker2Sichtbar);
    s.Byte(d.MarkerStil);
    s.Kardinal(d.MarkerFarbe);
    s.Leeren();
    if (!s.Ok() || !f.Abschliessen()) {
        return TErgebnis::Fehler(f.Fehler());
    }
    return {};
}

bool GraphDateiOeffnen(TShellKontext& app, const QString& datei, TDiagramm& d) {
    const TGraphLeseErgebnis e = GraphDateiLesen(datei, d);
    if (e.Zustand == TGraphLeseErgebnis::Fehlt) {
        app.Nachricht(Meldung::DateiFehlt, datei);
    } else if (e.Zustand == TGraphLeseErgebnis::Unlesbar) {
        app.Nachricht(Meldung::Allgemein, datei + QChar(13) + app.Texte.GraphDateiUnlesbarText +
                                              QChar(13) + e.Meldung +
                                              QStringLiteral(" (Byte %1)").arg(e.Position));
    }
    return bool(e);
}

} // namespace GraphDatei
