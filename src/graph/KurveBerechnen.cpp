#include "graph/KurveBerechnen.h"

#include "formula/EMathError.h"
#include "formula/TParser.h"
#include "shell/Meldungen.h"
#include "shell/TShellKontext.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

namespace Berechnungsformel {

QString Formel(const QString& name) {
    const qsizetype gleich = name.indexOf(u'=');
    return gleich < 0 ? name : name.mid(gleich + 1);
}

std::optional<QVector<int>> Bezuege(const QString& formel, QString* fehler) {
    // A reference starts at an "M" and runs over the digits right after it. It ends at the
    // first character that is no digit (which may itself be the "M" of the next reference:
    // then the digits of that new start are still to come and the text between is empty),
    // or at the last character of the formula.
    QVector<int> liste;
    bool inBezug = false;
    qsizetype a = 0;
    qsizetype e = 0;
    const qsizetype n = formel.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = formel[i];
        const bool ziffer = c >= u'0' && c <= u'9';
        bool endet = false;
        if (inBezug && ziffer) {
            e = i;
        }
        if (inBezug && (!ziffer || i == n - 1)) {
            endet = true;
        }
        if (c == u'M') {
            inBezug = true;
            a = e = i;
        }
        if (endet) {
            const QString ziffern = formel.mid(a + 1, e - a);
            bool ok = false;
            const int nummer = ziffern.toInt(&ok);
            if (!ok) {
                if (fehler) {
                    *fehler = QStringLiteral("Nach \"M\" an Stelle %1 der Formel \"%2\" fehlt "
                                             "die Nummer der Messreihe")
                                  .arg(a + 1)
                                  .arg(formel);
                }
                return std::nullopt;
            }
            liste.append(nummer);
            inBezug = false;
        }
    }
    return liste;
}

} // namespace Berechnungsformel

namespace {

// A usable reference list: every series exists (by index and as some series' Kanal), has at
// least as many measurements as the first, and rows long enough for every point read.
bool BezuegeBrauchbar(const TMessDatei& m, const QVector<int>& r) {
    if (r.isEmpty()) {
        return false;
    }
    const auto& reihen = m.Messreihen;
    for (int n : r) {
        if (n >= reihen.size() || std::none_of(reihen.cbegin(), reihen.cend(),
                                               [n](const TMessreihe& s) { return s.Kanal == n; })) {
            return false;
        }
    }
    const TMessreihe& q = reihen[r[0]];
    const qsizetype punkte = q.Messwerte[0].size() - 1; // points of the result
    for (int n : r) {
        const TMessreihe& s = reihen[n];
        if (s.Anzahl < q.Anzahl) {
            return false;
        }
        // Anzahl is 0 for a series computed earlier in the same import, and a damaged
        // record may claim more than it holds: the real rows decide what can be read.
        if (s.Messwerte[1].size() < punkte || (n == r[0] && q.Messwerte[1].size() < punkte)) {
            return false;
        }
    }
    return true;
}

} // namespace

TErgebnis KurveBerechnen(TShellKontext& app, TParser& parser, int k, TMessDatei& m) {
    if (k < 0 || k >= m.Messreihen.size()) {
        return {};
    }
    const QString formel = Berechnungsformel::Formel(m.Messreihen[k].Name);
    QString fehler;
    const auto r = Berechnungsformel::Bezuege(formel, &fehler);
    if (!r) {
        return TErgebnis::Fehler(fehler);
    }
    if (!BezuegeBrauchbar(m, *r)) {
        return {};
    }
    const bool integral = formel.left(3).toUpper() == QStringLiteral("IGR") && r->size() == 1;

    parser.RemoveVariables();
    // The cells of the variables: setting them is what DefineVariable does, without looking
    // the name up again for every point.
    QVector<double*> zellen;
    if (!integral) {
        for (int n : *r) {
            zellen.append(parser.DefineVariable("M" + std::to_string(n), 0.0));
        }
        // Every refusal of the compiler is message 35: a syntax error, an exponent out of
        // range, a number it cannot read, or arithmetic that fails while folding constants
        // (all of the evaluator's error classes are runtime errors).
        try {
            parser.SetExpression(formel.toStdString());
        } catch (const std::runtime_error&) {
            app.Nachricht(Meldung::FormelFehlerhaft, formel);
        }
    }

    const auto& reihen = std::as_const(m.Messreihen);
    const TMessreihe& s = reihen[k];
    const TMessreihe& q = reihen[(*r)[0]];
    const qsizetype punkte = qMax<qsizetype>(0, q.Messwerte[0].size() - 1);
    TMesswerte neu;
    neu[0] = q.Messwerte[0].first(punkte);
    neu[1].resize(punkte);
    const double nullwert = s.Nullwert;
    const double konstante = s.Messkonstante;
    const double* t = neu[0].constData();
    double* y = neu[1].data();
    try {
        if (integral) {
            const double* qy = q.Messwerte[1].constData();
            for (qsizetype j = 0; j < punkte; ++j) {
                y[j] = j == 0 ? nullwert * konstante
                              : (qy[j] + nullwert) * konstante * (t[j] - t[j - 1]) + y[j - 1];
            }
        } else {
            QVector<const double*> quellen;
            for (int n : *r) {
                quellen.append(reihen[n].Messwerte[1].constData());
            }
            const qsizetype bezuege = quellen.size();
            for (qsizetype j = 0; j < punkte; ++j) {
                for (qsizetype b = 0; b < bezuege; ++b) {
                    *zellen[b] = quellen[b][j];
                }
                y[j] = (parser.Value() + nullwert) * konstante;
            }
        }
    } catch (const EMathError& e) {
        return TErgebnis::Fehler(QStringLiteral("Fehler beim Berechnen von \"%1\": %2")
                                     .arg(s.Name, QString::fromStdString(e.what())));
    }
    m.Messreihen[k].Messwerte = std::move(neu);
    return {};
}
