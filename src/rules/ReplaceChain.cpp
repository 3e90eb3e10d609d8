#include "rules/ReplaceChain.h"

#include "rules/NumberText.h"
#include "rules/TextBuffer.h"
#include "rules/UrlEscapes.h"

#include <QVarLengthArray>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillane {

namespace {

// Qt's search prepares a matcher on every call, which costs more than searching a short name;
// ignoring case, Qt's own case folding is worth it.
qsizetype indexIn(QStringView text, QStringView needle, qsizetype from = 0,
                  Qt::CaseSensitivity sensitivity = Qt::CaseSensitive) {
    if (sensitivity == Qt::CaseInsensitive)
        return text.indexOf(needle, from, Qt::CaseInsensitive);
    const auto found = std::search(text.begin() + from, text.end(), needle.begin(), needle.end());
    return found == text.end() ? -1 : found - text.begin();
}

// Every occurrence of `what`, scanning from the left; inserted text is not searched again.
QString replaceAll(const QString& text, QStringView what, QStringView with,
                   Qt::CaseSensitivity sensitivity = Qt::CaseSensitive) {
    qsizetype at = indexIn(text, what, 0, sensitivity);
    if (what.isEmpty() || at < 0)
        return text;
    TextBuffer out;
    qsizetype copied = 0;
    for (; at >= 0; at = indexIn(text, what, copied, sensitivity)) {
        out << QStringView(text).sliced(copied, at - copied) << with;
        copied = at + what.size();
    }
    out << QStringView(text).sliced(copied);
    return out.toString();
}

// The three replacements and three removals each look at one character alone, so together they
// are one mapping per character; nullopt drops the character.
struct CharacterSteps {
    bool spaceToUnderscore, underscoreToSpace, underscoreToHyphen;
    bool removeSpaces, removeUnderscores, removeHyphens;

    bool any() const {
        return spaceToUnderscore || underscoreToSpace || underscoreToHyphen || removeSpaces ||
               removeUnderscores || removeHyphens;
    }

    std::optional<QChar> apply(QChar c) const {
        if (spaceToUnderscore && c == u' ')
            c = u'_';
        if (underscoreToSpace && c == u'_')
            c = u' ';
        if (underscoreToHyphen && c == u'_')
            c = u'-';
        if ((removeSpaces && c == u' ') || (removeUnderscores && c == u'_') ||
            (removeHyphens && c == u'-'))
            return std::nullopt;
        return c;
    }
};

// Step 1: the search as plain text or as the pattern the rules compiled.
QString replaceSearched(const QString& text, const RenameRuleSet& rules) {
    if (!rules.ReplaceRegex)
        return replaceAll(text, rules.ReplaceWhat, rules.ReplaceWith,
                          rules.ReplaceIgnoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive);
    if (rules.ReplaceWhat.isEmpty())
        return text;
    const SearchPattern& prepared = rules.ReplacePattern;
    if (prepared.isCompiled() || !prepared.problem().isEmpty())
        return prepared.replaced(text, rules.ReplaceWith);
    // Rules whose pattern was not prepared still give the right name, only more slowly.
    return SearchPattern(rules.ReplaceWhat, rules.ReplaceIgnoreCase)
        .replaced(text, rules.ReplaceWith);
}

// Spaces off both ends, and each run inside down to one.
QString trimmedSpaces(QString text) {
    const bool trimmed = !text.startsWith(u' ') && !text.endsWith(u' ') && !text.contains(u"  ");
    if (trimmed)
        return text;
    qsizetype kept = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u' ' && (kept == 0 || text.at(kept - 1) == u' '))
            continue;
        text[kept++] = c;
    }
    if (kept > 0 && text.at(kept - 1) == u' ')
        --kept;
    text.truncate(kept);
    return text;
}

QString applyCharacterSteps(QString text, const CharacterSteps& steps) {
    qsizetype kept = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (const auto mapped = steps.apply(text.at(i)))
            text[kept++] = *mapped;
    }
    text.truncate(kept);
    return text;
}

} // namespace

QString RemoveBrackets(QString ReplaceWhichString, const QString& Bracks1, const QString& Bracks2) {
    if (Bracks1.isEmpty() || Bracks2.isEmpty())
        return ReplaceWhichString;
    // Each piece runs from one opening text to the next; its head up to the first closing text
    // names a bracketed group when it reads as a number. The group itself is a slice of the text.
    const QStringView text(ReplaceWhichString);
    QVarLengthArray<QStringView, 8> tokens;
    qsizetype opening = indexIn(text, Bracks1);
    while (opening >= 0) {
        const qsizetype pieceStart = opening + Bracks1.size();
        const qsizetype nextOpening = indexIn(text, Bracks1, pieceStart);
        const QStringView piece = nextOpening < 0
                                      ? text.sliced(pieceStart)
                                      : text.sliced(pieceStart, nextOpening - pieceStart);
        const qsizetype closing = indexIn(piece, Bracks2);
        if (closing >= 0 && readsAsNumber(piece.first(closing)))
            tokens.append(text.sliced(opening, Bracks1.size() + closing + Bracks2.size()));
        opening = nextOpening;
    }
    if (tokens.isEmpty())
        return ReplaceWhichString;
    QString result = ReplaceWhichString;
    for (const QStringView token : tokens)
        result = replaceAll(result, token, {});
    return result;
}

QString ApplyReplaceChain(QString text, const RenameRuleSet& rules) {
    text = replaceSearched(text, rules);
    const CharacterSteps steps{rules.SpaceToUnderscore,  rules.UnderscoreToSpace,
                               rules.UnderscoreToHyphen, rules.RemoveSpaces,
                               rules.RemoveUnderscores,  rules.RemoveHyphens};
    if (steps.any())
        text = applyCharacterSteps(std::move(text), steps);
    if (rules.RemoveSquareNumbers)
        text = RemoveBrackets(std::move(text), u"["_s, u"]"_s);
    if (rules.RemoveRoundNumbers)
        text = RemoveBrackets(std::move(text), u"("_s, u")"_s);
    if (rules.DecodeUrlEscapes)
        text = ConUrlHex(text);
    if (rules.TrimSpaces)
        text = trimmedSpaces(std::move(text));
    return text;
}

} // namespace quillane
