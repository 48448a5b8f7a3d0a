#pragma once

#include <QFont>

#include "framework/core/String.h"

namespace fw {

// The font for a font name of the program: "System" is the platform's default font, and
// a font the machine lacks is stood in for by a sans-serif. A size of 0 keeps the
// default size; other sizes count in pixels, as on the screens the windows were laid
// out for.
QFont ControlFont(const String& family, float size, bool bold, bool italic, bool underline);

}  // namespace fw
