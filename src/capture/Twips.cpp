#include "capture/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace promocionesQEX::capture {

double logical_dpi(const QWidget* widget) {
  const QScreen* screen = widget ? widget->screen() : nullptr;
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->logicalDotsPerInch() : 96.0;
}

int twips_to_pixels(double twips, const QWidget* widget) {
  return static_cast<int>(std::lround(twips * logical_dpi(widget) / kTwipsPerInch));
}

double pixels_to_twips(int pixels, const QWidget* widget) {
  return pixels * kTwipsPerInch / logical_dpi(widget);
}

}  // namespace promocionesQEX::capture
