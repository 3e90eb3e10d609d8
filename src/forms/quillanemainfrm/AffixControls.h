#pragma once

#include "rules/AffixEditor.h"

#include <QObject>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QScrollBar;
class QTabBar;
class QWidget;

namespace quillane {

class DesignedControls;

// The widgets of one affix, created on the form under their names, mirroring the affix editor
// after every event.
class AffixControls : public QObject {
    Q_OBJECT

public:
    AffixControls(AffixEditor::Kind kind, QWidget* form, DesignedControls& controls);

    const AffixRule& rule() const { return m_editor.rule(); }
    // Shows a saved rule whole; asks for no refresh.
    void restore(const AffixRule& saved);

Q_SIGNALS:
    // An event changed what names the affix gives.
    void namesAffected();

private:
    template <typename Event> void handle(Event event);
    void showEditor();

    AffixEditor m_editor;
    bool m_showing = false;
    QTabBar* m_tab;
    QGroupBox* m_frame;
    QLabel* m_label;
    QLineEdit* m_text;
    QLabel* m_paddingLabel;
    QLineEdit* m_padding;
    QScrollBar* m_paddingScroll;
    QCheckBox* m_ascending;
    QLabel* m_incrementLabel;
    QLineEdit* m_increment;
    QScrollBar* m_incrementScroll;
};

} // namespace quillane
