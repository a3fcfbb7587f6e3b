// Window geometry is kept in twips (1/1440 inch) and drawn in pixels at
// the screen's logical resolution.
#pragma once

class QWidget;

namespace promocionesQEX::capture {

inline constexpr double kTwipsPerInch = 1440.0;

// Logical dots per inch of the screen `widget` is on (the primary screen
// when it has none yet).
double logical_dpi(const QWidget* widget);

int twips_to_pixels(double twips, const QWidget* widget);
double pixels_to_twips(int pixels, const QWidget* widget);

}  // namespace promocionesQEX::capture
