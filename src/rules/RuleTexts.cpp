#include "rules/RuleTexts.h"

using namespace Qt::StringLiterals;

namespace quillane {

const QStringList& caseModeEntries() {
    static const QStringList entries{u"Normal"_s,     u"UPPERCASE"_s,     u"lowercase"_s,
                                     u"Title Case"_s, u"Sentence case"_s, u"tOGGLE cASE"_s};
    return entries;
}

const QStringList& stampFormatEntries() {
    static const QStringList entries{u"DDMMYY"_s,
                                     u"DDMMYYYY"_s,
                                     u"YYMMDD"_s,
                                     u"YYYYMMDD"_s,
                                     u"DDMM"_s,
                                     u"MMDD"_s,
                                     u"DD-MM-YY"_s,
                                     u"DD-MM-YYYY"_s,
                                     u"YY-MM-DD"_s,
                                     u"YYYY-MM-DD"_s,
                                     u"DD-MM"_s,
                                     u"MM-DD"_s,
                                     u"Time"_s,
                                     u"DDMMYY + Time"_s,
                                     u"DDMMYYYY + Time"_s,
                                     u"YYMMDD + Time"_s,
                                     u"YYYYMMDD + Time"_s,
                                     u"DDMM + Time"_s,
                                     u"MMDD + Time"_s,
                                     u"DD-MM-YY + Time"_s,
                                     u"DD-MM-YYYY + Time"_s,
                                     u"YY-MM-DD + Time"_s,
                                     u"YYYY-MM-DD + Time"_s,
                                     u"DD-MM + Time"_s,
                                     u"MM-DD + Time"_s};
    return entries;
}

const QStringList& stampSourceEntries() {
    static const QStringList entries{u"Now"_s, u"File modified"_s, u"Photo taken"_s};
    return entries;
}

} // namespace quillane
