#pragma once

#include <QChar>
#include <QStringView>
#include <QtGlobal>

#include <array>
#include <cstddef>
#include <limits>

namespace quillane {

// The decimal digits of a number, held without a heap allocation.
class DecimalDigits {
public:
    explicit DecimalDigits(quint64 number) {
        do {
            m_digits[--m_first] = QChar(static_cast<char16_t>(u'0' + number % 10));
            number /= 10;
        } while (number != 0);
    }

    QStringView view() const { return QStringView(m_digits.data() + m_first, m_digits.end()); }

private:
    static constexpr std::size_t Capacity = std::numeric_limits<quint64>::digits10 + 1;
    std::array<QChar, Capacity> m_digits;
    std::size_t m_first = Capacity;
};

} // namespace quillane
