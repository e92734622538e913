#include "cli/TCliKontext.h"

#include <charconv>
#include <cstdio>

namespace {
QList<const TCliBefehl*>& Verzeichnis() {
    static QList<const TCliBefehl*> befehle;
    return befehle;
}
} // namespace

TCliBefehl::TCliBefehl(const char* name, const char* aufruf, TFunktion funktion)
    : Name(name), Aufruf(aufruf), Funktion(funktion) {
    Verzeichnis().append(this);
}

const QList<const TCliBefehl*>& TCliBefehl::Alle() {
    return Verzeichnis();
}

void Ausgabe(const QString& zeile) {
    const QByteArray bytes = zeile.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fputc('\n', stdout);
}

void Fehlerausgabe(const QString& zeile) {
    std::fflush(stdout);
    const QByteArray bytes = zeile.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

QString ZahlText(double wert) {
    char puffer[64];
    const auto ergebnis = std::to_chars(puffer, puffer + sizeof puffer, wert);
    return QString::fromLatin1(puffer, ergebnis.ptr - puffer);
}
