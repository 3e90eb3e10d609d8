#include "forms/quillanemainfrm/RuleControls.h"

#include "forms/quillanemainfrm/DesignedControls.h"
#include "forms/quillanemainfrm/NameKeyFilter.h"
#include "forms/quillanemainfrm/RuleWidgets.h"
#include "rules/RuleTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

namespace quillane {

using namespace Qt::StringLiterals;

namespace {

QGroupBox* frame(DesignedControls& controls, QWidget* form, const QString& name,
                 const QString& caption) {
    return controls.add(form, name, new QGroupBox(caption));
}

QCheckBox* checkBox(DesignedControls& controls, QWidget* parent, const QString& name,
                    const QString& caption, bool checked) {
    auto* box = controls.add(parent, name, new QCheckBox(caption));
    box->setChecked(checked);
    return box;
}

QComboBox* dropDown(DesignedControls& controls, QWidget* parent, const QString& name,
                    const QStringList& entries, int index) {
    auto* list = controls.add(parent, name, new QComboBox);
    list->addItems(entries);
    list->setCurrentIndex(index);
    return list;
}

} // namespace

RuleControls::RuleControls(QWidget* form, DesignedControls& controls) : QObject(form) {
    m_prefix = new AffixControls(AffixEditor::Kind::Prefix, form, controls);
    m_suffix = new AffixControls(AffixEditor::Kind::Suffix, form, controls);
    createReplaceFrame(controls, form);
    createFilenameFrames(controls, form);
    createDateTimeFrame(controls, form);
    createAttributesFrame(controls, form);
    showSwitches();

    // Before the connections that ask for a refresh, so that the refresh sees the new pattern.
    connect(m_replaceWhat, &QLineEdit::textChanged, this, &RuleControls::compilePattern);

    connect(m_prefix, &AffixControls::namesAffected, this, &RuleControls::namesAffected);
    connect(m_suffix, &AffixControls::namesAffected, this, &RuleControls::namesAffected);
    for (QCheckBox* box :
         {m_newFilename, m_newExtension, m_replace, m_stamp, m_spaceToUnderscore,
          m_underscoreToSpace, m_underscoreToHyphen, m_removeSpaces, m_removeUnderscores,
          m_removeHyphens, m_removeSquareNumbers, m_removeRoundNumbers, m_decodeUrlEscapes,
          m_replaceRegex, m_replaceIgnoreCase, m_trimSpaces})
        connect(box, &QCheckBox::clicked, this, [this] {
            showSwitches();
            Q_EMIT namesAffected();
        });
    for (QRadioButton* option : {m_stampAsPrefix, m_stampAsSuffix})
        connect(option, &QRadioButton::clicked, this, &RuleControls::namesAffected);
    for (QComboBox* list : {m_caseMode, m_stampFormat, m_stampSource})
        connect(list, &QComboBox::activated, this, &RuleControls::namesAffected);
    for (QLineEdit* box : {m_newFilenameText, m_newExtensionText, m_replaceWhat, m_replaceWith})
        connect(box, &QLineEdit::textChanged, this, &RuleControls::namesAffected);
    // Attributes change no names, so they ask for no refresh.
    connect(m_newAttributes, &QCheckBox::clicked, this, &RuleControls::showSwitches);
}

void RuleControls::createFilenameFrames(DesignedControls& controls, QWidget* form) {
    const RenameRuleSet startUp;
    QGroupBox* filename = frame(controls, form, u"FilenameFrm"_s, u"Filename"_s);
    m_newFilename = checkBox(controls, filename, u"new_filename_chk"_s, u"New Filename:"_s,
                             startUp.NewFilenameOn);
    m_newFilenameText =
        controls.add(filename, u"new_filename_txt"_s, new QLineEdit(startUp.NewFilename));
    controls.add(filename, u"ren_format_lbl"_s, new QLabel(u"Ren Format: "_s));
    m_caseMode =
        dropDown(controls, filename, u"filename_format_cmb"_s, caseModeEntries(), startUp.CaseMode);

    QGroupBox* filetype = frame(controls, form, u"FiletypeFrm"_s, u"Filetype"_s);
    m_newExtension =
        checkBox(controls, filetype, u"new_ext_chk"_s, u"New Extension:"_s, startUp.NewExtensionOn);
    m_newExtensionText =
        controls.add(filetype, u"new_ext_txt"_s, new QLineEdit(startUp.NewExtension));
}

void RuleControls::createReplaceFrame(DesignedControls& controls, QWidget* form) {
    // Doubled, the ampersand shows as itself.
    QGroupBox* replace = frame(controls, form, u"ReplaceFrm"_s, u"Search && Replace"_s);
    m_replace = checkBox(controls, replace, u"Replace_chk"_s, u"Replace:"_s, false);
    m_replaceWhat = controls.add(replace, u"ReplaceWhat_txt"_s, new QLineEdit);
    m_withLabel = controls.add(replace, u"with_lbl"_s, new QLabel(u"with"_s));
    m_replaceWith = controls.add(replace, u"ReplaceWith_txt"_s, new QLineEdit);
    m_spaceToUnderscore =
        checkBox(controls, replace, u"Replace_Space___chk"_s, u"Replace Space w/ _"_s, false);
    m_underscoreToSpace =
        checkBox(controls, replace, u"Replace___Space_chk"_s, u"Replace _ w/ Space"_s, false);
    m_underscoreToHyphen =
        checkBox(controls, replace, u"Replace___Hyphen_chk"_s, u"Replace _ w/ -"_s, false);
    m_removeSpaces = checkBox(controls, replace, u"Remove_Space_chk"_s, u"Remove Space"_s, false);
    m_removeUnderscores =
        checkBox(controls, replace, u"Remove_UnderScore_chk"_s, u"Remove _"_s, false);
    m_removeHyphens = checkBox(controls, replace, u"Remove_Hyphen_chk"_s, u"Remove -"_s, false);
    m_removeSquareNumbers =
        checkBox(controls, replace, u"Remove_Brackets_chk"_s, u"Remove [1], [2], [3]..."_s, false);
    m_removeRoundNumbers =
        checkBox(controls, replace, u"Remove_Brackets2_chk"_s, u"Remove (4), (5)..."_s, false);
    m_decodeUrlEscapes =
        checkBox(controls, replace, u"Remove_URL_Enc_chk"_s, u"Remove Url Encoding"_s, false);
    m_replaceRegex =
        checkBox(controls, replace, u"ReplaceRegex_chk"_s, u"Regular expression"_s, false);
    m_replaceIgnoreCase =
        checkBox(controls, replace, u"ReplaceIgnoreCase_chk"_s, u"Ignore case"_s, false);
    m_trimSpaces = checkBox(controls, replace, u"Trim_Spaces_chk"_s, u"Trim spaces"_s, false);
}

void RuleControls::createDateTimeFrame(DesignedControls& controls, QWidget* form) {
    const RenameRuleSet startUp;
    QGroupBox* dateTime = frame(controls, form, u"DateTimeFrm"_s, u"Date/Time"_s);
    m_stamp =
        checkBox(controls, dateTime, u"DateTime_chk"_s, u"Stamp Date/Time:"_s, startUp.StampOn);
    m_stampFormat =
        dropDown(controls, dateTime, u"datetime_cmb"_s, stampFormatEntries(), startUp.StampFormat);
    m_stampSource = dropDown(controls, dateTime, u"datetime_source_cmb"_s, stampSourceEntries(),
                             static_cast<int>(startUp.StampSource));
    // The pair sits on the frame's top edge, in front of it.
    m_stampAsPrefix =
        controls.add(form, u"DateAsSuPrefix_Opt(0)"_s, new QRadioButton(u"as prefix"_s));
    m_stampAsSuffix =
        controls.add(form, u"DateAsSuPrefix_Opt(1)"_s, new QRadioButton(u"as suffix"_s));
    m_stampAsPrefix->setChecked(startUp.StampAsPrefix);
    m_stampAsSuffix->setChecked(!startUp.StampAsPrefix);
}

void RuleControls::createAttributesFrame(DesignedControls& controls, QWidget* form) {
    QGroupBox* attributes = frame(controls, form, u"AttrbFrm"_s, u"Attributes"_s);
    m_newAttributes =
        checkBox(controls, attributes, u"new_attr_chk"_s, u"New Attributes:"_s, false);
    m_readOnly = checkBox(controls, attributes, u"ReadOnly_chk"_s, u"Read-Only"_s, false);
    m_hidden = checkBox(controls, attributes, u"Hidden_chk"_s, u"Hidden"_s, false);
    m_system = checkBox(controls, attributes, u"System_chk"_s, u"System"_s, false);
    m_archive = checkBox(controls, attributes, u"Archive_chk"_s, u"Archive"_s, false);
}

void RuleControls::showSwitches() {
    setInputEnabled(m_newFilenameText, m_newFilename->isChecked());
    setInputEnabled(m_newExtensionText, m_newExtension->isChecked());

    const bool replace = m_replace->isChecked();
    setInputEnabled(m_replaceWhat, replace);
    setInputEnabled(m_replaceWith, replace);
    m_withLabel->setEnabled(replace);
    for (QCheckBox* box :
         {m_spaceToUnderscore, m_underscoreToSpace, m_underscoreToHyphen, m_removeSpaces,
          m_removeUnderscores, m_removeHyphens, m_removeSquareNumbers, m_removeRoundNumbers,
          m_decodeUrlEscapes, m_replaceRegex, m_replaceIgnoreCase, m_trimSpaces})
        box->setEnabled(replace);
    compilePattern();

    const bool stamp = m_stamp->isChecked();
    setInputEnabled(m_stampFormat, stamp);
    setInputEnabled(m_stampSource, stamp);
    m_stampAsPrefix->setEnabled(stamp);
    m_stampAsSuffix->setEnabled(stamp);

    const bool attributes = m_newAttributes->isChecked();
    for (QCheckBox* box : {m_readOnly, m_hidden, m_system, m_archive})
        box->setEnabled(attributes);
}

void RuleControls::compilePattern() {
    const bool pattern = m_replaceRegex->isChecked();
    NameKeyFilter::setTakesAnyText(m_replaceWhat, pattern);
    m_pattern = pattern && m_replace->isChecked()
                    ? SearchPattern(m_replaceWhat->text(), m_replaceIgnoreCase->isChecked())
                    : SearchPattern();
    const QString problem =
        m_pattern.problem().isEmpty() ? QString() : u"Regular expression: "_s + m_pattern.problem();
    if (problem == m_patternProblem)
        return;
    m_patternProblem = problem;
    showInputProblem(m_replaceWhat, problem);
    Q_EMIT patternProblemChanged(problem);
}

void RuleControls::setRuleSet(const RenameRuleSet& rules) {
    const std::pair<QCheckBox*, bool> boxes[]{
        {m_newFilename, rules.NewFilenameOn},
        {m_newExtension, rules.NewExtensionOn},
        {m_replace, rules.ReplaceOn},
        {m_spaceToUnderscore, rules.SpaceToUnderscore},
        {m_underscoreToSpace, rules.UnderscoreToSpace},
        {m_underscoreToHyphen, rules.UnderscoreToHyphen},
        {m_removeSpaces, rules.RemoveSpaces},
        {m_removeUnderscores, rules.RemoveUnderscores},
        {m_removeHyphens, rules.RemoveHyphens},
        {m_removeSquareNumbers, rules.RemoveSquareNumbers},
        {m_removeRoundNumbers, rules.RemoveRoundNumbers},
        {m_decodeUrlEscapes, rules.DecodeUrlEscapes},
        {m_replaceRegex, rules.ReplaceRegex},
        {m_replaceIgnoreCase, rules.ReplaceIgnoreCase},
        {m_trimSpaces, rules.TrimSpaces},
        {m_stamp, rules.StampOn},
        {m_newAttributes, rules.NewAttributesOn},
        {m_readOnly, rules.AttrReadOnly},
        {m_hidden, rules.AttrHidden},
        {m_system, rules.AttrSystem},
        {m_archive, rules.AttrArchive},
    };
    // Clicks and choices ask for a refresh, and setting a value makes none of them.
    for (const auto& [box, checked] : boxes)
        box->setChecked(checked);
    const std::pair<QLineEdit*, const QString&> texts[]{
        {m_newFilenameText, rules.NewFilename},
        {m_newExtensionText, rules.NewExtension},
        {m_replaceWhat, rules.ReplaceWhat},
        {m_replaceWith, rules.ReplaceWith},
    };
    for (const auto& [box, text] : texts) {
        // A typed text asks for a refresh as it changes; these ask for one at the end.
        const QSignalBlocker quiet(box);
        box->setText(text);
    }
    m_caseMode->setCurrentIndex(rules.CaseMode);
    m_stampFormat->setCurrentIndex(rules.StampFormat);
    m_stampSource->setCurrentIndex(static_cast<int>(rules.StampSource));
    m_stampAsPrefix->setChecked(rules.StampAsPrefix);
    m_stampAsSuffix->setChecked(!rules.StampAsPrefix);
    m_prefix->restore(rules.Prefix);
    m_suffix->restore(rules.Suffix);
    showSwitches();
    Q_EMIT namesAffected();
}

RenameRuleSet RuleControls::ruleSet() const {
    RenameRuleSet rules;
    rules.NewFilenameOn = m_newFilename->isChecked();
    rules.NewFilename = m_newFilenameText->text();
    rules.NewExtensionOn = m_newExtension->isChecked();
    rules.NewExtension = m_newExtensionText->text();
    rules.CaseMode = m_caseMode->currentIndex();

    rules.ReplaceOn = m_replace->isChecked();
    rules.ReplaceWhat = m_replaceWhat->text();
    rules.ReplaceWith = m_replaceWith->text();
    rules.SpaceToUnderscore = m_spaceToUnderscore->isChecked();
    rules.UnderscoreToSpace = m_underscoreToSpace->isChecked();
    rules.UnderscoreToHyphen = m_underscoreToHyphen->isChecked();
    rules.RemoveSpaces = m_removeSpaces->isChecked();
    rules.RemoveUnderscores = m_removeUnderscores->isChecked();
    rules.RemoveHyphens = m_removeHyphens->isChecked();
    rules.RemoveSquareNumbers = m_removeSquareNumbers->isChecked();
    rules.RemoveRoundNumbers = m_removeRoundNumbers->isChecked();
    rules.DecodeUrlEscapes = m_decodeUrlEscapes->isChecked();
    rules.ReplaceRegex = m_replaceRegex->isChecked();
    rules.ReplaceIgnoreCase = m_replaceIgnoreCase->isChecked();
    rules.ReplacePattern = m_pattern;
    rules.TrimSpaces = m_trimSpaces->isChecked();

    rules.Prefix = m_prefix->rule();
    rules.Suffix = m_suffix->rule();

    rules.StampOn = m_stamp->isChecked();
    rules.StampFormat = m_stampFormat->currentIndex();
    rules.StampAsPrefix = m_stampAsPrefix->isChecked();
    rules.StampSource = static_cast<StampMoment>(std::max(m_stampSource->currentIndex(), 0));

    rules.NewAttributesOn = m_newAttributes->isChecked();
    rules.AttrReadOnly = m_readOnly->isChecked();
    rules.AttrHidden = m_hidden->isChecked();
    rules.AttrSystem = m_system->isChecked();
    rules.AttrArchive = m_archive->isChecked();
    return rules;
}

} // namespace quillane
