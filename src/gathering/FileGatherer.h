#pragma once

#include "gathering/FileFilterStore.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "renamelist/RenameListModel.h"
#include "settings/SettingsStore.h"

namespace quillane {

// The add-files and add-directory commands without their window: they ask, append what was
// chosen to the list and select the first row of a list that was empty. The window refreshes
// the command states and the preview afterwards.
class FileGatherer {
public:
    FileGatherer(RenameListModel& list, FileSystem& files, Dialogs& dialogs,
                 SettingsStore& settings, FileFilterStore& filters);

    void AddMnu_Click();
    void AddDirMnu_Click();

private:
    void append(const QList<ListedFile>& files);

    RenameListModel& m_list;
    FileSystem& m_files;
    Dialogs& m_dialogs;
    SettingsStore& m_settings;
    FileFilterStore& m_filters;
};

} // namespace quillane
