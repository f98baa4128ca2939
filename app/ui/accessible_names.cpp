#include "accessible_names.h"

#include <QAccessible>
#include <QPushButton>
#include <QScrollBar>

#include "chart/chart_accessible.h"
#include "chart/rchart.h"
#include "mainfrm.h"
#include "numlab/numlab.h"
#include "numlab/numlab_accessible.h"
#include "text_controls.h"

namespace quantora {

namespace {

// Name and description (may be null) of one control, as design texts.
void Name(QWidget* control, const char* name, const char* description = nullptr) {
  control->setAccessibleName(QString::fromUtf8(name));
  if (description) control->setAccessibleDescription(QString::fromUtf8(description));
}

}  // namespace

void InstallAccessibleInterfaces() {
  static const bool installed = [] {
    QAccessible::installFactory(vqm::NumLabAccessibleFactory);
    QAccessible::installFactory(vqm::ChartAccessibleFactory);
    return true;
  }();
  (void)installed;
}

// The buttons and check boxes are named by their captions, the drop-down
// list by its label (the toolkit drops the mnemonics' "&"), so that the name is
// the text one sees.
void NameControls(TForm1& f) {
  f.BButAbout->setAccessibleDescription(QStringLiteral("XL_Shows the program's version and authors"));
  f.BButExit->setAccessibleDescription(QStringLiteral("XL_Ends the program"));
  // The charts' descriptions name their keys.
  Name(f.RCSig, "XL_Original Signal",
       "XL_The analog signal over time, a red mark at every sampling instant."
       " Keys: + and - zoom, the arrow keys pan, Backspace zooms back, the Menu key opens the menu.");
  Name(f.RCSample, "XL_Sampled Signal",
       "XL_The sampled, held and quantized signal as a staircase; in blue the quantization error, when shown."
       " Keys: + and - zoom, the arrow keys pan, Backspace zooms back, the Menu key opens the menu.");
  Name(f.SBarSampleFreq, "XL_Sampling interval in ns", "XL_Time between two samples, 1 to 200 ns");
  Name(f.SBarReso, "XL_Resolution in bits", "XL_Resolution of the converter, 1 to 16 bits");
  Name(f.NLabSampleFreq, "XL_Sampling frequency");
  Name(f.NLabSampleTime, "XL_Sampling interval");
  Name(f.NLabReso, "XL_Resolution");
  Name(f.MMExplain, "XL_Explanation");
}

}  // namespace quantora
