#include "app/ui/aboutbox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "app/ui/panel.h"
#include "app/ui/text_controls.h"
#include "drawbase/image_canvas.h"

using quantora::TFrmAbout;

namespace {
vqm::TColor TextColor(const QLabel* label) {
  return vqm::FromQRgb(label->palette().color(QPalette::WindowText).rgb());
}
}  // namespace

// Real pointer moves: a link turns red under the pointer and stays red over
// another label; only the bare panel turns both links blue again.
TEST(AboutDialog, LinksTurnRedUnderThePointerAndBlueOverThePanel) {
  TFrmAbout about;
  about.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
  constexpr vqm::TColor kRed = 255, kBlue = 16711680;
  const struct {
    QWidget* over;
    QPoint at;
    vqm::TColor homePage, simus;
  } steps[] = {
      {about.LblHomePage, {20, 8}, kRed, kBlue},
      {about.LblSimus, {20, 8}, kRed, kRed},
      {about.LblWebSite, {100, 20}, kRed, kRed},  // a label, not the panel
      {about.Panel2, {300, 32}, kBlue, kBlue},    // between the two links
      {about.LblSimus, {300, 8}, kBlue, kRed},
  };
  for (const auto& step : steps) {
    QTest::mouseMove(step.over, step.at);
    QApplication::processEvents();
    EXPECT_EQ(TextColor(about.LblHomePage), step.homePage) << step.over->objectName().toStdString();
    EXPECT_EQ(TextColor(about.LblSimus), step.simus) << step.over->objectName().toStdString();
  }
}

TEST(AboutDialog, HomePageLinkIsHiddenInTheDesignAndShownOnEveryShowing) {
  TFrmAbout about;
  about.setAttribute(Qt::WA_DontShowOnScreen);
  EXPECT_TRUE(about.LblHomePage->isHidden());
  about.show();
  EXPECT_TRUE(about.LblHomePage->isVisible());
  about.BButOKClick();
  EXPECT_FALSE(about.isVisible());
  about.LblHomePage->hide();
  about.show();
  EXPECT_TRUE(about.LblHomePage->isVisible());
}

TEST(AboutDialog, LinksOpenTheirAddressesAndRestoreTheCursor) {
  TFrmAbout about;
  QStringList opened;
  about.OpenAddress = [&](const QString& a) { opened << a; };
  about.HomePageAddress = QStringLiteral("HomePageURL");  // no table entry: the key itself
  about.setCursor(Qt::IBeamCursor);
  about.LblHomePageClick();
  about.LblSimusClick();
  EXPECT_EQ(opened, (QStringList{"HomePageURL", TFrmAbout::kSimulationsAddress}));
  EXPECT_EQ(QString::fromLatin1(TFrmAbout::kSimulationsAddress).size(), 32);
  EXPECT_EQ(about.cursor().shape(), Qt::IBeamCursor);
}

// Catches what the default opener hands to the desktop.
class TUrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> opened;
 public slots:
  void Open(const QUrl& url) { opened << url; }
};

// Clicking with the default opener: a real address reaches the browser, the
// key of a missing table entry opens nothing (no guessed http://homepageurl).
TEST(AboutDialog, OnlyRealAddressesReachTheBrowser) {
  TUrlCatcher catcher;
  for (const char* scheme : {"http", "https", "file"}) QDesktopServices::setUrlHandler(scheme, &catcher, "Open");
  TFrmAbout about;
  about.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
  for (const char* address : {"HomePageURL", "", "www.quantora.org", "javascript:alert(1)", "https://"}) {
    about.HomePageAddress = QString::fromLatin1(address);
    QTest::mouseClick(about.LblHomePage, Qt::LeftButton, {}, {20, 8});
  }
  // Not a click: another button, or a release away from the link.
  about.HomePageAddress = QStringLiteral("https://www.quantora.org/de/lab/");
  QTest::mouseClick(about.LblHomePage, Qt::RightButton, {}, {20, 8});
  QTest::mouseClick(about.LblSimus, Qt::MiddleButton, {}, {20, 8});
  QTest::mousePress(about.LblSimus, Qt::LeftButton, {}, {20, 8});
  QTest::mouseRelease(about.LblSimus, Qt::LeftButton, {}, {20, 30});
  EXPECT_TRUE(catcher.opened.isEmpty()) << catcher.opened.value(0).toString().toStdString();
  about.HomePageAddress = QStringLiteral("https://www.quantora.org/de/lab/");
  QTest::mouseClick(about.LblHomePage, Qt::LeftButton, {}, {20, 8});
  QTest::mouseClick(about.LblSimus, Qt::LeftButton, {}, {20, 8});
  EXPECT_EQ(catcher.opened, (QList<QUrl>{QUrl(QStringLiteral("https://www.quantora.org/de/lab/")),
                                          QUrl(QString::fromLatin1(TFrmAbout::kSimulationsAddress))}));
  for (const char* scheme : {"http", "https", "file"}) QDesktopServices::unsetUrlHandler(scheme);
}

TEST(AboutDialog, DesignSizeAndTexts) {
  TFrmAbout about;
  EXPECT_EQ(about.size(), QSize(543, 332));
  EXPECT_EQ(about.windowTitle(), QStringLiteral("XL_About"));
  EXPECT_EQ(about.LblHomePage->text(), QStringLiteral("XL_HomePage"));
  EXPECT_EQ(about.BButOK->geometry(), QRect(424, 296, 113, 33));
}

#include "aboutbox_test.moc"
