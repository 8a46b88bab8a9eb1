#pragma once

#include <QFont>

namespace trimerka {

// Registers the Tahoma faces shipped with the system's Wine fonts, when they are there, and makes Tahoma
// 11 px the default font of every control; harmless to repeat.
void registerFonts();

// The windows' face (Tahoma, or the closest the system has) at a size in pixels: 11 px is 8 pt at 96 dpi.
QFont tahoma(int pixelSize = 11, bool bold = false);

// A size given in points at 96 dots per inch, in pixels (8 pt -> 11 px).
int pointsToPixels(int points);

} // namespace trimerka
