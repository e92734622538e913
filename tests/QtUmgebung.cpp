// One application object for a whole test program (offscreen unless a platform is set), so
// that tests may use widgets, timers and event loops. It is the program's own, so the
// general error display is under test as well.
#include "app/ui/TOrvanApplikation.h"

#include <gtest/gtest.h>

namespace {

class TQtUmgebung : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        static int argc = 1;
        static char name[] = "orvan-test";
        static char* argv[] = {name, nullptr};
        FAnwendung = new TOrvanApplikation(argc, argv);
    }
    void TearDown() override { delete FAnwendung; }

private:
    TOrvanApplikation* FAnwendung = nullptr;
};

const auto* const kUmgebung = ::testing::AddGlobalTestEnvironment(new TQtUmgebung);

} // namespace
