// Feeds arbitrary texts to Expression and evaluates what compiles. Every text must end in
// a compiled formula or one of the evaluator's errors; any other exception escapes and is
// reported as a crash. A value read without error must be finite, because all inputs are
// finite: an infinity or NaN would be an arithmetic error that went unreported.
#include "formula/EMathError.h"
#include "formula/EMathParserError.h"
#include "formula/TParser.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    const std::string text(reinterpret_cast<const char*>(Data), Size);
    TParser parser;
    double* m1 = parser.DefineVariable("M1", 0.5);
    const double values[] = {0.0, 1.5, -2.0, 1e300};
    try {
        parser.SetExpression(text);
    } catch (const EMathParserError&) {
        return 0;
    } catch (const ERangeError&) {
        return 0;
    } catch (const EConvertError&) {
        return 0;
    }
    for (double x : values) {
        parser.X = x;
        parser.Y = -x;
        *m1 = x / 3;
        try {
            const double value = parser.Value();
            if (!std::isfinite(value))
                std::abort();
        } catch (const EMathError&) {
        }
    }
    return 0;
}
