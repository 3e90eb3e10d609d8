// Feeds arbitrary file names, rule texts and search patterns through the whole new-name builder:
// file names come from disk and may hold any character, patterns from the user.
#include "rules/CaseModes.h"
#include "rules/GetRenFilename.h"
#include "rules/UrlEscapes.h"

#include <QStringView>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace quillane;

namespace {

class FixedClock final : public Clock {
public:
    LocalDateTime now() const override { return {QDate(2005, 6, 14), QTime(15, 7)}; }
};

// Takes the next text up to a U+FFFF separator from the input.
QString nextText(QStringView& input) {
    const qsizetype end = input.indexOf(QChar(0xFFFF));
    const QStringView text = end < 0 ? input : input.first(end);
    input = end < 0 ? QStringView() : input.sliced(end + 1);
    return text.toString();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 8)
        return 0;
    RenameRuleSet rules;
    const std::uint32_t flags = data[0] | (data[1] << 8) | (data[2] << 16) | (data[3] << 24);
    rules.NewFilenameOn = flags & (1u << 0);
    rules.NewExtensionOn = flags & (1u << 1);
    rules.ReplaceOn = flags & (1u << 2);
    rules.SpaceToUnderscore = flags & (1u << 3);
    rules.UnderscoreToSpace = flags & (1u << 4);
    rules.UnderscoreToHyphen = flags & (1u << 5);
    rules.RemoveSpaces = flags & (1u << 6);
    rules.RemoveUnderscores = flags & (1u << 7);
    rules.RemoveHyphens = flags & (1u << 8);
    rules.RemoveSquareNumbers = flags & (1u << 9);
    rules.RemoveRoundNumbers = flags & (1u << 10);
    rules.DecodeUrlEscapes = flags & (1u << 11);
    rules.StampOn = flags & (1u << 12);
    rules.StampAsPrefix = flags & (1u << 13);
    rules.Prefix.Page = (flags & (1u << 14)) ? AffixPage::Numeric : AffixPage::Alphabetic;
    rules.Prefix.Ascending = flags & (1u << 15);
    rules.ReplaceRegex = flags & (1u << 16);
    rules.ReplaceIgnoreCase = flags & (1u << 17);
    rules.TrimSpaces = flags & (1u << 18);
    rules.StampSource = static_cast<StampMoment>((flags >> 19) % 3);
    rules.CaseMode = data[4] % 7;
    rules.StampFormat = data[5] % 26 - 1;
    const qint32 listIndex = data[6] | (data[7] << 8);

    QStringView input(reinterpret_cast<const char16_t*>(data + 8), (size - 8) / 2);
    const QString name = nextText(input);
    rules.ReplaceWhat = nextText(input);
    rules.ReplaceWith = nextText(input);
    rules.Prefix.Text = nextText(input);
    rules.Prefix.Padding = nextText(input);
    rules.Prefix.Increment = nextText(input);
    rules.Suffix.Text = nextText(input);
    rules.NewExtension = nextText(input);
    rules.prepareReplacePattern();
    // Any dates, the markers for none and not read included.
    const FileDates dates{static_cast<qint32>(flags), static_cast<qint32>(flags ^ 0x80000000u)};

    const FixedClock clock;
    const DateTimeStamper stamper(clock, TimeNotation{});
    (void)GetRenFilename(name, listIndex, rules, stamper, dates);

    // Sentence and toggle case keep the length; decoding never lengthens.
    if (Scase(name, u' ').size() != name.size() || Tcase(name).size() != name.size() ||
        ConUrlHex(name).size() > name.size())
        std::abort();
    return 0;
}
