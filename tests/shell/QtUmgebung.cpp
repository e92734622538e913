// One QApplication for the whole test program (offscreen unless a platform is set), so that
// tests may use widgets, timers and event loops.
#include <QApplication>
#include <gtest/gtest.h>

namespace {

class TQtUmgebung : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        static int argc = 1;
        static char name[] = "test_shell";
        static char* argv[] = {name, nullptr};
        FAnwendung = new QApplication(argc, argv);
    }
    void TearDown() override { delete FAnwendung; }

private:
    QApplication* FAnwendung = nullptr;
};

const auto* const kUmgebung = ::testing::AddGlobalTestEnvironment(new TQtUmgebung);

} // namespace
