#pragma once

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "settings/SettingsStore.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLabel;

namespace quillane {

// The tip of the day: a random tip from the shipped tips file, modeless.
class Tipfrm : public QDialog {
    Q_OBJECT

public:
    Tipfrm(SettingsStore& settings, QString shippedDir, FileSystem& files, Dialogs& dialogs,
           QWidget* owner);

    void DoNextTip();

private:
    void Form_Load();
    void DisplayCurrentTip();

    SettingsStore& m_settings;
    QString m_shippedDir;
    FileSystem& m_files;
    Dialogs& m_dialogs;
    QStringList m_tips;
    qsizetype m_currentTip = 0;
    QWidget* m_panel;
    QLabel* m_icon;
    QLabel* m_tipText;
    QCheckBox* m_showAtStartup;
};

} // namespace quillane
