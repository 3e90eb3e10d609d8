#include "rules/TextBuffer.h"

#include "rules/DecimalDigits.h"

namespace quillane {

TextBuffer& TextBuffer::appendDigits(quint64 number, int width) {
    const DecimalDigits digits(number);
    for (qsizetype pad = digits.view().size(); pad < width; ++pad)
        m_chars.append(u'0');
    return *this << digits.view();
}

} // namespace quillane
