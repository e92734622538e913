#include "shell/Uhr.h"

#include "shell/DatumZeit.h"

namespace {
std::function<double()>& Quelle() {
    static std::function<double()> quelle;
    return quelle;
}
} // namespace

namespace Uhr {

double Jetzt() {
    if (Quelle()) {
        return Quelle()();
    }
    return DatumZeit::AusQDateTime(QDateTime::currentDateTime());
}

void Stellen(std::function<double()> uhr) {
    Quelle() = std::move(uhr);
}

} // namespace Uhr
