#include "rules/TextBuffer.h"

#include "rules/DecimalDigits.h"

namespace quillane {

TextBuffer& TextBuffer::appendDigits(quint64 number, int width) {
    return appendPadded(DecimalDigits(number).view(), width);
}

TextBuffer& TextBuffer::appendPadded(QStringView digits, int width) {
    for (qsizetype pad = digits.size(); pad < width; ++pad)
        m_chars.append(u'0');
    return *this << digits;
}

} // namespace quillane
