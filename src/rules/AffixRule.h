#pragma once

#include <QString>
#include <QtGlobal>

namespace quillane {

// The two tab pages of an affix; the values are the page indexes.
enum class AffixPage { Numeric = 0, Alphabetic = 1 };

// A prefix or a suffix: a fixed text, or on the Numeric page with Ascending a running number.
struct AffixRule {
    AffixPage Page = AffixPage::Alphabetic;
    QString Text;
    bool Ascending = false;
    QString Padding; // "None" or "1" to "8"; anything else pads nothing
    QString Increment;
    // What each page held while the other page was shown.
    qint32 NumericMemory = 0;
    QString AlphabetMemory;

    static AffixRule prefixAtStartUp();
    static AffixRule suffixAtStartUp();
};

// The padding box's text for "no padding".
QString noPaddingText();

} // namespace quillane
