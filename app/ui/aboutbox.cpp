#include "aboutbox.h"

#include <QApplication>
#include <QDesktopServices>
#include <QPushButton>
#include <QStyle>
#include <QUrl>

#include "design.h"
#include "panel.h"
#include "text_controls.h"

namespace quantora {

const char* const TFrmAbout::kSimulationsAddress = "https://www.quantora.org/simlab/";

namespace {
TLabel* MakeLabel(QWidget* parent, QRect geometry, const QString& text, Qt::Alignment align) {
  auto* l = new TLabel(parent);
  l->setGeometry(geometry);
  l->setText(text);
  l->setAlignment(align);
  return l;
}

void MakeLink(TLabel* link) {
  link->setCursor(Qt::PointingHandCursor);
  link->setFont(DesignFont("Courier New", 13, vqm::fsBold | vqm::fsUnderline));
  SetTextColor(link, vqm::clBlue);
}
}  // namespace

TFrmAbout::TFrmAbout(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmAbout"));
  setWindowTitle(QStringLiteral("XL_About"));
  // A fixed dialog: caption and close button only. Without CustomizeWindowHint
  // the toolkit adds its default buttons and window managers offer minimise and
  // maximise.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(543, 332);
  setFont(DesignFont("Arial", 13));
  SetColors(this, vqm::clBtnFace, vqm::clBlack);

  Panel1 = new TPanel(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(8, 10, 529, 127);
  Panel1->SetBevels(TPanel::bvLowered, TPanel::bvRaised);
  LblName = MakeLabel(Panel1, {8, 12, 513, 34}, QStringLiteral("App. name"), Qt::AlignHCenter | Qt::AlignTop);
  LblName->setObjectName(QStringLiteral("LblName"));
  LblName->setFont(DesignFont("Arial", 30, vqm::fsBold | vqm::fsItalic));
  SetTextColor(LblName, vqm::clMaroon);
  LblVersion = MakeLabel(Panel1, {8, 50, 513, 16}, QStringLiteral("App. version"), Qt::AlignHCenter | Qt::AlignTop);
  LblVersion->setObjectName(QStringLiteral("LblVersion"));
  LblAuthor = MakeLabel(Panel1, {8, 74, 513, 16}, QString(), Qt::AlignHCenter | Qt::AlignTop);
  LblAuthor->setObjectName(QStringLiteral("LblAuthor"));
  // The authorship line names the licence; translated like every marked text.
  LblCopyright = MakeLabel(Panel1, {8, 100, 513, 16},
                           QStringLiteral("XL_\u00A9 2026 The Quantora Lab authors. Free software: GNU GPL, version 3 or later."),
                           Qt::AlignHCenter | Qt::AlignTop);
  LblCopyright->setObjectName(QStringLiteral("LblCopyright"));

  LblDescription = MakeLabel(this, {8, 152, 529, 65}, QString(), Qt::AlignHCenter | Qt::AlignTop);
  LblDescription->setObjectName(QStringLiteral("LblDescription"));
  LblDescription->setWordWrap(true);
  SetTextColor(LblDescription, vqm::clMaroon);

  Panel2 = new TPanel(this);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  Panel2->setGeometry(8, 224, 529, 65);
  Panel2->SetBevels(TPanel::bvLowered, TPanel::bvRaised);
  Panel2->setMouseTracking(true);
  Panel2->OnMouseMove = [this](TPanel*, QPoint) { Panel2MouseMove(); };
  LblWebSite = MakeLabel(Panel2, {8, 8, 137, 49}, QString(), Qt::AlignRight | Qt::AlignTop);
  LblWebSite->setObjectName(QStringLiteral("LblWebSite"));
  LblWebSite->setWordWrap(true);
  LblHomePage = MakeLabel(Panel2, {152, 12, 369, 16}, QStringLiteral("XL_HomePage"), Qt::AlignLeft | Qt::AlignTop);
  LblHomePage->setObjectName(QStringLiteral("LblHomePage"));
  MakeLink(LblHomePage);
  LblHomePage->setVisible(false);  // shown by FormShow on every showing
  LblHomePage->OnClick = [this](TLabel*) { LblHomePageClick(); };
  LblHomePage->OnMouseMove = [this](TLabel*) { LblHomePageMouseMove(); };
  LblSimus = MakeLabel(Panel2, {152, 36, 369, 16}, QString::fromLatin1(kSimulationsAddress), Qt::AlignLeft | Qt::AlignTop);
  LblSimus->setObjectName(QStringLiteral("LblSimus"));
  MakeLink(LblSimus);
  LblSimus->OnClick = [this](TLabel*) { LblSimusClick(); };
  LblSimus->OnMouseMove = [this](TLabel*) { LblSimusMouseMove(); };

  BButOK = new QPushButton(QStringLiteral("XL_OK"), this);
  BButOK->setObjectName(QStringLiteral("BButOK"));
  BButOK->setGeometry(424, 296, 113, 33);
  BButOK->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
  BButOK->setDefault(true);
  connect(BButOK, &QPushButton::clicked, this, [this] { BButOKClick(); });

  OpenAddress = [](const QString& address) {
    const QUrl url = BrowserAddress(address);
    if (url.isValid()) QDesktopServices::openUrl(url);
  };
}

QUrl TFrmAbout::BrowserAddress(const QString& text) {
  const QUrl url(text, QUrl::StrictMode);
  const bool web = url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http");
  return url.isValid() && web && !url.host().isEmpty() ? url : QUrl();
}

void TFrmAbout::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TFrmAbout::FormShow() { LblHomePage->setVisible(true); }

void TFrmAbout::OpenWithBusyCursor(const QString& address) {
  // The application-starting cursor while the browser is being asked; the
  // desktop's answer is not checked.
  const QCursor remembered = cursor();
  setCursor(Qt::BusyCursor);
  QApplication::processEvents();
  if (OpenAddress) OpenAddress(address);
  setCursor(remembered);
}

void TFrmAbout::LblHomePageClick() { OpenWithBusyCursor(HomePageAddress); }
void TFrmAbout::LblSimusClick() { OpenWithBusyCursor(QString::fromLatin1(kSimulationsAddress)); }
void TFrmAbout::LblHomePageMouseMove() { SetTextColor(LblHomePage, vqm::clRed); }
void TFrmAbout::LblSimusMouseMove() { SetTextColor(LblSimus, vqm::clRed); }

void TFrmAbout::Panel2MouseMove() {
  SetTextColor(LblHomePage, vqm::clBlue);
  SetTextColor(LblSimus, vqm::clBlue);
}

void TFrmAbout::BButOKClick() { accept(); }

}  // namespace quantora
