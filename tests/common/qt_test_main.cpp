// Entry point of every test executable: a headless application object first, so
// that fonts, images and widgets work without a display.
//
// Each test process gets a link directory of its own (QUANTORA_RUNTIME_DIR), so
// no test meets a running program or another test, and a process that ends
// through the host link's quick exit before its tests finished fails loudly
// instead of passing with status 0.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

bool gTestsFinished = false;

void RefuseEarlyExit() {
  if (gTestsFinished) return;
  std::fputs("test process ended before its tests finished\n", stderr);
  std::fflush(stderr);
  _exit(86);
}

std::string MakeRuntimeDir() {
  std::string pattern = QDir::tempPath().toStdString() + "/quantora-test-XXXXXX";
  if (!mkdtemp(pattern.data())) return {};
  setenv("QUANTORA_RUNTIME_DIR", pattern.c_str(), 1);
  return pattern;
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  std::at_quick_exit(RefuseEarlyExit);
  std::atexit(RefuseEarlyExit);
  const std::string runtimeDir = MakeRuntimeDir();
  // Windows remember their places: in the test's folder, never the user's settings.
  if (!runtimeDir.empty())
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(runtimeDir));
  int status = 0;
  {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    status = RUN_ALL_TESTS();
  }
  gTestsFinished = true;
  if (!runtimeDir.empty()) QDir(QString::fromStdString(runtimeDir)).removeRecursively();
  return status;
}
