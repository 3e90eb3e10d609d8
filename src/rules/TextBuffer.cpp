#include "rules/TextBuffer.h"

#include <array>

namespace quillane {

TextBuffer& TextBuffer::appendDigits(int value, int width) {
    std::array<char16_t, 12> reversed{};
    int count = 0;
    do {
        reversed[static_cast<std::size_t>(count++)] = static_cast<char16_t>(u'0' + value % 10);
        value /= 10;
    } while (value > 0 && count < static_cast<int>(reversed.size()));
    for (int pad = count; pad < width; ++pad)
        m_chars.append(u'0');
    while (count > 0)
        m_chars.append(reversed[static_cast<std::size_t>(--count)]);
    return *this;
}

} // namespace quillane
