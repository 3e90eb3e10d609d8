#include "gathering/FileFilterSet.h"

#include "gathering/GatheringTexts.h"

using namespace Qt::StringLiterals;

namespace quillane {

QString FileFilter::label() const {
    return Description + GatheringText::LabelStart + Patterns + GatheringText::LabelEnd;
}

FileFilterSet FileFilterSet::defaults() {
    return FileFilterSet({
        {GatheringText::AllFiles, GatheringText::AllFilesPatterns},
        {GatheringText::Jpeg, GatheringText::JpegPatterns},
        {GatheringText::Mpeg, GatheringText::MpegPatterns},
    });
}

QStringList FileFilterSet::labels() const {
    QStringList result;
    result.reserve(m_filters.size());
    for (const FileFilter& filter : m_filters)
        result.append(filter.label());
    return result;
}

QString FileFilterSet::BuildDialogFilter() const {
    QStringList elements;
    for (const FileFilter& filter : m_filters) {
        if (filter.isEmpty())
            continue;
        elements.append(filter.label());
        elements.append(QString(filter.Patterns)
                            .replace(GatheringText::StoredPatternSeparator,
                                     GatheringText::DialogPatternSeparator));
    }
    return elements.join(GatheringText::DialogFilterSeparator);
}

namespace {

// A stored pattern means what it does where a name's extension may be empty: "*.*" is every file
// and "name.*" takes "name" too. Qt's dialog matches the text as it stands, so it is given
// patterns that mean the same.
QStringList dialogPatterns(const QString& patterns) {
    QStringList result;
    const QStringList stored = QString(patterns)
                                   .replace(GatheringText::StoredPatternSeparator, u' ')
                                   .replace(GatheringText::DialogPatternSeparator, u' ')
                                   .split(u' ', Qt::SkipEmptyParts);
    for (const QString& pattern : stored) {
        if (pattern == u"*.*"_s) {
            result.append(u"*"_s);
        } else if (pattern.endsWith(u".*"_s) && pattern.size() > 2) {
            result.append(pattern.chopped(2));
            result.append(pattern);
        } else {
            result.append(pattern);
        }
    }
    result.removeDuplicates();
    return result;
}

} // namespace

QStringList FileFilterSet::dialogFilters() const {
    QStringList result;
    for (const FileFilter& filter : m_filters) {
        if (filter.isEmpty())
            continue;
        // Qt separates patterns by spaces only; a filter separates them by "," or ";", so both
        // count.
        QString patterns = dialogPatterns(filter.Patterns).join(u' ');
        // A filter without patterns would otherwise leave the dialog to guess; it offers every
        // file.
        if (patterns.isEmpty())
            patterns = u"*"_s;
        result.append(filter.Description + GatheringText::LabelStart + patterns +
                      GatheringText::LabelEnd);
    }
    return result;
}

} // namespace quillane
