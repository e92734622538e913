#include "shell/KommaText.h"

namespace {
bool Leer(QChar c) {
    return c.unicode() >= 1 && c.unicode() <= ' ';
}
} // namespace

QStringList KommaTextZerlegen(const QString& text) {
    QStringList felder;
    const qsizetype n = text.size();
    qsizetype p = 0;
    while (p < n && Leer(text[p])) {
        ++p;
    }
    while (p < n && text[p] != QChar(0)) {
        QString feld;
        if (text[p] == u'"') {
            ++p;
            while (p < n) {
                if (text[p] == u'"') {
                    if (p + 1 < n && text[p + 1] == u'"') {
                        feld += u'"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                feld += text[p++];
            }
        } else {
            const qsizetype anfang = p;
            while (p < n && text[p].unicode() > ' ' && text[p] != u',') {
                ++p;
            }
            feld = text.mid(anfang, p - anfang);
        }
        felder.append(feld);
        while (p < n && Leer(text[p])) {
            ++p;
        }
        if (p < n && text[p] == u',') {
            if (p + 1 >= n) {
                felder.append(QString());
            }
            do {
                ++p;
            } while (p < n && Leer(text[p]));
        }
    }
    return felder;
}
