#pragma once

#include <QVector>
#include <QtGlobal>
#include <functional>
#include <limits>
#include <queue>
#include <utility>
#include <vector>

// The schedule of the measurement cycles after cycle 0: which cycles store a value of which
// series and which carry an intermediate time stamp. Series i stores in every
// `abstaende[i]`-th cycle, a stamp comes every `stempelAbstand`-th cycle (0: never). Only the
// cycles in which something happens are visited, in order, so a file whose series store
// rarely costs time by its values, not by its cycles. Series stored in every cycle are
// walked directly; the others wait in a queue ordered by their next cycle.
class TTaktPlan {
public:
    TTaktPlan(const QVector<quint64>& abstaende, quint64 stempelAbstand)
        : FAbstaende(abstaende), FStempelAbstand(stempelAbstand),
          FNaechsterStempel(stempelAbstand > 0 ? stempelAbstand
                                               : std::numeric_limits<quint64>::max()) {
        for (int i = 0; i < abstaende.size(); ++i) {
            if (abstaende[i] == 1) {
                FJedenTakt.append(i);
            } else {
                FTermine.push({abstaende[i], i});
            }
        }
    }

    // Moves on to the next cycle in which something happens; returns by how many cycles.
    quint64 Weiter() {
        quint64 naechster = FNaechsterStempel;
        if (!FJedenTakt.isEmpty()) {
            naechster = FTakt + 1;
        } else if (!FTermine.empty()) {
            naechster = std::min(naechster, FTermine.top().first);
        }
        const quint64 schritt = naechster - FTakt;
        FTakt = naechster;
        FAndere = !FTermine.empty() && FTermine.top().first == FTakt;
        return schritt;
    }

    quint64 Takt() const { return FTakt; }

    // True when the current cycle carries an intermediate stamp (once per cycle).
    bool Stempel() {
        if (FNaechsterStempel != FTakt) {
            return false;
        }
        FNaechsterStempel += FStempelAbstand;
        return true;
    }

    // True when series 0 stores in the current cycle.
    bool ErsteFaellig() const {
        return (!FJedenTakt.isEmpty() && FJedenTakt.front() == 0) ||
               (FAndere && FTermine.top().second == 0);
    }

    // The series that store in the current cycle, in their order. Call once per cycle: the
    // waiting series due now are moved on to their next cycle.
    const QVector<int>& Faellige() {
        if (!FAndere) {
            return FJedenTakt;
        }
        FFaellig.clear();
        qsizetype j = 0;
        while (!FTermine.empty() && FTermine.top().first == FTakt) {
            const auto [takt, i] = FTermine.top();
            FTermine.pop();
            FTermine.push({takt + Abstand(i), i});
            while (j < FJedenTakt.size() && FJedenTakt[j] < i) {
                FFaellig.append(FJedenTakt[j++]);
            }
            FFaellig.append(i);
        }
        while (j < FJedenTakt.size()) {
            FFaellig.append(FJedenTakt[j++]);
        }
        FAndere = false;
        return FFaellig;
    }

private:
    using TTermin = std::pair<quint64, int>; // cycle, series

    quint64 Abstand(int i) const { return FAbstaende.value(i, 1); }

    QVector<quint64> FAbstaende;
    quint64 FStempelAbstand;
    quint64 FNaechsterStempel;
    quint64 FTakt = 0;
    bool FAndere = false;
    QVector<int> FJedenTakt;
    QVector<int> FFaellig;
    std::priority_queue<TTermin, std::vector<TTermin>, std::greater<TTermin>> FTermine;
};
