#include "framework/ui/Fonts.h"

#include <QApplication>
#include <cmath>

#include "framework/ui/QtText.h"

namespace fw {

QFont ControlFont(const String& family, float size, bool bold, bool italic, bool underline) {
    QFont font = QApplication::font();
    if (!family.IsEmpty() && !(family == String("System"))) {
        font.setFamilies({ToQString(family)});
        font.setStyleHint(QFont::SansSerif);
    }
    if (size > 0) font.setPixelSize(static_cast<int>(std::lround(size)));
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

}  // namespace fw
