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

QStringList FileFilterSet::dialogFilters() const {
    QStringList result;
    for (const FileFilter& filter : m_filters) {
        if (filter.isEmpty())
            continue;
        // Qt separates patterns by spaces only; ";" separated them in the dialog this list was
        // first written for, so both count.
        QString patterns = QString(filter.Patterns)
                               .replace(GatheringText::StoredPatternSeparator, u' ')
                               .replace(GatheringText::DialogPatternSeparator, u' ')
                               .simplified();
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
