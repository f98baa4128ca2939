#include "app/ui/aboutbox.h"

#include <gtest/gtest.h>

#include <QPushButton>

#include "app/ui/text_controls.h"
#include "drawbase/image_canvas.h"

using quantora::TFrmAbout;

namespace {
vqm::TColor TextColor(const QLabel* label) {
  return vqm::FromQRgb(label->palette().color(QPalette::WindowText).rgb());
}
}  // namespace

TEST(AboutDialog, LinksTurnRedUnderThePointerAndBlueOverThePanel) {
  TFrmAbout about;
  EXPECT_EQ(TextColor(about.LblHomePage), 16711680u);
  about.LblHomePageMouseMove();
  EXPECT_EQ(TextColor(about.LblHomePage), 255u);
  EXPECT_EQ(TextColor(about.LblSimus), 16711680u);
  about.LblSimusMouseMove();
  EXPECT_EQ(TextColor(about.LblSimus), 255u);
  about.Panel2MouseMove();
  EXPECT_EQ(TextColor(about.LblHomePage), 16711680u);
  EXPECT_EQ(TextColor(about.LblSimus), 16711680u);
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

TEST(AboutDialog, DesignSizeAndTexts) {
  TFrmAbout about;
  EXPECT_EQ(about.size(), QSize(543, 332));
  EXPECT_EQ(about.windowTitle(), QStringLiteral("XL_About"));
  EXPECT_EQ(about.LblHomePage->text(), QStringLiteral("XL_HomePage"));
  EXPECT_EQ(about.BButOK->geometry(), QRect(424, 296, 113, 33));
}
