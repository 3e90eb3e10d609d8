#pragma once

#include "forms/quillanemainfrm/DesignedControls.h"
#include "forms/quillanemainfrm/MainLayout.h"
#include "gathering/FileFilterStore.h"
#include "gathering/FileGatherer.h"
#include "journal/RecordedRuns.h"
#include "journal/RunJournal.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "platform/SystemQueries.h"
#include "renamelist/RenameListModel.h"
#include "rules/DateTimeStamper.h"
#include "settings/Registry.h"
#include "settings/SettingsStore.h"
#include "startup/DisplayProfile.h"
#include "startup/StartupChecks.h"

#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>

class QDockWidget;
class QDropEvent;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace quillane {

class DialogOwners;
class GridOptionsPanel;
class ListSelectionSync;
class MainCommandWidgets;
class PresetMenu;
class RenameGrid;
class RuleControls;

// What the main window works with; all of it outlives the window.
struct MainWindowServices {
    FileSystem& files;
    RunJournal& journal;
    Dialogs& dialogs;
    Shell& shell;
    Registry& registry;
    const DateTimeStamper& stamper;
    // Where a stamp of the file's own dates reads them; called from a thread of its own.
    const FileDatesSource& fileDates;
    DisplayProfile profile;
    PlatformVersion platform;
    QString AppDir;
    // The folder of the shipped files: the icon files, the tips and the manual.
    QString ShippedDir;
    // Where the windows register as owners of real boxes; null when the boxes are scripted.
    DialogOwners* owners = nullptr;
};

// The program's working window: the rename list, the rule controls and every command.
class quillanemainfrm : public QMainWindow {
    Q_OBJECT

public:
    explicit quillanemainfrm(MainWindowServices services);
    ~quillanemainfrm() override;

    // The load sequence: size, tool bar, stored settings, idle status, command states, preview.
    void load();
    // Once the window shows: what an unfinished run left, then the tip of the day.
    void showStartupBoxes();

    void BusyMode();
    void NotBusyMode();
    void Refresh_Buttons();
    void RefreshRenOutputLst();
    // Every command of the table calls it first: the last run's word in panel 1 ends.
    void commandStarting();

    void AddMnu_Click();
    void AddDirMnu_Click();
    // Files and folders given to the program (its command line, a drop) join the list as after
    // any add.
    void addPaths(const QStringList& paths);
    // Paths a later start handed over: the window comes to the front and adds them as soon as no
    // run or box is under way.
    void takeHandedPaths(const QStringList& paths);
    void RemoveMnu_Click();
    void RemoveAllMnu_Click();
    void ClearRenameLstMnu_Click();
    void renamelst_Clear_cmd_Click();
    void ExitMnu_Click();
    void RenameMnu_Click();
    void UndoRenameMnu_Click();
    void selposup_cmd_Click();
    void selposdown_cmd_Click();
    void MoveUpMnu_Click();
    void MoveDownMnu_Click();
    void MoveFirstMnu_Click();
    void MoveLastMnu_Click();
    void renamelst_SelectAll_cmd_Click();
    void renamelst_DeselectAll_cmd_Click();
    void renamelst_InvSel_cmd_Click();
    void InvSelMnu_Click();
    void IncSubdirMnu_Click();
    void ExcSubdirMnu_Click();
    void OutputWhereFileIsMnu_Click();
    void OutputCustomDirMnu_Click();
    void ShowGridMnu_Click();
    void GeneralMnu_Click();
    void CustomFileTypeMnu_Click();
    void SavePresetMnu_Click();
    void DeletePresetMnu_Click();
    void TODMnu_Click();
    void HelpTopicsMnu_Click();
    void TechMnu_Click();
    void QuillaneSiteMnu_Click();
    void QuillaneFAQMnu_Click();
    void GoToSiteMnu_Click();
    void AbtMnu_Click();

    // The about box's pictures, prepared once the window shows.
    void setAboutIcons(AboutIcons icons) { m_aboutIcons = std::move(icons); }
    void grdThis_ColumnClick(int column);

    RenameListModel& renameList() { return m_list; }
    SettingsStore& settings() { return m_settings; }
    FileFilterStore& fileFilters() { return m_filters; }
    const DisplayProfile& displayProfile() const { return m_profile; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createGrid(QWidget* form);
    void createGridOptions();
    void createStatusBar();
    void placeDesignedControls();
    void applyLayout();
    // The menus' check marks, the custom folder's caption and the grid lines, as the store has
    // them.
    void showSettings();
    void chooseGridLines(bool shown);
    void showToolbarHover(int position);
    // Starts reading the file dates the rules need and the rows lack, unless that reading is
    // already under way; stops a reading the rules no longer need.
    void readMissingDates(const RenameRuleSet& rules);
    void keepReadDates(const QList<ReadDates>& answers, qsizetype done, qsizetype total);
    // A run waits for the dates still being read, in busy mode; false when the user stopped it.
    bool waitForDates();
    // Panel 1 tells why the search pattern does not compile for as long as it does not.
    void showPatternProblem(const QString& problem);
    void showStatePicture(bool busy);
    void PlaceInStatusPanel();
    void colourProgressBar();
    enum class Preview { Kept, Renewed };
    // The end every list command shares.
    void listCommandDone(Preview preview);
    void showRunReport(const RunResult& result);
    // A run in busy mode with its progress and stop, then its summary and report.
    void runBusy(const std::function<RunResult(RunProgress)>& run,
                 const QList<RunProblem>& leftOut = {});
    // A run over the files of a recorded run; the rows still listed follow their files.
    void runRecorded(RecordedRunSetup setup);
    // Offers to finish or undo what a run that did not finish left.
    void offerRecovery();
    // The undo command is on exactly when there is a run to undo, and names it.
    void refreshUndo();
    void addHandedPaths();
    // A drag over the grid or its drop: files and folders are taken, as copies, unless busy.
    bool acceptDrop(QDropEvent* event) const;

    int pixels(int twips) const;
    int twips(int pixels) const;
    FormSize formSize() const;

    FileSystem& m_files;
    RunJournal& m_journal;
    Dialogs& m_dialogs;
    Shell& m_shell;
    Registry& m_registry;
    DialogOwners* m_owners;
    const DateTimeStamper& m_stamper;
    DisplayProfile m_profile;
    PlatformVersion m_platform;
    QString m_appDir;
    QString m_shippedDir;
    bool m_busy = false;
    QStringList m_handedPaths;
    QTimer* m_handedPathsRetry = nullptr;
    QTimer* m_memoryReturn = nullptr;

    SettingsStore m_settings;
    FileFilterStore m_filters;
    RenameListModel m_list;
    FileGatherer m_gatherer;

    QWidget* m_form = nullptr;
    DesignedControls m_controls;
    RuleControls* m_rules = nullptr;
    FileDateReading* m_dateReading = nullptr;
    bool m_readingTaken = false;
    PresetMenu* m_presetMenu = nullptr;
    RenameGrid* m_grid = nullptr;
    GridOptionsPanel* m_gridOptions = nullptr;
    QDockWidget* m_gridOptionsDock = nullptr;
    QWidget* m_gridViewport = nullptr;
    ListSelectionSync* m_selectionSync = nullptr;
    std::unique_ptr<MainCommandWidgets> m_commands;
    QLabel* m_panels[4] = {};
    QProgressBar* m_progress = nullptr;
    QPushButton* m_stopButton = nullptr;
    bool m_stopAsked = false;
    bool m_closeWhenIdle = false;
    // Panel 1's text while idle: the idle text, or how the last run ended.
    QString m_idleText;
    QPointer<QWidget> m_progressHome; // the bar's parent before it went into the status bar
    QPointer<QWidget> m_tipWindow;
    AboutIcons m_aboutIcons;

    // The state pictures; the 16 pixel ones show above the normal resolution.
    QPixmap BusyIconImg;
    QPixmap NotBusyIconImg;
    QPixmap BusyIconImg16;
    QPixmap NotBusyIconImg16;
};

} // namespace quillane
