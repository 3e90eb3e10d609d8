#pragma once

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "settings/Registry.h"
#include "startup/StartupChecks.h"

#include <QDialog>

class QLabel;
class QTimer;

namespace quillane {

// The about box: title, version, the maker's page, the credits in two pages that take turns,
// the legal notice and the system-information tool.
class abtfrm : public QDialog {
    Q_OBJECT

public:
    // The pictures were prepared at start-up; a missing one leaves its place empty.
    abtfrm(const AboutIcons& icons, Shell& shell, const Registry& registry, FileSystem& files,
           Dialogs& dialogs, QWidget* owner);

    int creditsPage() const { return m_page; }
    void ChangeSplash_Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int m_page = 1;
    QList<QWidget*> m_credits; // label and mail picture of each credit, in order
    QLabel* m_productIcon;
    QTimer* m_changeSplash;
};

} // namespace quillane
