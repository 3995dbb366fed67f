#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace {

// One application for every widget test in the process, gone before main returns: Qt
// does not survive being torn down among the static destructors.
class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override { app = std::make_unique<QApplication>(argc, argv); }
    void TearDown() override { app.reset(); }

private:
    int argc = 1;
    char name[6] = "rovik";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> app;
};

const ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
