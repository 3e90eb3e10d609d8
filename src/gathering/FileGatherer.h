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
    // Paths given to the program, in their order: each file joins the list as a picked file does,
    // each folder as Add Directory adds it. Returns what tells of the paths passed over (those not
    // found in one message), for the window to show once the list shows the rest.
    [[nodiscard]] QList<MessageRequest> addPaths(const QStringList& paths);

private:
    void append(QList<ListedFile> files);
    // The files of the folder at `path`, its subfolders' too when they are to be included.
    QList<ListedFile> scanFolder(const QString& path, QStringList& tooLong);

    RenameListModel& m_list;
    FileSystem& m_files;
    Dialogs& m_dialogs;
    SettingsStore& m_settings;
    FileFilterStore& m_filters;
};

} // namespace quillane
