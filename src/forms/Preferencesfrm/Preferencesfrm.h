#pragma once

#include "gathering/FileFilterStore.h"
#include "platform/Dialogs.h"
#include "settings/SettingsStore.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace quillane {

class DialogOwners;

// The preferences dialog: the recursion and output choices, applied only by OK, and the file
// filters, written at once by their own dialog and by Reset.
class Preferencesfrm : public QDialog {
    Q_OBJECT

public:
    // The topics of PrefCmb; the other two items are separator lines.
    enum Topic { General = 0, IncludeSubdirs = 2, SaveTo = 3, CustomFiletype = 5 };

    // `owners` may be null when no real boxes are shown.
    Preferencesfrm(SettingsStore& settings, FileFilterStore& filters, Dialogs& dialogs,
                   DialogOwners* owners, QWidget* parent);
    ~Preferencesfrm() override;

    void NextCmd_Click();
    void PrevCmd_Click();
    void CustomFileFilterCmd_Click();
    void Reset_Cmd_Click();
    void SavePref_cmd_Click();
    void cancel_cmd_Click();

    void done(int result) override;

private:
    void Form_Load();
    void PrefCmb_Click();
    void IncSubDirCmb_Click();
    void OutputDirCmb_Click();
    void showCustomDir(const QString& folder);
    void showFilterCount();

    SettingsStore& m_settings;
    FileFilterStore& m_filters;
    Dialogs& m_dialogs;
    DialogOwners* m_owners;
    int m_shownTopic = General; // the last topic shown, to pass a separator the same way
    bool m_loaded = false;

    QComboBox* m_topics;
    QLineEdit* m_incSubDirText;
    QComboBox* m_incSubDir;
    QLineEdit* m_outputDirText;
    QComboBox* m_outputDir;
    QLineEdit* m_filterCount;
    QPushButton* m_filterButton;
    QPushButton* m_prev;
    QPushButton* m_next;
};

} // namespace quillane
