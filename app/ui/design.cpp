#include "design.h"

#include "drawbase/image_canvas.h"

namespace quantora {

namespace {

// The colours a widget was given, kept as its dynamic properties.
constexpr const char* kBackground = "designBackground";
constexpr const char* kBaseToo = "designBackgroundBaseToo";
constexpr const char* kText = "designText";

vqm::TColor Kept(const QWidget* w, const char* name) { return w->property(name).value<vqm::TColor>(); }

// The background the widget shows: its own design colour or its parent's.
vqm::TColor BackgroundOf(const QWidget* w) {
  for (; w; w = w->parentWidget())
    if (w->property(kBackground).isValid()) return Kept(w, kBackground);
  return vqm::clBtnFace;  // the toolkit's default window colour
}

void ApplyBackground(QWidget* w, vqm::TColor background, bool baseToo) {
  w->setProperty(kBackground, QVariant::fromValue(background));
  w->setProperty(kBaseToo, baseToo);
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, DesignColor(background));
  if (baseToo) pal.setColor(QPalette::Base, DesignColor(background));
  w->setPalette(pal);
  w->setAutoFillBackground(true);
}

void ApplyText(QWidget* w, vqm::TColor text, bool textRoleToo) {
  w->setProperty(kText, QVariant::fromValue(text));
  const QColor legible = DesignColor(vqm::LegibleTextColor(text, BackgroundOf(w)));
  QPalette pal = w->palette();
  pal.setColor(QPalette::WindowText, legible);
  if (textRoleToo) pal.setColor(QPalette::Text, legible);
  w->setPalette(pal);
}

}  // namespace

QFont DesignFont(const char* family, int pixelHeight, vqm::TFontStyles style) {
  vqm::TFont f;
  f.Name = family;
  f.Height = pixelHeight;
  f.Style = style;
  return vqm::ToQFont(f);
}

QColor DesignColor(vqm::TColor color) { return QColor::fromRgb(vqm::ToQRgb(color)); }

void SetColors(QWidget* w, vqm::TColor background, vqm::TColor text) {
  ApplyBackground(w, background, true);
  ApplyText(w, text, true);
}

void SetBackground(QWidget* w, vqm::TColor background) { ApplyBackground(w, background, false); }

void SetTextColor(QWidget* w, vqm::TColor text) { ApplyText(w, text, false); }

void ApplyDesignColorsAgain(QWidget* root) {
  QList<QWidget*> widgets = root->findChildren<QWidget*>();
  widgets.prepend(root);
  // Backgrounds first: a text's legibility depends on the background behind it.
  for (QWidget* w : widgets)
    if (w->property(kBackground).isValid()) ApplyBackground(w, Kept(w, kBackground), w->property(kBaseToo).toBool());
  for (QWidget* w : widgets) {
    if (!w->property(kText).isValid()) continue;
    // SetColors gave the text role as well; SetTextColor only the window text.
    ApplyText(w, Kept(w, kText), w->property(kBaseToo).toBool());
  }
}

}  // namespace quantora
