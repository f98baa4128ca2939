// The program's application object: an error escaping an event handler shows
// one error box with its message, and the event loop goes on. Runs in an
// application object of the program's own kind, so it has its own entry point.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <stdexcept>

#include "app/quantora_application.h"

namespace quantora {
namespace {

TEST(ErrorReport, ErrorInAHandlerShowsOneBoxAndTheProgramGoesOn) {
  QPushButton button(QStringLiteral("Go"));
  button.setAttribute(Qt::WA_DontShowOnScreen);
  button.show();
  int clicks = 0;
  QObject::connect(&button, &QPushButton::clicked, [&] {
    ++clicks;
    throw std::runtime_error("Could not execute \"x.\"");
  });
  QStringList boxes;
  // Close every error box as it comes up, noting its text.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      boxes << box->text();
      box->accept();
    }
  });
  closer.start(10);
  QTest::mouseClick(&button, Qt::LeftButton);
  QTest::mouseClick(&button, Qt::LeftButton);  // the loop went on: a second click arrives
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(boxes, (QStringList{QStringLiteral("Could not execute \"x.\""), QStringLiteral("Could not execute \"x.\"")}));
}

}  // namespace
}  // namespace quantora

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  quantora::TQuantoraApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
