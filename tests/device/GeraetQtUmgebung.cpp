// One QApplication for the device tests (offscreen unless a platform is set): the port,
// the transfer and the command run need timers and event loops, the progress dialog widgets.
#include <QApplication>
#include <gtest/gtest.h>

namespace {

class TGeraetQtUmgebung : public ::testing::Environment {
public:
    void SetUp() override {
        if (QCoreApplication::instance()) {
            return; // another part of the test program made one already
        }
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        static int argc = 1;
        static char name[] = "test_device";
        static char* argv[] = {name, nullptr};
        FAnwendung = new QApplication(argc, argv);
    }
    void TearDown() override { delete FAnwendung; }

private:
    QApplication* FAnwendung = nullptr;
};

const auto* const kUmgebung = ::testing::AddGlobalTestEnvironment(new TGeraetQtUmgebung);

} // namespace
