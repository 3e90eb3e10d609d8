#pragma once

#include <QItemSelection>
#include <QObject>

class QItemSelectionModel;

namespace quillane {

class RenameListModel;

// Keeps a view's selection and the list's selected flags equal: what the user selects in the view
// is written into the flags, and flags a command changed are shown in the view.
class ListSelectionSync : public QObject {
    Q_OBJECT

public:
    ListSelectionSync(RenameListModel& model, QItemSelectionModel& selection,
                      QObject* parent = nullptr);

Q_SIGNALS:
    // The user changed the selection in the view; the flags already follow it.
    void userChangedSelection();

private:
    void showFlags();
    void takeSelection(const QItemSelection& selected, const QItemSelection& deselected);

    RenameListModel& m_model;
    QItemSelectionModel& m_selection;
    bool m_showingFlags = false;
};

} // namespace quillane
