#include "windows/WindowLayout.h"

fw::String WindowSet(const WindowLook& look) {
    return fw::PropertySet{
        {"Placement", 0},
        {"Width", look.width},
        {"Height", look.height},
        {"MinWidth", 64},
        {"MinHeight", 64},
        {"MaxWidth", 32000},
        {"MaxHeight", 32000},
        {"Frame", 0},
        {"Composite", false},
        {"HasBackColor", false},
        {"BackColor", fw::Colour{0xFF, 0xFF, 0xFF}},
        {"Title", look.title},
        {"Visible", true},
        {"FullScreen", false},
        {"MenuBarVisible", true},
        {"CloseButton", true},
        {"Resizeable", look.resizeable},
        {"LiveResize", false},
        {"MaximizeButton", look.maximizeButton},
        {"MinimizeButton", true},
        {"MacProcID", 0},
    };
}

void AddFontItems(fw::PropertySet& set, const char* font) {
    set.Text("TextFont", font).Boolean("Bold", false).Boolean("Italic", false).Boolean("Underline", false);
}
