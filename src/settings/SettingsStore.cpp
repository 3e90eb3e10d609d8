#include "settings/SettingsStore.h"

#include "platform/PathText.h"
#include "settings/SettingNames.h"

#include <QDir>

#include <utility>

namespace quillane {

SettingsStore::SettingsStore(Registry& registry, Dialogs& dialogs, QString appDir)
    : m_registry(registry), m_dialogs(dialogs), m_appDir(std::move(appDir)), m_startupDir(m_appDir),
      m_customOutputDir(m_appDir), m_pendingCustomDir(m_appDir),
      // Only read, never written back, so it can be known before the start-up order runs.
      m_showTipOfTheDay(read(SettingName::ShowTod) != SettingText::Hidden) {}

QString SettingsStore::read(QLatin1StringView name) const {
    return m_registry.GetString(RegistryRoot::CurrentUser, SettingName::ProgramKey, name);
}

void SettingsStore::write(QLatin1StringView name, const QString& text) {
    // A setting that cannot be stored still takes effect for this run.
    static_cast<void>(
        m_registry.SaveString(RegistryRoot::CurrentUser, SettingName::ProgramKey, name, text));
}

void SettingsStore::applyStartupSettings(const std::function<void()>& repairFileFilters) {
    const QString startupDir = read(SettingName::StartupDir);
    // A folder that has gone since is still offered; the dialog copes with it.
    m_startupDir = startupDir.isEmpty() ? m_appDir : startupDir;
    write(SettingName::StartupDir, m_startupDir);

    if (read(SettingName::RecurseDir) == SettingText::RecurseN)
        ExcSubdirMnu_Click();
    else
        IncSubdirMnu_Click();

    const QString customDir = read(SettingName::OutputCustomDirPath);
    m_customOutputDir = customDir.isEmpty() ? m_appDir : customDir;
    write(SettingName::OutputCustomDirPath, m_customOutputDir);

    if (read(SettingName::OutDir) == SettingText::Custom) {
        m_outputToCustomDir = true;
        write(SettingName::OutDir, SettingText::Custom);
    } else {
        OutputWhereFileIsMnu_Click();
    }

    if (repairFileFilters)
        repairFileFilters();

    setGridLinesShown(read(SettingName::Grid) != SettingText::Hidden);
}

void SettingsStore::IncSubdirMnu_Click() {
    m_includeSubfolders = true;
    write(SettingName::RecurseDir, SettingText::RecurseY);
}

void SettingsStore::ExcSubdirMnu_Click() {
    m_includeSubfolders = false;
    write(SettingName::RecurseDir, SettingText::RecurseN);
}

void SettingsStore::OutputWhereFileIsMnu_Click() {
    m_outputToCustomDir = false;
    write(SettingName::OutDir, SettingText::WhereFileIs);
}

void SettingsStore::ShowGridMnu_Click() {
    setGridLinesShown(!m_gridLinesShown);
}

void SettingsStore::setGridLinesShown(bool shown) {
    m_gridLinesShown = shown;
    write(SettingName::Grid, shown ? SettingText::Shown : SettingText::Hidden);
}

CustomDirChoice SettingsStore::OutputCustomDirMnu_Click() {
    const FolderRequest request{browseTitle(m_customOutputDir), m_browseFromPreferences
                                                                    ? DialogOwner::Preferences
                                                                    : DialogOwner::MainWindow};
    const std::optional<QString> chosen = m_dialogs.browseForFolder(request);
    if (!chosen)
        return CustomDirChoice::Cancelled;
    const QString folder = chosenFolder(*chosen);
    // An empty folder would send renamed files to the root, so it counts as no choice.
    if (folder.isEmpty())
        return CustomDirChoice::Cancelled;
    if (m_browseFromPreferences) {
        m_pendingCustomDir = folder;
        return CustomDirChoice::Pending;
    }
    useCustomOutputDir(folder);
    return CustomDirChoice::Applied;
}

void SettingsStore::useCustomOutputDir(const QString& folder) {
    m_customOutputDir = folder;
    m_outputToCustomDir = true;
    write(SettingName::OutDir, SettingText::Custom);
    write(SettingName::OutputCustomDirPath, folder);
}

void SettingsStore::setShowTipOfTheDay(bool show) {
    m_showTipOfTheDay = show;
    write(SettingName::ShowTod, show ? SettingText::Shown : SettingText::Hidden);
}

void SettingsStore::setStartupDir(const QString& folder) {
    m_startupDir = folder;
    write(SettingName::StartupDir, folder);
}

QString SettingsStore::customDirCaption(const QString& folder) {
    return SettingText::CustomCaptionStart + folder + SettingText::CustomCaptionEnd;
}

QString SettingsStore::browseTitle(const QString& folder) {
    QString title = SettingText::BrowseTitleStart + folder;
    if (isBareDrive(folder))
        title += QDir::separator();
    return title;
}

QString SettingsStore::chosenFolder(const QString& path) {
    return withoutTrailingSeparators(TrimAtNul(path));
}

} // namespace quillane
