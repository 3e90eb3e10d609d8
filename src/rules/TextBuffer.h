#pragma once

#include <QString>
#include <QStringView>
#include <QVarLengthArray>

#include <algorithm>

namespace quillane {

// Gathers a name's pieces on the stack and makes one QString of them: the new-name builder runs
// once per listed file, and a heap allocation per piece would dominate its cost. Grown large, it
// holds many names one after another.
class TextBuffer {
public:
    TextBuffer& operator<<(QStringView text) {
        m_chars.append(text.utf16(), text.size());
        return *this;
    }
    TextBuffer& operator<<(QChar c) {
        m_chars.append(c.unicode());
        return *this;
    }
    // A number in decimal digits, with zeros in front up to `width` digits.
    TextBuffer& appendDigits(quint64 number, int width);
    // Digits with zeros in front up to `width` of them; never cut.
    TextBuffer& appendPadded(QStringView digits, int width);

    QStringView view() const { return {m_chars.constData(), m_chars.size()}; }
    qsizetype size() const { return m_chars.size(); }
    const char16_t* data() const { return m_chars.constData(); }
    qsizetype capacity() const { return m_chars.capacity(); }
    void reserve(qsizetype size) { m_chars.reserve(size); }
    // Writes `text` over the characters from `at` on, which are all there.
    void overwrite(qsizetype at, QStringView text) {
        std::copy(text.utf16(), text.utf16() + text.size(), m_chars.data() + at);
    }
    QString toString() const { return view().toString(); }
    // Empty again, keeping the room it grew to.
    void clear() { m_chars.clear(); }

private:
    QVarLengthArray<char16_t, 256> m_chars;
};

} // namespace quillane
