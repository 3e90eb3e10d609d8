#include "rules/ReplaceChain.h"

#include "rules/NumberText.h"
#include "rules/UrlEscapes.h"

#include <QList>

using namespace Qt::StringLiterals;

namespace quillane {

QString RemoveBrackets(QString ReplaceWhichString, const QString& Bracks1, const QString& Bracks2) {
    if (Bracks1.isEmpty() || Bracks2.isEmpty())
        return ReplaceWhichString;
    // Each piece runs from one opening text to the next; its head up to the first closing text
    // names a bracketed group when it reads as a number.
    QList<QString> tokens;
    const QStringView text(ReplaceWhichString);
    qsizetype pieceStart = 0;
    while (pieceStart >= 0) {
        const qsizetype nextOpening = text.indexOf(Bracks1, pieceStart);
        const QStringView piece = nextOpening < 0 ? text.sliced(pieceStart)
                                                  : text.sliced(pieceStart, nextOpening - pieceStart);
        const qsizetype closing = piece.indexOf(Bracks2);
        if (closing >= 0 && readsAsNumber(piece.first(closing)))
            tokens.append(QString(Bracks1).append(piece.first(closing)).append(Bracks2));
        pieceStart = nextOpening < 0 ? -1 : nextOpening + Bracks1.size();
    }
    for (const QString& token : tokens)
        ReplaceWhichString.remove(token);
    return ReplaceWhichString;
}

QString ApplyReplaceChain(QString text, const RenameRuleSet& rules) {
    if (!rules.ReplaceWhat.isEmpty())
        text.replace(rules.ReplaceWhat, rules.ReplaceWith);
    if (rules.SpaceToUnderscore)
        text.replace(u' ', u'_');
    if (rules.UnderscoreToSpace)
        text.replace(u'_', u' ');
    if (rules.UnderscoreToHyphen)
        text.replace(u'_', u'-');
    if (rules.RemoveSpaces)
        text.remove(u' ');
    if (rules.RemoveUnderscores)
        text.remove(u'_');
    if (rules.RemoveHyphens)
        text.remove(u'-');
    if (rules.RemoveSquareNumbers)
        text = RemoveBrackets(std::move(text), u"["_s, u"]"_s);
    if (rules.RemoveRoundNumbers)
        text = RemoveBrackets(std::move(text), u"("_s, u")"_s);
    if (rules.DecodeUrlEscapes)
        text = ConUrlHex(text);
    return text;
}

} // namespace quillane
