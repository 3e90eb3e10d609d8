#include "gathering/FilterListEditor.h"

#include "gathering/GatheringTexts.h"

#include <algorithm>

namespace quillane {

FilterListEditor::FilterListEditor(const FileFilterSet& set) {
    for (const FileFilter& filter : set.filters())
        m_entries.append({filter, false});
}

FileFilterSet FilterListEditor::filterSet() const {
    QList<FileFilter> filters;
    for (const Entry& entry : m_entries)
        filters.append(entry.filter);
    return FileFilterSet(std::move(filters));
}

void FilterListEditor::selectAll(bool selected) {
    for (Entry& entry : m_entries)
        entry.selected = selected;
}

bool FilterListEditor::anySelected() const {
    return std::any_of(m_entries.begin(), m_entries.end(),
                       [](const Entry& entry) { return entry.selected; });
}

FilterAddOutcome FilterListEditor::add(const QString& description, const QString& patterns) {
    const bool hasPatterns = !patterns.isEmpty() && patterns != GatheringText::PatternsHint;
    if (description.isEmpty())
        return hasPatterns ? FilterAddOutcome::NeedDescription : FilterAddOutcome::NothingToAdd;
    if (!hasPatterns)
        return FilterAddOutcome::NeedFileType;
    m_entries.append({{description, patterns}, false});
    return FilterAddOutcome::Added;
}

bool FilterListEditor::removeSelected() {
    if (!anySelected())
        return false;
    m_entries.removeIf([](const Entry& entry) { return entry.selected; });
    return true;
}

bool FilterListEditor::moveUp() {
    if (!anySelected())
        return false;
    for (qsizetype k = 1; k < m_entries.size(); ++k)
        if (m_entries[k].selected && !m_entries[k - 1].selected)
            m_entries.swapItemsAt(k - 1, k);
    return true;
}

bool FilterListEditor::moveDown() {
    if (!anySelected())
        return false;
    for (qsizetype k = m_entries.size() - 2; k >= 0; --k)
        if (m_entries[k].selected && !m_entries[k + 1].selected)
            m_entries.swapItemsAt(k, k + 1);
    return true;
}

void FilterListEditor::reset() {
    *this = FilterListEditor(FileFilterSet::defaults());
    m_entries.front().selected = true;
}

} // namespace quillane
