// One QApplication for the whole test program, on the offscreen platform.

#include <gtest/gtest.h>

#include <QApplication>

namespace {

class QtEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "qt_tests";
    static char* argv[] = {name, nullptr};
    app_ = new QApplication(argc, argv);
    app_->setQuitOnLastWindowClosed(false);
  }
  void TearDown() override { delete app_; }

 private:
  QApplication* app_ = nullptr;
};

testing::Environment* const environment = testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
