#pragma once
// The About dialog: application name and version, a short description and two
// links that open in the desktop's browser.

#include <QDialog>
#include <QString>
#include <functional>

class QPushButton;

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
  // the default hands it to the desktop and ignores the result.
  std::function<void(const QString& address)> OpenAddress;

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
