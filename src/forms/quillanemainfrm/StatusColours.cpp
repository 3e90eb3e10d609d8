#include "forms/quillanemainfrm/StatusColours.h"

namespace quillane {

namespace {

// The system colour indexes the program can meet, by the palette role that plays each part.
std::optional<QPalette::ColorRole> roleOfSystemColour(quint32 index) {
    switch (index) {
    case 5:
        return QPalette::Base; // window background
    case 8:
        return QPalette::Text; // window text
    case 13:
        return QPalette::Highlight; // selected items
    case 14:
        return QPalette::HighlightedText; // text of selected items
    case 15:
        return QPalette::Button; // button face
    case 18:
        return QPalette::ButtonText; // button text
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<qint32> TranslateColor(ColourValue colour, const QPalette& palette) {
    if ((colour & 0x80000000u) == 0)
        return static_cast<qint32>(colour & 0x00FFFFFFu);
    const std::optional<QPalette::ColorRole> role = roleOfSystemColour(colour & 0xFFu);
    if (!role || (colour & 0x7FFFFF00u) != 0)
        return std::nullopt;
    const QColor c = palette.color(QPalette::Active, *role);
    return c.red() + c.green() * 256 + c.blue() * 65536;
}

// Qt's palettes name no error colour; these are the reds the common desktop themes use for
// error text on light and on dark backgrounds.
QColor errorColour(const QColor& background) {
    return background.lightness() >= 128 ? QColor(0xc0, 0x1c, 0x28) : QColor(0xff, 0x7b, 0x63);
}

ColourParts SplitColour(qint32 rgb) {
    // C++ division truncates toward zero and the remainder takes the dividend's sign, which is
    // what these parts are defined by.
    return {static_cast<qint16>(rgb % 256), static_cast<qint16>((rgb / 256) % 256),
            static_cast<qint16>((rgb / 65536) % 256)};
}

} // namespace quillane
