#include "formula/FormelAuswerten.h"

#include "formula/EMathError.h"
#include "formula/EMathParserError.h"
#include "formula/TParser.h"

#include <charconv>
#include <cmath>
#include <ostream>

namespace {

// One line per error: carriage returns and line feeds of a message become \r and \n.
std::string OneLine(const char* text) {
    std::string line;
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c == '\r')
            line += "\\r";
        else if (*c == '\n')
            line += "\\n";
        else
            line += *c;
    }
    return line;
}

template <typename Error> void Report(std::ostream& err, const Error& error) {
    err << error.ClassName() << ": " << OneLine(error.what()) << '\n';
}

// A compile error also names its place where the compiler knows it, on a line of its own:
// Stelle 7: "**" (the character index in the formula, counted from 0, and the text there).
void Report(std::ostream& err, const EMathParserError& error) {
    err << error.ClassName() << ": " << OneLine(error.what()) << '\n';
    if (error.Position >= 0)
        err << "Stelle " << error.Position << ": \"" << OneLine(error.Token.c_str()) << "\"\n";
}

// A finite number with "." as decimal point; the whole text must be the number.
bool ReadNumber(const std::string& text, double& value) {
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (begin != end && *begin == '+')
        ++begin;
    const auto [stop, error] = std::from_chars(begin, end, value);
    return begin != end && error == std::errc() && stop == end && std::isfinite(value);
}

} // namespace

int FormelAuswertenCli(const std::vector<std::string>& Args, std::ostream& Out, std::ostream& Err) {
    if (Args.empty()) {
        Err << "Aufruf: eval FORMEL [NAME=WERT]...\n";
        return 1;
    }
    TParser parser;
    for (std::size_t i = 1; i < Args.size(); ++i) {
        const std::string& assignment = Args[i];
        const std::size_t equals = assignment.find('=');
        if (equals == std::string::npos || equals == 0) {
            Err << "Aufruf: eval FORMEL [NAME=WERT]... (nicht NAME=WERT: " << assignment << ")\n";
            return 1;
        }
        const std::string name = assignment.substr(0, equals);
        const std::string text = assignment.substr(equals + 1);
        double value = 0.0;
        if (!ReadNumber(text, value)) {
            Err << "EConvertError: '" << text << "' ist kein gültiger Gleitkommawert\n";
            return 2;
        }
        try {
            parser.DefineVariable(name, value);
        } catch (const EMathParserError& error) {
            Report(Err, error);
            return 2;
        }
    }
    try {
        parser.SetExpression(Args[0]);
    } catch (const EMathParserError& error) {
        Report(Err, error);
        return 2;
    } catch (const ERangeError& error) {
        Report(Err, error);
        return 2;
    } catch (const EConvertError& error) {
        Report(Err, error);
        return 2;
    }
    double result = 0.0;
    try {
        result = parser.Value();
    } catch (const EMathError& error) {
        Report(Err, error);
        return 3;
    }
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, result);
    Out << std::string_view(buffer, static_cast<std::size_t>(written.ptr - buffer)) << '\n';
    return 0;
}
