#include "gathering/FileFilterStore.h"

#include "gathering/GatheringTexts.h"
#include "settings/SettingNames.h"

#include <algorithm>
#include <utility>

namespace quillane {

namespace {

QString subkeyPath(QLatin1StringView subkey) {
    return SettingName::ProgramKey + u'\\' + subkey;
}

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

qint32 FileFilterStore::countFromText(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    // Stops growing just past the cap, so no count of digits can overflow it.
    qint32 count = 0;
    for (; i < text.size() && isAsciiDigit(text[i]); ++i) {
        if (count <= MaxFilterCount)
            count = count * 10 + (text[i].unicode() - u'0');
    }
    if (negative)
        return 0;
    return std::min(count, MaxFilterCount);
}

bool FileFilterStore::countIsMissing() const {
    const QString count = m_registry.GetString(RegistryRoot::CurrentUser, SettingName::ProgramKey,
                                               SettingName::NoOfFilter);
    return count.isEmpty() || count == GatheringText::NoFilters;
}

FileFilterSet FileFilterStore::replaceDamagedSet(DialogOwner owner) {
    MessageRequest box;
    box.title = ApplicationTitle;
    box.text = GatheringText::FilterSetDamaged;
    box.icon = MessageIcon::Exclamation;
    box.buttons = MessageButtons::Ok;
    box.defaultButton = MessageAnswer::Ok;
    box.keptOnTop = true;
    box.owner = owner;
    m_dialogs.showMessage(box);
    // The defaults are what the message promises, also when the store cannot take them.
    static_cast<void>(ResetFileFilter());
    return FileFilterSet::defaults();
}

FileFilterSet FileFilterStore::ReadFileFilterSet(DialogOwner owner) {
    if (countIsMissing())
        return replaceDamagedSet(owner);

    const qint32 count = countFromText(m_registry.GetString(
        RegistryRoot::CurrentUser, SettingName::ProgramKey, SettingName::NoOfFilter));
    const QString patternsKey = subkeyPath(GatheringText::PatternsSubkey);
    const QString descriptionsKey = subkeyPath(GatheringText::DescriptionsSubkey);
    QList<FileFilter> filters;
    for (qint32 n = 1; n <= count; ++n) {
        const QString name = QString::number(n);
        FileFilter filter{m_registry.GetString(RegistryRoot::CurrentUser, descriptionsKey, name),
                          m_registry.GetString(RegistryRoot::CurrentUser, patternsKey, name)};
        if (!filter.isEmpty())
            filters.append(std::move(filter));
    }
    return FileFilterSet(std::move(filters));
}

FileFilterSet FileFilterStore::loadForEditing(DialogOwner owner) {
    const FileFilterSet set = ReadFileFilterSet(owner);
    // Only a correction: closing the editor stores the whole set again and reports a refusal.
    static_cast<void>(m_registry.SaveString(RegistryRoot::CurrentUser, SettingName::ProgramKey,
                                            SettingName::NoOfFilter, QString::number(set.count())));
    return set.count() == 0 ? replaceDamagedSet(owner) : set;
}

bool FileFilterStore::WriteFileFilterSet(const FileFilterSet& set) {
    const QString patternsKey = subkeyPath(GatheringText::PatternsSubkey);
    const QString descriptionsKey = subkeyPath(GatheringText::DescriptionsSubkey);
    bool written = m_registry.SaveString(RegistryRoot::CurrentUser, SettingName::ProgramKey,
                                         SettingName::NoOfFilter, QString::number(set.count()));
    written &= m_registry.removeKey(RegistryRoot::CurrentUser, patternsKey);
    written &= m_registry.removeKey(RegistryRoot::CurrentUser, descriptionsKey);
    for (qint32 n = 1; n <= set.count(); ++n) {
        const FileFilter& filter = set.filters()[n - 1];
        const QString name = QString::number(n);
        written &=
            m_registry.SaveString(RegistryRoot::CurrentUser, patternsKey, name, filter.Patterns);
        written &= m_registry.SaveString(RegistryRoot::CurrentUser, descriptionsKey, name,
                                         filter.Description);
    }
    return written;
}

MessageRequest FileFilterStore::notSavedMessage(DialogOwner owner) {
    return {ApplicationTitle,
            GatheringText::FiltersNotSaved,
            MessageIcon::Exclamation,
            MessageButtons::Ok,
            MessageAnswer::Ok,
            true,
            owner};
}

bool FileFilterStore::ResetFileFilter() {
    return WriteFileFilterSet(FileFilterSet::defaults());
}

void FileFilterStore::repairAtStartup() {
    // Start-up steps go on whatever happens; a failed repair shows again at the next read.
    if (countIsMissing())
        static_cast<void>(ResetFileFilter());
}

} // namespace quillane
