#include "rules/SearchPattern.h"

#include "rules/TextBuffer.h"

#include <algorithm>

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

using namespace Qt::StringLiterals;

namespace quillane {

namespace {

static_assert(sizeof(PCRE2_UCHAR) == sizeof(QChar));

// Far more steps than any sensible pattern takes on a file name, and few enough that a pattern
// such as (a+)+b gives up on one within a millisecond or so.
constexpr uint32_t StepLimit = 100'000;
// $0 to $9: the groups a replacement can name.
constexpr uint32_t NamedGroups = 10;

pcre2_match_context* boundedSteps() {
    static pcre2_match_context* const context = [] {
        pcre2_match_context* made = pcre2_match_context_create(nullptr);
        pcre2_set_match_limit(made, StepLimit);
        return made;
    }();
    return context;
}

// One per thread, so that a match allocates nothing. Groups past $9 are not kept: PCRE2 then
// reports a match with a full vector, which still holds the ten the replacement can name.
pcre2_match_data* matchData() {
    thread_local const std::unique_ptr<pcre2_match_data, void (*)(pcre2_match_data*)> data(
        pcre2_match_data_create(NamedGroups, nullptr), pcre2_match_data_free);
    return data.get();
}

PCRE2_SPTR codeUnits(QStringView text) {
    return reinterpret_cast<PCRE2_SPTR>(text.utf16());
}

QString errorText(int code) {
    PCRE2_UCHAR buffer[256];
    const int length = pcre2_get_error_message(code, buffer, std::size(buffer));
    return QString(reinterpret_cast<const QChar*>(buffer), std::max(length, 0));
}

// The part of `text` a match's group took, which PCRE2 gives as offsets.
QStringView groupText(QStringView text, const PCRE2_SIZE* groups, int group) {
    const auto start = static_cast<qsizetype>(groups[2 * group]);
    const auto end = static_cast<qsizetype>(groups[2 * group + 1]);
    return text.sliced(start, end - start);
}

void appendReplacement(TextBuffer& out, QStringView text, const PCRE2_SIZE* groups, int groupsSet,
                       QStringView with) {
    for (qsizetype i = 0; i < with.size(); ++i) {
        const QChar c = with[i];
        if (c == u'$' && i + 1 < with.size() && with[i + 1] >= u'0' && with[i + 1] <= u'9') {
            const int group = with[++i].unicode() - u'0';
            if (group < groupsSet && groups[2 * group] != PCRE2_UNSET)
                out << groupText(text, groups, group);
            continue;
        }
        out << c;
    }
}

} // namespace

SearchPattern::SearchPattern(const QString& what, bool ignoreCase) {
    int error = 0;
    PCRE2_SIZE place = 0;
    pcre2_code* code =
        pcre2_compile(codeUnits(what), what.size(), PCRE2_UTF | (ignoreCase ? PCRE2_CASELESS : 0),
                      &error, &place, nullptr);
    if (code == nullptr) {
        m_problem = u"%1 (at character %2)"_s.arg(errorText(error), QString::number(place + 1));
        return;
    }
    // Without the JIT (an unusual processor), matching falls back to the interpreter.
    pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);
    m_code.reset(code, pcre2_code_free);
}

QString SearchPattern::replaced(const QString& text, QStringView with) const {
    if (!m_code)
        return text;
    pcre2_match_data* data = matchData();
    const PCRE2_SIZE* groups = pcre2_get_ovector_pointer(data);
    const qsizetype length = text.size();
    TextBuffer out;
    qsizetype copied = 0;
    qsizetype from = 0;
    // Text without surrogates is valid UTF-16 throughout, told by a loop the compiler vectorises;
    // PCRE2 checks the rest itself, on the first match only, as later ones only move the offset.
    const bool noSurrogates = std::none_of(
        text.cbegin(), text.cend(), [](QChar c) { return (c.unicode() & 0xF800) == 0xD800; });
    uint32_t checked = noSurrogates ? PCRE2_NO_UTF_CHECK : 0;
    bool emptyBefore = false;
    bool replacedAny = false;
    for (;;) {
        // After an empty match only a longer one may start at the same place, as in Perl.
        const uint32_t options =
            checked | (emptyBefore ? PCRE2_NOTEMPTY_ATSTART | PCRE2_ANCHORED : 0);
        int found = pcre2_match(m_code.get(), codeUnits(text), PCRE2_SIZE(length), PCRE2_SIZE(from),
                                options, data, boundedSteps());
        checked = PCRE2_NO_UTF_CHECK;
        if (found == PCRE2_ERROR_NOMATCH) {
            if (!emptyBefore || from == length)
                break;
            const bool pair = from + 1 < length && text[from].isHighSurrogate() &&
                              text[from + 1].isLowSurrogate();
            from += pair ? 2 : 1;
            emptyBefore = false;
            continue;
        }
        if (found < 0)
            return text;
        if (found == 0)
            found = int(NamedGroups);
        const auto start = static_cast<qsizetype>(groups[0]);
        const auto end = static_cast<qsizetype>(groups[1]);
        out << QStringView(text).sliced(copied, start - copied);
        appendReplacement(out, text, groups, found, with);
        replacedAny = true;
        emptyBefore = start == end;
        copied = from = end;
    }
    if (!replacedAny)
        return text;
    out << QStringView(text).sliced(copied);
    return out.toString();
}

} // namespace quillane
