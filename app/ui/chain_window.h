#pragma once
// The "Signal and converter" window: the generator the student sets (amplitude,
// frequency, DC offset), the imperfections of a real converter, the dither and
// the seed of the random draws, each typed into a spin box or dragged on its
// slider. Not modal: every change goes to the main window at once, which
// recomputes. "Back to the ideal converter" restores the ideal chain.

#include <QWidget>
#include <array>
#include <functional>

#include "design_texts.h"
#include "model/chain_settings.h"

class QCheckBox;
class QPushButton;
class QSpinBox;

namespace glossator {
class TGlossator;
}

namespace quantora {

class TComboBox;
class TSettingRow;

// The numeric settings of the chain, one row each.
inline constexpr std::size_t kChainRows = 9;

class TChainWindow : public QWidget {
  Q_OBJECT
 public:
  // A window of its own beside `owner`, freed with it, translated with
  // `translator` now (and with the owner's texts at a change of language).
  // The first showing puts it where the user left it last, else beside `owner`.
  TChainWindow(glossator::TGlossator& translator, QWidget* owner);
  ~TChainWindow() override;

  // The settings the controls show.
  TChainSettings Chain() const;
  // Shows `chain` in the controls without calling OnChange.
  void ShowChain(const TChainSettings& chain);
  // Called with the whole chain after every change the user makes.
  std::function<void(const TChainSettings& chain)> OnChange;
  // Its marked texts as designed again, to be translated into another language.
  void RestoreDesignTexts() const { fDesignTexts.Restore(); }

  TSettingRow* Amplitude;
  TSettingRow* Frequency;
  TSettingRow* Offset;
  TSettingRow* Noise;
  TSettingRow* Jitter;
  TSettingRow* OffsetError;
  TSettingRow* GainError;
  TSettingRow* Inl;
  TSettingRow* Dnl;
  TComboBox* CBoxDither;
  QCheckBox* CBoxSubtract;
  QSpinBox* SpinSeed;
  QPushButton* BButIdeal;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void BuildControls();
  void LayOut();
  void SetUpKeyboardPath();
  void Changed();

  std::array<TSettingRow*, kChainRows> fRows{};  // Amplitude .. Dnl, top to bottom
  TDesignTexts fDesignTexts;
  bool fPlaced = false;  // put in its place at the first showing
};

}  // namespace quantora
