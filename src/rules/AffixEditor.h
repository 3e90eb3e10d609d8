#pragma once

#include "rules/AffixRule.h"

#include <QString>

namespace quillane {

// The colour of a rule text box: enabled boxes get the window background, disabled the button face.
enum class BoxColour { WindowBackground, ButtonFace };
BoxColour textBoxColour(bool enabled);

// What a text box lets the user type.
struct TextEntryLimit {
    bool digitsOnly = false;
    int maxLength = 0;
    friend bool operator==(const TextEntryLimit&, const TextEntryLimit&) = default;
};

struct ScrollRange {
    int minimum;
    int maximum;
    int largeStep;
    int smallStep;
    int startValue;
};

// The controls of one affix (tab pages, text, Ascending, padding and increment boxes and their
// scroll bars) as a plain state machine; the window mirrors its state after every event.
// Each event returns whether the preview must be refreshed. Like the controls it models,
// setting a value to the one already held is no change and runs nothing.
class AffixEditor {
public:
    enum class Kind { Prefix, Suffix };

    // Both scroll bars run upside down: the top end stands for the largest number.
    static constexpr ScrollRange PaddingScroll{0, 8, 4, 1, 8};
    static constexpr ScrollRange IncrementScroll{1, 255, 10, 1, 255};

    // The start-up state, scroll bars included.
    explicit AffixEditor(Kind kind);

    const AffixRule& rule() const { return m_rule; }
    int paddingScrollValue() const { return m_paddingScroll; }
    int incrementScrollValue() const { return m_incrementScroll; }

    // The padding box, its label and scroll bar.
    bool paddingEnabled() const;
    bool ascendingEnabled() const;
    // The increment box, its label and scroll bar.
    bool incrementEnabled() const;

    TextEntryLimit textLimit() const;
    TextEntryLimit paddingLimit() const;
    TextEntryLimit incrementLimit() const;

    [[nodiscard]] bool selectPage(AffixPage page);
    [[nodiscard]] bool clickAscending(bool checked);
    [[nodiscard]] bool editText(const QString& text);
    [[nodiscard]] bool editPadding(const QString& padding);
    [[nodiscard]] bool scrollPadding(int value);
    [[nodiscard]] bool scrollIncrement(int value);
    [[nodiscard]] bool editIncrement(const QString& increment);
    // Takes a saved rule whole, pages' memories included, within the boxes' limits; the scroll
    // bars stand where typing its texts would have put them.
    void restore(const AffixRule& saved);

private:
    template <typename Event> bool handle(Event&& event);

    // Setting a control's value runs its change handler at once, as the controls do.
    void setTextBox(const QString& text);
    void setPaddingBox(const QString& padding);
    void setPaddingScroll(int value);
    void setIncrementBox(const QString& increment);
    void setIncrementScroll(int value);

    void textChanged();
    void paddingScrollChanged();
    void incrementChanged();

    Kind m_kind;
    AffixRule m_rule;
    int m_paddingScroll = PaddingScroll.startValue;
    int m_incrementScroll = IncrementScroll.startValue;
    bool m_refreshAsked = false;
};

} // namespace quillane
