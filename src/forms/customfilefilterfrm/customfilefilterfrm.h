#pragma once

#include "gathering/FileFilterStore.h"
#include "gathering/FilterListEditor.h"
#include "platform/Dialogs.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QMenu;

namespace quillane {

class DialogOwners;

// The custom file filter dialog: edits the user's file types and writes them when it closes,
// which it refuses while no file type is left.
class customfilefilterfrm : public QDialog {
    Q_OBJECT

public:
    // `owners` may be null when no real boxes are shown.
    customfilefilterfrm(FileFilterStore& filters, Dialogs& dialogs, DialogOwners* owners,
                        QWidget* parent);
    ~customfilefilterfrm() override;

    void add_cmd_Click();
    void remove_cmd_Click();
    void selposup_cmd_Click();
    void selposdown_cmd_Click();
    void Reset_Cmd_Click();
    void SelAllMnu_Click();
    void DelselAll_Click();

    // Closing by any way runs through here: refused while the list is empty.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void tell(QLatin1StringView text, bool keptOnTop = true);
    // The list widget's selection into the editor, and the editor back into the widget.
    void takeSelection();
    void showEntries();

    FileFilterStore& m_filters;
    Dialogs& m_dialogs;
    DialogOwners* m_owners;
    FilterListEditor m_editor;
    QLineEdit* m_description;
    QLineEdit* m_patterns;
    QListWidget* m_list;
    QMenu* m_popup;
};

} // namespace quillane
