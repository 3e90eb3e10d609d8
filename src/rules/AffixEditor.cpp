#include "rules/AffixEditor.h"

#include "rules/NumberText.h"

#include <QtGlobal>

#include <algorithm>
#include <limits>
#include <utility>

namespace quillane {

namespace {

constexpr int NumericTextMaxLength = 8;
constexpr int AlphabeticTextMaxLength = 255;
constexpr int PaddingMaxLength = 4;
constexpr int PrefixIncrementMaxLength = 4;
constexpr int SuffixIncrementMaxLength = 3;

int clampToRange(int value, const ScrollRange& range) {
    return std::clamp(value, range.minimum, range.maximum);
}

// An upside-down bar's ends swap, so the same sum turns a position into its number and back.
constexpr int flipped(int valueOrNumber, const ScrollRange& range) {
    return range.minimum + range.maximum - valueOrNumber;
}

constexpr int paddingAt(int scrollValue) {
    return flipped(scrollValue, AffixEditor::PaddingScroll);
}
constexpr int paddingScrollFor(int padding) {
    return flipped(padding, AffixEditor::PaddingScroll);
}
// "None" sits one step below a padding of the start number's length, and where a padding of 0
// would be when there is no start number.
constexpr int noPaddingScrollFor(int length) {
    return length > 0 ? paddingScrollFor(length) + 1 : paddingScrollFor(0);
}

constexpr int incrementAt(int scrollValue) {
    return flipped(scrollValue, AffixEditor::IncrementScroll);
}
constexpr int incrementScrollFor(int increment) {
    return flipped(increment, AffixEditor::IncrementScroll);
}
constexpr int SmallestIncrement = incrementAt(AffixEditor::IncrementScroll.maximum);
constexpr int LargestIncrement = incrementAt(AffixEditor::IncrementScroll.minimum);

// What a box with the limit would hold after the text was pasted into it.
QString withinLimit(const QString& text, const TextEntryLimit& limit) {
    QString kept = text;
    if (limit.digitsOnly)
        kept.removeIf([](QChar c) { return c < u'0' || c > u'9'; });
    return limit.maxLength > 0 ? kept.left(limit.maxLength) : kept;
}

} // namespace

BoxColour textBoxColour(bool enabled) {
    return enabled ? BoxColour::WindowBackground : BoxColour::ButtonFace;
}

AffixEditor::AffixEditor(Kind kind)
    : m_kind(kind),
      m_rule(kind == Kind::Prefix ? AffixRule::prefixAtStartUp() : AffixRule::suffixAtStartUp()) {}

bool AffixEditor::paddingEnabled() const {
    return m_rule.Page == AffixPage::Numeric;
}

bool AffixEditor::ascendingEnabled() const {
    return m_rule.Page == AffixPage::Numeric;
}

bool AffixEditor::incrementEnabled() const {
    return m_rule.Page == AffixPage::Numeric && m_rule.Ascending;
}

TextEntryLimit AffixEditor::textLimit() const {
    if (m_rule.Page == AffixPage::Numeric)
        return {true, NumericTextMaxLength};
    return {false, AlphabeticTextMaxLength};
}

TextEntryLimit AffixEditor::paddingLimit() const {
    return {true, PaddingMaxLength};
}

TextEntryLimit AffixEditor::incrementLimit() const {
    return {true, m_kind == Kind::Prefix ? PrefixIncrementMaxLength : SuffixIncrementMaxLength};
}

template <typename Event> bool AffixEditor::handle(Event&& event) {
    m_refreshAsked = false;
    std::forward<Event>(event)();
    return std::exchange(m_refreshAsked, false);
}

bool AffixEditor::selectPage(AffixPage page) {
    return handle([&] {
        if (page == m_rule.Page)
            return;
        m_rule.Page = page;
        if (page == AffixPage::Alphabetic) {
            const quint64 number = leadingNumber(m_rule.Text);
            m_rule.NumericMemory =
                static_cast<qint32>(std::min<quint64>(number, std::numeric_limits<qint32>::max()));
            setTextBox(m_rule.AlphabetMemory);
        } else {
            m_rule.AlphabetMemory = m_rule.Text;
            // The memory only ever holds the number of a text, so this is already plain digits.
            setTextBox(m_rule.NumericMemory == 0 ? QString()
                                                 : QString::number(m_rule.NumericMemory));
        }
        m_refreshAsked = true;
    });
}

bool AffixEditor::clickAscending(bool checked) {
    return handle([&] {
        if (checked == m_rule.Ascending)
            return;
        m_rule.Ascending = checked;
        if (checked)
            setIncrementBox(QString::number(incrementAt(m_incrementScroll)));
        m_refreshAsked = true;
    });
}

bool AffixEditor::editText(const QString& text) {
    return handle([&] { setTextBox(text); });
}

bool AffixEditor::editPadding(const QString& padding) {
    return handle([&] { setPaddingBox(padding); });
}

bool AffixEditor::scrollPadding(int value) {
    return handle([&] { setPaddingScroll(value); });
}

bool AffixEditor::scrollIncrement(int value) {
    return handle([&] { setIncrementScroll(value); });
}

bool AffixEditor::editIncrement(const QString& increment) {
    return handle([&] { setIncrementBox(increment); });
}

void AffixEditor::restore(const AffixRule& saved) {
    m_rule = saved;
    m_rule.Text = withinLimit(saved.Text, textLimit());
    if (saved.Padding != noPaddingText())
        m_rule.Padding = withinLimit(saved.Padding, paddingLimit());
    m_rule.Increment = withinLimit(saved.Increment, incrementLimit());
    const auto length = static_cast<int>(m_rule.Text.size());
    const quint64 padding = leadingNumber(m_rule.Padding);
    m_paddingScroll = padding == 0 || padding < quint64(length)
                          ? noPaddingScrollFor(length)
                          : paddingScrollFor(int(std::min<quint64>(padding, paddingAt(0))));
    m_paddingScroll = clampToRange(m_paddingScroll, PaddingScroll);
    incrementChanged();
    m_refreshAsked = false;
}

void AffixEditor::setTextBox(const QString& text) {
    if (text == m_rule.Text)
        return;
    m_rule.Text = text;
    textChanged();
}

void AffixEditor::setPaddingBox(const QString& padding) {
    if (padding == m_rule.Padding)
        return;
    m_rule.Padding = padding;
    m_refreshAsked = true;
}

void AffixEditor::setPaddingScroll(int value) {
    value = clampToRange(value, PaddingScroll);
    if (value == m_paddingScroll)
        return;
    m_paddingScroll = value;
    paddingScrollChanged();
}

void AffixEditor::setIncrementBox(const QString& increment) {
    if (increment == m_rule.Increment)
        return;
    m_rule.Increment = increment;
    incrementChanged();
}

void AffixEditor::setIncrementScroll(int value) {
    value = clampToRange(value, IncrementScroll);
    if (value == m_incrementScroll)
        return;
    m_incrementScroll = value;
    setIncrementBox(QString::number(incrementAt(value)));
}

// A padding shorter than a typed start number grows to the number's length.
void AffixEditor::textChanged() {
    if (m_rule.Page == AffixPage::Numeric) {
        const auto length = static_cast<int>(m_rule.Text.size());
        if (leadingNumber(m_rule.Padding) < static_cast<quint64>(length)) {
            const bool hadNone = m_rule.Padding == noPaddingText();
            setPaddingBox(QString::number(length));
            setPaddingScroll(hadNone ? noPaddingScrollFor(length) : paddingScrollFor(length));
        }
    }
    m_refreshAsked = true;
}

void AffixEditor::paddingScrollChanged() {
    const int padding = paddingAt(m_paddingScroll);
    setPaddingBox(QString::number(padding));
    const auto length = static_cast<int>(m_rule.Text.size());
    if (padding == 0 || padding < length) {
        setPaddingBox(noPaddingText());
        setPaddingScroll(noPaddingScrollFor(length));
    }
}

void AffixEditor::incrementChanged() {
    const quint64 increment = leadingNumber(m_rule.Increment);
    if (increment >= SmallestIncrement && increment <= LargestIncrement)
        setIncrementScroll(incrementScrollFor(static_cast<int>(increment)));
    else if (increment > LargestIncrement)
        setIncrementBox(QString::number(LargestIncrement));
    else
        setIncrementBox(QString::number(SmallestIncrement));
    m_refreshAsked = true;
}

} // namespace quillane
