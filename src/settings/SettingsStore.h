#pragma once

#include "platform/Dialogs.h"
#include "settings/Registry.h"

#include <QString>

#include <functional>

namespace quillane {

// What a browse for the custom output folder did.
enum class CustomDirChoice {
    Cancelled, // nothing changed
    Pending,   // the folder waits in PendingCustomDir for the preferences' OK
    Applied,   // the folder is the custom output folder, output goes there, the store says so
};

// The program's settings under its key: read once at start-up, then written the moment the user
// changes one. The one owner of the choices: menus, boxes and commands read them from here.
class SettingsStore {
public:
    SettingsStore(Registry& registry, Dialogs& dialogs, QString appDir);

    // Applies every stored setting in the fixed start-up order, writing back each value it uses.
    // `repairFileFilters` runs in its place in that order.
    void applyStartupSettings(const std::function<void()>& repairFileFilters);

    void IncSubdirMnu_Click();
    void ExcSubdirMnu_Click();
    void OutputWhereFileIsMnu_Click();
    void ShowGridMnu_Click();
    void setGridLinesShown(bool shown);
    // Lets the user browse for the custom output folder; from the preferences dialog the choice
    // only becomes pending.
    CustomDirChoice OutputCustomDirMnu_Click();

    // Makes the folder the custom output folder and sends renamed files there, in memory, in the
    // menu and in the store.
    void useCustomOutputDir(const QString& folder);
    // The folder the add-files dialog opens in next, kept in memory and in the store.
    void setStartupDir(const QString& folder);
    // Whether the tip window opens at the next start, written at once.
    void setShowTipOfTheDay(bool show);

    void setBrowseFromPreferences(bool fromPreferences) {
        m_browseFromPreferences = fromPreferences;
    }
    const QString& PendingCustomDir() const { return m_pendingCustomDir; }
    void setPendingCustomDir(const QString& folder) { m_pendingCustomDir = folder; }

    // Add Directory walks the subfolders too.
    bool includeSubfolders() const { return m_includeSubfolders; }
    // Renamed files go to the custom output folder rather than stay where they are.
    bool outputToCustomDir() const { return m_outputToCustomDir; }
    bool gridLinesShown() const { return m_gridLinesShown; }
    const QString& StartupDir() const { return m_startupDir; }
    const QString& customOutputDir() const { return m_customOutputDir; }
    bool showTipOfTheDay() const { return m_showTipOfTheDay; }

    // "Custom... (folder)", the text that names a custom folder in menus and lists.
    static QString customDirCaption(const QString& folder);

    // A setting's stored text, empty when absent or not text.
    QString read(QLatin1StringView name) const;

private:
    // The browser's title for the current custom folder.
    static QString browseTitle(const QString& folder);
    // A path from the folder browser as it is kept: up to its first NUL, without a trailing
    // separator unless it is the root itself.
    static QString chosenFolder(const QString& path);
    void write(QLatin1StringView name, const QString& text);

    Registry& m_registry;
    Dialogs& m_dialogs;
    QString m_appDir;
    QString m_startupDir;
    QString m_customOutputDir;
    QString m_pendingCustomDir;
    bool m_browseFromPreferences = false;
    bool m_showTipOfTheDay;
    bool m_includeSubfolders = false;
    bool m_outputToCustomDir = false;
    bool m_gridLinesShown = false;
};

} // namespace quillane
