#pragma once

#include "forms/quillanemainfrm/AffixControls.h"
#include "rules/RenameRuleSet.h"

#include <QObject>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace quillane {

// Every rule control of the main window, created on the form under its name in its start-up
// state. The controls are the rule set: ruleSet() reads them as they stand.
class RuleControls : public QObject {
    Q_OBJECT

public:
    RuleControls(QWidget* form, DesignedControls& controls);

    RenameRuleSet ruleSet() const;
    // Sets every control to a saved rule set at once, with one refresh.
    void setRuleSet(const RenameRuleSet& rules);

Q_SIGNALS:
    // A control whose value decides new names changed.
    void namesAffected();
    // The search pattern began or ceased to compile; `problem` says why it does not, or is empty.
    void patternProblemChanged(const QString& problem);

private:
    void createFilenameFrames(DesignedControls& controls, QWidget* form);
    void createReplaceFrame(DesignedControls& controls, QWidget* form);
    void createDateTimeFrame(DesignedControls& controls, QWidget* form);
    void createAttributesFrame(DesignedControls& controls, QWidget* form);
    void showSwitches();
    void compilePattern();

    AffixControls* m_prefix;
    AffixControls* m_suffix;

    QCheckBox* m_newFilename;
    QLineEdit* m_newFilenameText;
    QComboBox* m_caseMode;
    QCheckBox* m_newExtension;
    QLineEdit* m_newExtensionText;

    QCheckBox* m_replace;
    QLineEdit* m_replaceWhat;
    QLabel* m_withLabel;
    QLineEdit* m_replaceWith;
    QCheckBox* m_spaceToUnderscore;
    QCheckBox* m_underscoreToSpace;
    QCheckBox* m_underscoreToHyphen;
    QCheckBox* m_removeSpaces;
    QCheckBox* m_removeUnderscores;
    QCheckBox* m_removeHyphens;
    QCheckBox* m_removeSquareNumbers;
    QCheckBox* m_removeRoundNumbers;
    QCheckBox* m_decodeUrlEscapes;
    QCheckBox* m_replaceRegex;
    QCheckBox* m_replaceIgnoreCase;
    QCheckBox* m_trimSpaces;
    // The search text as it stands, compiled when it is a pattern in use.
    SearchPattern m_pattern;
    QString m_patternProblem;

    QCheckBox* m_stamp;
    QComboBox* m_stampFormat;
    QComboBox* m_stampSource;
    QRadioButton* m_stampAsPrefix;
    QRadioButton* m_stampAsSuffix;

    QCheckBox* m_newAttributes;
    QCheckBox* m_readOnly;
    QCheckBox* m_hidden;
    QCheckBox* m_system;
    QCheckBox* m_archive;
};

} // namespace quillane
