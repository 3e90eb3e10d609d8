#pragma once

#include <QString>
#include <QStringView>
#include <QVarLengthArray>

namespace quillane {

// Gathers a name's pieces on the stack and makes one QString of them: the new-name builder runs
// once per listed file, and a heap allocation per piece would dominate its cost.
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
    QString toString() const { return view().toString(); }
    // Empty again, keeping the room it grew to.
    void clear() { m_chars.clear(); }

private:
    QVarLengthArray<char16_t, 256> m_chars;
};

} // namespace quillane
