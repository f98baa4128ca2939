#pragma once
// The About dialog: application name and version, a short description and two
// links that open in the desktop's browser.

#include <QDialog>
#include <QString>
#include <functional>

class QPushButton;
class QUrl;

namespace quantora {

class TLabel;
class TPanel;

class TFrmAbout : public QDialog {
  Q_OBJECT
 public:
  // The fixed address of the collection of simulations the program belongs to.
  static const char* const kSimulationsAddress;

  explicit TFrmAbout(QWidget* parent = nullptr);

  // The address the home-page link opens; set at start-up to the translation of "HomePageURL".
  QString HomePageAddress;

  // Opens an address in the browser. Replaceable so that tests can see the address;
  // the default hands BrowserAddress(address) to the desktop, when it is one, and
  // ignores the result.
  std::function<void(const QString& address)> OpenAddress;

  // The web address (http or https with a host) a text is, or an invalid URL:
  // the key "HomePageURL" of a table without that entry opens nothing, where
  // guessing would make it http://homepageurl.
  static QUrl BrowserAddress(const QString& text);

  // Handlers, as the design binds them.
  void FormShow();
  void LblHomePageClick();
  void LblSimusClick();
  void LblHomePageMouseMove();
  void LblSimusMouseMove();
  void Panel2MouseMove();
  void BButOKClick();

  TPanel* Panel1;
  TLabel* LblName;
  TLabel* LblVersion;
  TLabel* LblAuthor;
  TLabel* LblCopyright;
  TLabel* LblDescription;
  TPanel* Panel2;
  TLabel* LblWebSite;
  TLabel* LblHomePage;
  TLabel* LblSimus;
  QPushButton* BButOK;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void OpenWithBusyCursor(const QString& address);
};

}  // namespace quantora
