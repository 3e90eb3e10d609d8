#include "rules/AffixValue.h"

#include "rules/NumberText.h"

#include <algorithm>
#include <limits>

namespace quillane {

namespace {

// The digits of the padding, or 0 when the padding is not exactly "1" to "8".
int paddingWidth(const QString& padding) {
    if (padding.size() != 1 || padding[0] < u'1' || padding[0] > u'8')
        return 0;
    return padding[0].unicode() - u'0';
}

// start + step * index, saturating; only texts typed past the boxes' limits come near it.
quint64 runningNumber(quint64 start, quint64 step, quint64 index) {
    constexpr quint64 max = std::numeric_limits<quint64>::max();
    if (index != 0 && step > (max - start) / index)
        return max;
    return start + step * index;
}

} // namespace

void appendAffixValue(TextBuffer& name, const AffixRule& rule, qint32 ListIndex) {
    const int width = paddingWidth(rule.Padding);
    if (rule.Page == AffixPage::Numeric && rule.Ascending) {
        const quint64 number =
            runningNumber(leadingNumber(rule.Text), leadingNumber(rule.Increment),
                          static_cast<quint64>(std::max<qint32>(ListIndex, 0)));
        name.appendDigits(number, width);
        return;
    }
    // A fixed digit string is padded as text so that no digit is ever lost to a number type;
    // any other fixed text stays exactly as typed.
    if (width > 0 && isDigitString(rule.Text)) {
        QStringView digits = rule.Text;
        while (!digits.isEmpty() && digits.front() == u'0')
            digits = digits.sliced(1);
        name.appendPadded(digits, width);
        return;
    }
    name << rule.Text;
}

} // namespace quillane
