// One QApplication for the whole test program, on the offscreen platform with one screen of
// 800 x 600 pixels.

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "tools/qt_tour.h"

namespace {

class QtEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    screen_ = std::make_unique<tour::SmallOffscreenScreen>();
    static int argc = 1;
    static char name[] = "qt_tests";
    static char* argv[] = {name, nullptr};
    app_ = new QApplication(argc, argv);
    app_->setQuitOnLastWindowClosed(false);
  }
  void TearDown() override { delete app_; }

 private:
  std::unique_ptr<tour::SmallOffscreenScreen> screen_;
  QApplication* app_ = nullptr;
};

testing::Environment* const environment = testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
