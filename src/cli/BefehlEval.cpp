// eval FORMULA [NAME=VALUE]...: one formula evaluated by a fresh evaluator.
#include "cli/TCliKontext.h"
#include "formula/FormelAuswerten.h"

#include <iostream>
#include <sstream>

namespace {

int Eval(TCliKontext&, const QStringList& argumente) {
    std::vector<std::string> args;
    for (const QString& a : argumente) {
        args.push_back(a.toStdString());
    }
    std::ostringstream aus;
    std::ostringstream fehler;
    const int ergebnis = FormelAuswertenCli(args, aus, fehler);
    std::fflush(stdout);
    std::cout << aus.str() << std::flush;
    std::cerr << fehler.str() << std::flush;
    return ergebnis;
}

const TCliBefehl befehl("eval", "eval FORMULA [NAME=VALUE]...", Eval);

} // namespace
