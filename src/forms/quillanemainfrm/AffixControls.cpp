#include "forms/quillanemainfrm/AffixControls.h"

#include "forms/quillanemainfrm/DesignedControls.h"
#include "forms/quillanemainfrm/RuleWidgets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabBar>

namespace quillane {

using namespace Qt::StringLiterals;

namespace {

QScrollBar* scrollBar(DesignedControls& controls, QWidget* form, const QString& name,
                      const ScrollRange& range) {
    auto* bar = controls.add(form, name, new QScrollBar(Qt::Vertical));
    bar->setRange(range.minimum, range.maximum);
    bar->setPageStep(range.largeStep);
    bar->setSingleStep(range.smallStep);
    bar->setValue(range.startValue);
    return bar;
}

void setTextKeepingCursor(QLineEdit* box, const QString& text) {
    if (box->text() == text)
        return;
    const int cursor = box->cursorPosition();
    box->setText(text);
    box->setCursorPosition(std::min<int>(cursor, static_cast<int>(text.size())));
}

} // namespace

AffixControls::AffixControls(AffixEditor::Kind kind, QWidget* form, DesignedControls& controls)
    : QObject(form), m_editor(kind) {
    const bool isPrefix = kind == AffixEditor::Kind::Prefix;
    const QString base = isPrefix ? QStringLiteral("prefix_") : QStringLiteral("suffix_");
    // The frame first, so that the controls drawn over it stay in front.
    m_frame =
        controls.add(form, base + u"fr"_s,
                     new QGroupBox(isPrefix ? QStringLiteral("Prefix") : QStringLiteral("Suffix")));
    m_tab = controls.add(form, base + u"tab"_s, new QTabBar);
    m_tab->addTab(QStringLiteral("Numeric"));
    m_tab->addTab(QStringLiteral("Alphabetic"));
    m_tab->setDrawBase(false);
    m_tab->setExpanding(false);
    m_label =
        controls.add(form, base + u"lbl"_s,
                     new QLabel(isPrefix ? QStringLiteral("Prefix:") : QStringLiteral("Suffix:")));
    m_text = controls.add(form, base + u"txt"_s, new QLineEdit);
    m_paddingLabel =
        controls.add(form, base + u"no_format_lbl"_s, new QLabel(QStringLiteral("Padding:")));
    m_padding = controls.add(form, base + u"no_format_txt"_s, new QLineEdit);
    m_paddingScroll =
        scrollBar(controls, form, base + u"no_format_vscr"_s, AffixEditor::PaddingScroll);
    m_ascending =
        controls.add(form, base + u"asc_chk"_s, new QCheckBox(QStringLiteral("Ascending")));
    m_incrementLabel =
        controls.add(form, base + u"no_incr_lbl"_s, new QLabel(QStringLiteral("Increase By:")));
    m_increment = controls.add(form, base + u"no_incr_txt"_s, new QLineEdit);
    m_incrementScroll =
        scrollBar(controls, form, base + u"no_incr_vscr"_s, AffixEditor::IncrementScroll);
    showEditor();

    connect(m_tab, &QTabBar::currentChanged, this,
            [this](int page) { handle([&] { return m_editor.selectPage(AffixPage(page)); }); });
    connect(m_text, &QLineEdit::textChanged, this,
            [this](const QString& text) { handle([&] { return m_editor.editText(text); }); });
    connect(m_ascending, &QCheckBox::clicked, this,
            [this](bool checked) { handle([&] { return m_editor.clickAscending(checked); }); });
    connect(m_padding, &QLineEdit::textChanged, this,
            [this](const QString& text) { handle([&] { return m_editor.editPadding(text); }); });
    connect(m_paddingScroll, &QScrollBar::valueChanged, this,
            [this](int value) { handle([&] { return m_editor.scrollPadding(value); }); });
    connect(m_increment, &QLineEdit::textChanged, this,
            [this](const QString& text) { handle([&] { return m_editor.editIncrement(text); }); });
    connect(m_incrementScroll, &QScrollBar::valueChanged, this,
            [this](int value) { handle([&] { return m_editor.scrollIncrement(value); }); });
}

template <typename Event> void AffixControls::handle(Event event) {
    // Showing the editor's state sets the widgets, which must not count as the user's events.
    if (m_showing)
        return;
    const bool affectsNames = event();
    showEditor();
    if (affectsNames)
        Q_EMIT namesAffected();
}

void AffixControls::restore(const AffixRule& saved) {
    m_editor.restore(saved);
    showEditor();
}

void AffixControls::showEditor() {
    m_showing = true;
    const AffixRule& rule = m_editor.rule();
    m_tab->setCurrentIndex(static_cast<int>(rule.Page));
    setEntryLimit(m_text, m_editor.textLimit());
    setTextKeepingCursor(m_text, rule.Text);
    m_ascending->setChecked(rule.Ascending);
    m_ascending->setEnabled(m_editor.ascendingEnabled());

    setEntryLimit(m_padding, m_editor.paddingLimit());
    setTextKeepingCursor(m_padding, rule.Padding);
    m_paddingScroll->setValue(m_editor.paddingScrollValue());
    const bool padding = m_editor.paddingEnabled();
    setInputEnabled(m_padding, padding);
    m_paddingLabel->setEnabled(padding);
    m_paddingScroll->setEnabled(padding);

    setEntryLimit(m_increment, m_editor.incrementLimit());
    setTextKeepingCursor(m_increment, rule.Increment);
    m_incrementScroll->setValue(m_editor.incrementScrollValue());
    const bool increment = m_editor.incrementEnabled();
    setInputEnabled(m_increment, increment);
    m_incrementLabel->setEnabled(increment);
    m_incrementScroll->setEnabled(increment);
    m_showing = false;
}

} // namespace quillane
