#include "forms/customfilefilterfrm/customfilefilterfrm.h"

#include "forms/widgets/DialogOwners.h"
#include "forms/widgets/FormPictures.h"
#include "gathering/GatheringTexts.h"

#include <QContextMenuEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

namespace quillane {

using namespace Qt::StringLiterals;

customfilefilterfrm::customfilefilterfrm(FileFilterStore& filters, Dialogs& dialogs,
                                         DialogOwners* owners, QWidget* parent)
    : QDialog(parent), m_filters(filters), m_dialogs(dialogs), m_owners(owners) {
    loadFormPictures();
    setObjectName(u"customfilefilterfrm"_s);
    setWindowTitle(u"Custom FileType"_s);
    setModal(true);
    if (m_owners != nullptr)
        m_owners->setOwnerWindow(DialogOwner::FilterDialog, this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(u"Description:"_s, this), 0, 0);
    m_description = new QLineEdit(this);
    m_description->setObjectName(u"descr_txt"_s);
    layout->addWidget(m_description, 0, 1, 1, 2);
    layout->addWidget(new QLabel(u"FileType:"_s, this), 1, 0);
    m_patterns = new QLineEdit(GatheringText::PatternsHint, this);
    m_patterns->setObjectName(u"Filetype_txt"_s);
    layout->addWidget(m_patterns, 1, 1, 1, 2);
    auto* note = new QLabel(
        u"Note: You can filter more than one filetype by using a comma \",\" as a separator."_s,
        this);
    note->setWordWrap(true);
    layout->addWidget(note, 2, 0, 1, 3);
    layout->addWidget(new QLabel(u"Current FileType:"_s, this), 3, 0, 1, 2);

    m_list = new QListWidget(this);
    m_list->setObjectName(u"filtertype_lst"_s);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->installEventFilter(this);
    m_list->viewport()->installEventFilter(this);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &customfilefilterfrm::remove_cmd_Click);
    layout->addWidget(m_list, 4, 0, 5, 2);

    const auto button = [&](const QString& name, const QString& caption, const QString& picture,
                            int row, void (customfilefilterfrm::*handler)()) {
        auto* created = new QPushButton(caption, this);
        created->setObjectName(name);
        created->setAutoDefault(false);
        if (!picture.isEmpty())
            created->setIcon(QIcon(picture));
        connect(created, &QPushButton::clicked, this, handler);
        layout->addWidget(created, row, 2);
    };
    button(u"add_cmd"_s, u"add"_s, u":/list/add.png"_s, 4, &customfilefilterfrm::add_cmd_Click);
    button(u"remove_cmd"_s, u"remove"_s, u":/list/remove.png"_s, 5,
           &customfilefilterfrm::remove_cmd_Click);
    button(u"selposup_cmd"_s, u"up"_s, u":/list/up.png"_s, 6,
           &customfilefilterfrm::selposup_cmd_Click);
    button(u"selposdown_cmd"_s, u"down"_s, u":/list/down.png"_s, 7,
           &customfilefilterfrm::selposdown_cmd_Click);
    button(u"Reset_Cmd"_s, u"Reset"_s, {}, 8, &customfilefilterfrm::Reset_Cmd_Click);

    m_popup = new QMenu(this);
    m_popup->setObjectName(u"FileTypeSelPopupMnu"_s);
    const auto item = [this](const QString& name, const QString& caption,
                             void (customfilefilterfrm::*handler)()) {
        QAction* action = m_popup->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
    };
    item(u"RemoveMnu"_s, u"R&emove"_s, &customfilefilterfrm::remove_cmd_Click);
    m_popup->addSeparator();
    item(u"MoveUpMnu"_s, u"Move &Up"_s, &customfilefilterfrm::selposup_cmd_Click);
    item(u"MoveDownMnu"_s, u"Move &Down"_s, &customfilefilterfrm::selposdown_cmd_Click);
    m_popup->addSeparator();
    item(u"SelAllMnu"_s, u"Select &All"_s, &customfilefilterfrm::SelAllMnu_Click);
    item(u"DelselAll"_s, u"De&select All"_s, &customfilefilterfrm::DelselAll_Click);

    Form_Load();
}

customfilefilterfrm::~customfilefilterfrm() {
    if (m_owners != nullptr)
        m_owners->setOwnerWindow(DialogOwner::FilterDialog, nullptr);
}

void customfilefilterfrm::Form_Load() {
    m_editor = FilterListEditor(m_filters.loadForEditing(DialogOwner::FilterDialog));
    m_editor.setSelected(0, true);
    showEntries();
}

void customfilefilterfrm::tell(QLatin1StringView text, bool keptOnTop) {
    m_dialogs.showMessage({ApplicationTitle, text, MessageIcon::Exclamation, MessageButtons::Ok,
                           MessageAnswer::Ok, keptOnTop, DialogOwner::FilterDialog});
}

void customfilefilterfrm::takeSelection() {
    for (int row = 0; row < m_list->count(); ++row)
        m_editor.setSelected(row, m_list->item(row)->isSelected());
}

void customfilefilterfrm::showEntries() {
    m_list->clear();
    QListWidgetItem* firstSelected = nullptr;
    for (const FilterListEditor::Entry& entry : m_editor.entries()) {
        auto* item = new QListWidgetItem(entry.filter.label(), m_list);
        item->setSelected(entry.selected);
        if (entry.selected && firstSelected == nullptr)
            firstSelected = item;
    }
    // The entries just moved stay in sight, the keyboard's place with them.
    if (firstSelected != nullptr) {
        m_list->setCurrentItem(firstSelected, QItemSelectionModel::NoUpdate);
        m_list->scrollToItem(firstSelected);
    }
}

void customfilefilterfrm::add_cmd_Click() {
    takeSelection();
    switch (m_editor.add(m_description->text(), m_patterns->text())) {
    case FilterAddOutcome::Added:
        showEntries();
        break;
    case FilterAddOutcome::NeedFileType:
        tell(GatheringText::NeedFileType);
        break;
    case FilterAddOutcome::NeedDescription:
        tell(GatheringText::NeedDescription);
        break;
    case FilterAddOutcome::NothingToAdd:
        tell(GatheringText::NothingToAdd);
        break;
    }
}

void customfilefilterfrm::remove_cmd_Click() {
    takeSelection();
    if (!m_editor.removeSelected()) {
        tell(GatheringText::NothingToRemove);
        return;
    }
    showEntries();
}

void customfilefilterfrm::selposup_cmd_Click() {
    takeSelection();
    if (!m_editor.moveUp()) {
        tell(GatheringText::NothingToSwap, false);
        return;
    }
    showEntries();
}

void customfilefilterfrm::selposdown_cmd_Click() {
    takeSelection();
    if (!m_editor.moveDown()) {
        tell(GatheringText::NothingToSwap, false);
        return;
    }
    showEntries();
}

void customfilefilterfrm::Reset_Cmd_Click() {
    const MessageAnswer answer = m_dialogs.showMessage(
        {ApplicationTitle, GatheringText::ConfirmFilterReset, MessageIcon::Information,
         MessageButtons::YesNo, MessageAnswer::No, true, DialogOwner::FilterDialog});
    if (answer != MessageAnswer::Yes)
        return;
    m_editor.reset();
    showEntries();
}

void customfilefilterfrm::SelAllMnu_Click() {
    m_editor.selectAll(true);
    showEntries();
}

void customfilefilterfrm::DelselAll_Click() {
    m_editor.selectAll(false);
    showEntries();
}

void customfilefilterfrm::done(int result) {
    takeSelection();
    if (m_editor.isEmpty()) {
        tell(GatheringText::OneFilterNeeded);
        return;
    }
    // The user is told, not held: a store that refuses now may refuse every time.
    if (!m_filters.WriteFileFilterSet(m_editor.filterSet()))
        m_dialogs.showMessage(FileFilterStore::notSavedMessage(DialogOwner::FilterDialog));
    QDialog::done(result);
}

bool customfilefilterfrm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool keypad = key->modifiers().testFlag(Qt::KeypadModifier);
        if (key->key() == Qt::Key_Delete) {
            remove_cmd_Click();
            return true;
        }
        if (keypad && key->key() == Qt::Key_Minus) {
            selposup_cmd_Click();
            return true;
        }
        if (keypad && key->key() == Qt::Key_Plus) {
            selposdown_cmd_Click();
            return true;
        }
    } else if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonPress &&
               static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        m_popup->popup(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    } else if ((watched == m_list || watched == m_list->viewport()) &&
               event->type() == QEvent::ContextMenu) {
        // The mouse opens the menu on the press, above; the keyboard's menu key opens it here.
        if (static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard)
            m_popup->popup(m_list->viewport()->mapToGlobal(QPoint(0, 0)));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace quillane
