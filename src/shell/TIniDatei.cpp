#include "shell/TIniDatei.h"

#include "shell/DateiPruefung.h"
#include "shell/TSpeicherDatei.h"

#include "shell/Textkodierung.h"
#include "shell/Zahlen.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

bool GleicherName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Reads a value as the platform's INI routines did: blanks at both ends removed, one pair
// of enclosing double quotes removed.
QString WertAufbereiten(const QString& roh) {
    QString wert = roh.trimmed();
    if (wert.size() >= 2 && wert.startsWith(u'"') && wert.endsWith(u'"')) {
        wert = wert.mid(1, wert.size() - 2);
    }
    return wert;
}

} // namespace

TIniDatei::TIniDatei(const QString& pfad) : FPfad(pfad) {
    // Only a regular file counts: a directory, FIFO or device of that name reads as empty
    // (and is not written over either).
    if (!DateiPruefung::Lesbar(pfad).isEmpty()) {
        return;
    }
    const QFileInfo info(pfad);
    QFile datei(pfad);
    FVorhanden = true;
    // The program's INI files are a few kilobytes; a huge one is refused before it costs
    // time and memory at every start.
    if (info.size() > kGroessteDatei) {
        FLesefehler = QStringLiteral("Die Datei ist mit %1 Bytes größer als die erlaubten %2 "
                                     "Bytes und wird nicht gelesen")
                          .arg(info.size())
                          .arg(kGroessteDatei);
        return;
    }
    if (!datei.open(QIODevice::ReadOnly)) {
        FLesefehler = datei.errorString();
        return;
    }
    // Read in blocks: one read of the largest allowed size would allocate and clear 4 MB for
    // every file of a few kilobytes. One byte past the limit is enough to see a file that
    // grew after its size was checked.
    QByteArray bytes;
    while (bytes.size() <= kGroessteDatei) {
        const QByteArray block =
            datei.read(std::min<qint64>(64 * 1024, kGroessteDatei + 1 - bytes.size()));
        if (block.isEmpty()) {
            break;
        }
        bytes += block;
    }
    if (bytes.size() > kGroessteDatei) {
        FLesefehler = QStringLiteral("Die Datei ist größer als die erlaubten %1 Bytes und wird "
                                     "nicht gelesen")
                          .arg(kGroessteDatei);
        return;
    }
    const qsizetype zeilen = bytes.count('\n') + 1;
    if (zeilen > kMeisteZeilen) {
        FLesefehler = QStringLiteral("Die Datei hat %1 Zeilen, mehr als die erlaubten %2, und "
                                     "wird nicht gelesen")
                          .arg(zeilen)
                          .arg(kMeisteZeilen);
        return;
    }
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        FBom = true;
        bytes.remove(0, 3);
    }
    const QString text = Dekodieren(bytes);
    if (text.contains(QLatin1String("\r\n"))) {
        FZeilenende = QStringLiteral("\r\n");
    }
    Zerlegen(text);
}

QString TIniDatei::Dekodieren(const QByteArray& bytes) {
    FUtf8 = Textkodierung::IstGueltigesUtf8(bytes);
    if (FUtf8) {
        return QString::fromUtf8(bytes);
    }
    // Line by line: a UTF-8 file with one stray byte keeps its other lines intact. The file
    // is written back as UTF-8 when any line holds UTF-8 beyond plain ASCII.
    QString text;
    text.reserve(bytes.size());
    bool utf8Zeichen = false;
    qsizetype anfang = 0;
    int nummer = 1;
    while (anfang <= bytes.size()) {
        qsizetype ende = bytes.indexOf('\n', anfang);
        ende = ende < 0 ? bytes.size() : ende + 1;
        const QByteArray zeile = bytes.mid(anfang, ende - anfang);
        if (Textkodierung::IstGueltigesUtf8(zeile)) {
            const QString z = QString::fromUtf8(zeile);
            utf8Zeichen = utf8Zeichen || z.size() != zeile.size();
            text += z;
        } else {
            text += Textkodierung::AusWindows1252(zeile);
            if (FWindowsZeile == 0) {
                FWindowsZeile = nummer;
            }
        }
        anfang = ende;
        ++nummer;
        if (ende == bytes.size()) {
            break;
        }
    }
    FUtf8 = utf8Zeichen;
    return text;
}

void TIniDatei::Zerlegen(const QString& text) {
    QStringList zeilen = text.split(u'\n');
    if (!zeilen.isEmpty() && zeilen.last().isEmpty()) {
        zeilen.removeLast();
    }
    QVector<TZeile>* ziel = &FVorspann;
    for (QString roh : zeilen) {
        if (roh.endsWith(u'\r')) {
            roh.chop(1);
        }
        const QString getrimmt = roh.trimmed();
        if (getrimmt.startsWith(u'[')) {
            const qsizetype ende = getrimmt.indexOf(u']');
            if (ende > 0) {
                FAbschnitte.append({getrimmt.mid(1, ende - 1).trimmed(), roh, {}});
                ziel = &FAbschnitte.last().Zeilen;
                continue;
            }
        }
        TZeile zeile{roh, {}, {}};
        const qsizetype gleich = roh.indexOf(u'=');
        if (gleich > 0 && !getrimmt.startsWith(u';')) {
            zeile.Schluessel = roh.left(gleich).trimmed();
            zeile.Wert = roh.mid(gleich + 1);
        }
        ziel->append(zeile);
    }
}

const TIniDatei::TAbschnitt* TIniDatei::AbschnittSuchen(const QString& name) const {
    for (const auto& a : FAbschnitte) {
        if (GleicherName(a.Name, name)) {
            return &a;
        }
    }
    return nullptr;
}

TIniDatei::TAbschnitt* TIniDatei::AbschnittSuchen(const QString& name) {
    return const_cast<TAbschnitt*>(std::as_const(*this).AbschnittSuchen(name));
}

const TIniDatei::TZeile* TIniDatei::ZeileSuchen(const QString& abschnitt,
                                                const QString& schluessel) const {
    const TAbschnitt* a = AbschnittSuchen(abschnitt);
    if (!a) {
        return nullptr;
    }
    for (const auto& z : a->Zeilen) {
        if (!z.Schluessel.isEmpty() && GleicherName(z.Schluessel, schluessel)) {
            return &z;
        }
    }
    return nullptr;
}

QString TIniDatei::LiesText(const QString& abschnitt, const QString& schluessel,
                            const QString& vorgabe) const {
    const TZeile* z = ZeileSuchen(abschnitt, schluessel);
    return z ? WertAufbereiten(z->Wert) : vorgabe;
}

qint32 TIniDatei::LiesGanzzahl(const QString& abschnitt, const QString& schluessel,
                               qint32 vorgabe) const {
    const TZeile* z = ZeileSuchen(abschnitt, schluessel);
    if (!z) {
        return vorgabe;
    }
    return Zahlen::GanzzahlLesen(WertAufbereiten(z->Wert)).value_or(vorgabe);
}

bool TIniDatei::LiesBool(const QString& abschnitt, const QString& schluessel, bool vorgabe) const {
    return LiesGanzzahl(abschnitt, schluessel, vorgabe ? 1 : 0) != 0;
}

double TIniDatei::LiesGleitzahl(const QString& abschnitt, const QString& schluessel,
                                double vorgabe) const {
    const TZeile* z = ZeileSuchen(abschnitt, schluessel);
    if (!z) {
        return vorgabe;
    }
    return Zahlen::GleitzahlLesen(WertAufbereiten(z->Wert)).value_or(vorgabe);
}

void TIniDatei::SchreibeText(const QString& abschnitt, const QString& schluessel,
                             const QString& wert) {
    TAbschnitt* a = AbschnittSuchen(abschnitt);
    if (!a) {
        FAbschnitte.append({abschnitt, QLatin1Char('[') + abschnitt + QLatin1Char(']'), {}});
        a = &FAbschnitte.last();
    }
    qsizetype letzterSchluessel = -1;
    for (qsizetype i = 0; i < a->Zeilen.size(); ++i) {
        TZeile& z = a->Zeilen[i];
        if (z.Schluessel.isEmpty()) {
            continue;
        }
        if (GleicherName(z.Schluessel, schluessel)) {
            z.Wert = wert;
            z.Roh = z.Schluessel + QLatin1Char('=') + wert;
            return;
        }
        letzterSchluessel = i;
    }
    // A new key goes right after the last key of its section, ahead of trailing blank lines.
    qsizetype stelle = letzterSchluessel + 1;
    if (letzterSchluessel < 0) {
        stelle = 0;
        while (stelle < a->Zeilen.size() && !a->Zeilen[stelle].Roh.trimmed().isEmpty()) {
            ++stelle;
        }
    }
    a->Zeilen.insert(stelle, TZeile{schluessel + QLatin1Char('=') + wert, schluessel, wert});
}

void TIniDatei::SchreibeGanzzahl(const QString& abschnitt, const QString& schluessel, qint32 wert) {
    SchreibeText(abschnitt, schluessel, QString::number(wert));
}

void TIniDatei::SchreibeBool(const QString& abschnitt, const QString& schluessel, bool wert) {
    SchreibeText(abschnitt, schluessel, wert ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniDatei::SchreibeGleitzahl(const QString& abschnitt, const QString& schluessel,
                                  double wert) {
    SchreibeText(abschnitt, schluessel, Zahlen::GleitzahlText(wert));
}

QStringList TIniDatei::Abschnitte() const {
    QStringList namen;
    for (const auto& a : FAbschnitte) {
        namen.append(a.Name);
    }
    return namen;
}

QStringList TIniDatei::Schluessel(const QString& abschnitt) const {
    QStringList namen;
    if (const TAbschnitt* a = AbschnittSuchen(abschnitt)) {
        for (const auto& z : a->Zeilen) {
            if (!z.Schluessel.isEmpty()) {
                namen.append(z.Schluessel);
            }
        }
    }
    return namen;
}

bool TIniDatei::AbschnittVorhanden(const QString& abschnitt) const {
    return AbschnittSuchen(abschnitt) != nullptr;
}

bool TIniDatei::SchluesselVorhanden(const QString& abschnitt, const QString& schluessel) const {
    return ZeileSuchen(abschnitt, schluessel) != nullptr;
}

bool TIniDatei::AbschnittLoeschen(const QString& abschnitt) {
    for (qsizetype i = 0; i < FAbschnitte.size(); ++i) {
        if (GleicherName(FAbschnitte[i].Name, abschnitt)) {
            FAbschnitte.removeAt(i);
            return true;
        }
    }
    return false;
}

bool TIniDatei::SchluesselLoeschen(const QString& abschnitt, const QString& schluessel) {
    TAbschnitt* a = AbschnittSuchen(abschnitt);
    if (!a) {
        return false;
    }
    for (qsizetype i = 0; i < a->Zeilen.size(); ++i) {
        if (!a->Zeilen[i].Schluessel.isEmpty() &&
            GleicherName(a->Zeilen[i].Schluessel, schluessel)) {
            a->Zeilen.removeAt(i);
            return true;
        }
    }
    return false;
}

QString TIniDatei::Text() const {
    QString text;
    auto zeilenSchreiben = [&](const QVector<TZeile>& zeilen) {
        for (const auto& z : zeilen) {
            text += z.Roh;
            text += FZeilenende;
        }
    };
    zeilenSchreiben(FVorspann);
    for (const auto& a : FAbschnitte) {
        text += a.Kopf;
        text += FZeilenende;
        zeilenSchreiben(a.Zeilen);
    }
    return text;
}

TErgebnis TIniDatei::Speichern() const {
    // A file that exists but could not be read would be replaced by what little was set.
    if (!FLesefehler.isEmpty()) {
        return TErgebnis::Fehler(FLesefehler);
    }
    const QString text = Text();
    QByteArray bytes;
    bool verlustfrei = true;
    if (!FUtf8) {
        bytes = Textkodierung::NachWindows1252(text, &verlustfrei);
    }
    // A text that the old code page cannot hold is written as UTF-8 rather than lost.
    if (FUtf8 || !verlustfrei) {
        bytes = text.toUtf8();
        if (FBom) {
            bytes.prepend("\xEF\xBB\xBF");
        }
    }
    return TSpeicherDatei::Alles(FPfad, bytes);
}
