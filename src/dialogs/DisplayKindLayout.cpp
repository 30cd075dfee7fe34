#include "DisplayKindLayout.h"

#include "clsDisplay.h"

namespace {
DisplayKindLayout::Field shown(const char* caption)
{
    return {true, QString::fromLatin1(caption)};
}
const DisplayKindLayout::Field hidden{false, QString()};
} // namespace

DisplayKindLayout DisplayKindLayout::initial()
{
    return {shown("Width :"),
            shown("Height :"),
            shown("Rounding :"),
            shown("Filename :"),
            shown("Reference :"),
            true,
            true};
}

std::optional<DisplayKindLayout> DisplayKindLayout::forKind(int kind)
{
    switch (kind) {
    case clsDisplay::Image:
        return DisplayKindLayout{hidden, hidden, hidden, shown("Filename :"), shown("Reference :"),
                                 true,   false};
    case clsDisplay::ImageRect:
        return DisplayKindLayout{shown("Width :"),
                                 shown("Height :"),
                                 hidden,
                                 shown("Filename :"),
                                 shown("Reference :"),
                                 true,
                                 false};
    case clsDisplay::Rect:
        return DisplayKindLayout{shown("Width :"), shown("Height :"), hidden, hidden, hidden, false, true};
    case clsDisplay::RoundedRect:
        return DisplayKindLayout{
            shown("Width :"), shown("Height :"), shown("Rounding :"), hidden, hidden, false, true};
    case clsDisplay::Circle:
        return DisplayKindLayout{shown("Radius :"), hidden, hidden, hidden, hidden, false, true};
    case clsDisplay::Line:
        return DisplayKindLayout{shown("x2 :"), shown("y2 :"), hidden, hidden, hidden, false, true};
    case clsDisplay::Text:
        return DisplayKindLayout{
            shown("Fontname :"), shown("Fontsize :"), hidden, shown("Text :"), hidden, false, true};
    case clsDisplay::Group: // a place and a parent only
        return DisplayKindLayout{hidden, hidden, hidden, hidden, hidden, false, false};
    default:
        return std::nullopt;
    }
}
