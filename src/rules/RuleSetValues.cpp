#include "rules/RuleSetValues.h"

#include "rules/RuleTexts.h"

using namespace Qt::StringLiterals;

namespace quillane {

namespace {

// One option's text and back; `read` leaves the option as it is when the text does not fit.
template <typename Owner> struct Field {
    QString name;
    std::function<QString(const Owner&)> write;
    std::function<void(Owner&, const QString&)> read;
};

template <typename Owner> Field<Owner> flag(const QString& name, bool Owner::*member) {
    return {name, [member](const Owner& o) { return o.*member ? u"1"_s : u"0"_s; },
            [member](Owner& o, const QString& text) {
                if (text == u"1" || text == u"0")
                    o.*member = text == u"1";
            }};
}

template <typename Owner> Field<Owner> text(const QString& name, QString Owner::*member) {
    return {name, [member](const Owner& o) { return o.*member; },
            [member](Owner& o, const QString& stored) {
                o.*member = stored;
            }};
}

// A whole number from `lowest` to `highest`.
template <typename Owner, typename Number>
Field<Owner> number(const QString& name, Number Owner::*member, qint64 lowest, qint64 highest) {
    return {name, [member](const Owner& o) { return QString::number(qint64(o.*member)); },
            [member, lowest, highest](Owner& o, const QString& stored) {
                bool ok = false;
                const qint64 value = stored.toLongLong(&ok);
                if (ok && value >= lowest && value <= highest)
                    o.*member = static_cast<Number>(value);
            }};
}

Field<AffixRule> affixPage() {
    return {u"Page"_s, [](const AffixRule& a) { return QString::number(int(a.Page)); },
            [](AffixRule& a, const QString& stored) {
                if (stored == u"0" || stored == u"1")
                    a.Page = AffixPage(stored.toInt());
            }};
}

const QList<Field<AffixRule>>& affixFields() {
    static const QList<Field<AffixRule>> fields{
        affixPage(),
        text(u"Text"_s, &AffixRule::Text),
        flag(u"Ascending"_s, &AffixRule::Ascending),
        text(u"Padding"_s, &AffixRule::Padding),
        text(u"Increment"_s, &AffixRule::Increment),
        number(u"NumericMemory"_s, &AffixRule::NumericMemory, 0,
               std::numeric_limits<qint32>::max()),
        text(u"AlphabetMemory"_s, &AffixRule::AlphabetMemory),
    };
    return fields;
}

using R = RenameRuleSet;

const QList<Field<R>>& ruleFields() {
    static const QList<Field<R>> fields{
        flag(u"NewFilenameOn"_s, &R::NewFilenameOn),
        text(u"NewFilename"_s, &R::NewFilename),
        flag(u"NewExtensionOn"_s, &R::NewExtensionOn),
        text(u"NewExtension"_s, &R::NewExtension),
        number(u"CaseMode"_s, &R::CaseMode, 0, caseModeEntries().size() - 1),
        flag(u"ReplaceOn"_s, &R::ReplaceOn),
        text(u"ReplaceWhat"_s, &R::ReplaceWhat),
        text(u"ReplaceWith"_s, &R::ReplaceWith),
        flag(u"ReplaceRegex"_s, &R::ReplaceRegex),
        flag(u"ReplaceIgnoreCase"_s, &R::ReplaceIgnoreCase),
        flag(u"SpaceToUnderscore"_s, &R::SpaceToUnderscore),
        flag(u"UnderscoreToSpace"_s, &R::UnderscoreToSpace),
        flag(u"UnderscoreToHyphen"_s, &R::UnderscoreToHyphen),
        flag(u"RemoveSpaces"_s, &R::RemoveSpaces),
        flag(u"RemoveUnderscores"_s, &R::RemoveUnderscores),
        flag(u"RemoveHyphens"_s, &R::RemoveHyphens),
        flag(u"RemoveSquareNumbers"_s, &R::RemoveSquareNumbers),
        flag(u"RemoveRoundNumbers"_s, &R::RemoveRoundNumbers),
        flag(u"DecodeUrlEscapes"_s, &R::DecodeUrlEscapes),
        flag(u"TrimSpaces"_s, &R::TrimSpaces),
        flag(u"StampOn"_s, &R::StampOn),
        number(u"StampFormat"_s, &R::StampFormat, 0, stampFormatEntries().size() - 1),
        flag(u"StampAsPrefix"_s, &R::StampAsPrefix),
        number(u"StampSource"_s, &R::StampSource, 0, stampSourceEntries().size() - 1),
        flag(u"NewAttributesOn"_s, &R::NewAttributesOn),
        flag(u"AttrReadOnly"_s, &R::AttrReadOnly),
        flag(u"AttrHidden"_s, &R::AttrHidden),
        flag(u"AttrSystem"_s, &R::AttrSystem),
        flag(u"AttrArchive"_s, &R::AttrArchive),
    };
    return fields;
}

const std::pair<QString, AffixRule R::*> Affixes[]{
    {u"Prefix."_s, &R::Prefix},
    {u"Suffix."_s, &R::Suffix},
};

} // namespace

RuleValues valuesOf(const RenameRuleSet& rules) {
    RuleValues values;
    for (const Field<R>& field : ruleFields())
        values.append({field.name, field.write(rules)});
    for (const auto& [prefix, affix] : Affixes) {
        for (const Field<AffixRule>& field : affixFields())
            values.append({prefix + field.name, field.write(rules.*affix)});
    }
    return values;
}

RenameRuleSet ruleSetFrom(const std::function<std::optional<QString>(const QString& name)>& value) {
    RenameRuleSet rules;
    for (const Field<R>& field : ruleFields()) {
        if (const std::optional<QString> stored = value(field.name))
            field.read(rules, *stored);
    }
    for (const auto& [prefix, affix] : Affixes) {
        for (const Field<AffixRule>& field : affixFields()) {
            if (const std::optional<QString> stored = value(prefix + field.name))
                field.read(rules.*affix, *stored);
        }
    }
    return rules;
}

} // namespace quillane
