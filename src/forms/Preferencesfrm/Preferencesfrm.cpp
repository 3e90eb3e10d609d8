#include "forms/Preferencesfrm/Preferencesfrm.h"

#include "forms/customfilefilterfrm/customfilefilterfrm.h"
#include "forms/widgets/DialogOwners.h"
#include "settings/SettingNames.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quillane {

using namespace Qt::StringLiterals;

namespace {

const QString Separator = u"____________________"_s;
const QString Yes = u"Yes"_s;
const QString No = u"No"_s;
const QString WhereFileIs = u"Where File Is"_s;
constexpr int CustomDirItem = 1;
const QString ConfirmReset = u"Are you sure you want to reset and restore all default settings?"_s;

QLineEdit* shownText(QWidget* parent, const QString& name) {
    auto* text = new QLineEdit(parent);
    text->setObjectName(name);
    text->setReadOnly(true);
    return text;
}

QComboBox* dropDown(QWidget* parent, const QString& name, const QStringList& items) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(items);
    return list;
}

} // namespace

Preferencesfrm::Preferencesfrm(SettingsStore& settings, FileFilterStore& filters, Dialogs& dialogs,
                               DialogOwners* owners, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_filters(filters), m_dialogs(dialogs),
      m_owners(owners) {
    setObjectName(u"Preferencesfrm"_s);
    setWindowTitle(u"Preferences"_s);
    setModal(true);
    if (m_owners != nullptr)
        m_owners->setOwnerWindow(DialogOwner::Preferences, this);

    auto* layout = new QGridLayout(this);
    m_topics = dropDown(this, u"PrefCmb"_s,
                        {u"General"_s, Separator, u"Include subdir when adding dir"_s,
                         u"Save rename file(s) to"_s, Separator, u"Custom Filetype"_s});
    layout->addWidget(m_topics, 0, 0, 1, 3);

    // Each editing combo lies over the text that shows its value and appears with its topic.
    const auto row = [&](int at, const QString& labelName, const QString& caption) {
        auto* label = new QLabel(caption, this);
        label->setObjectName(labelName);
        layout->addWidget(label, at, 0);
    };
    row(1, u"IncSubDirLbl"_s, u"Include subdir when adding directory:"_s);
    m_incSubDirText = shownText(this, u"IncSubDirTxt"_s);
    layout->addWidget(m_incSubDirText, 1, 1, 1, 2);
    m_incSubDir = dropDown(this, u"IncSubDirCmb"_s, {Yes, No});
    layout->addWidget(m_incSubDir, 1, 1, 1, 2);
    row(2, u"OutputDirLbl"_s, u"Save rename file(s) to:"_s);
    m_outputDirText = shownText(this, u"OutputDirTxt"_s);
    layout->addWidget(m_outputDirText, 2, 1, 1, 2);
    m_outputDir = dropDown(this, u"OutputDirCmb"_s, {WhereFileIs, u"Custom Dir..."_s});
    layout->addWidget(m_outputDir, 2, 1, 1, 2);
    row(3, u"NoOfCustomFilterLbl"_s, u"No of Custom Filetype:"_s);
    m_filterCount = shownText(this, u"NoOfCustomFilterTxt"_s);
    layout->addWidget(m_filterCount, 3, 1);
    m_filterButton = new QPushButton(u"Filetype..."_s, this);
    m_filterButton->setObjectName(u"CustomFileFilterCmd"_s);
    layout->addWidget(m_filterButton, 3, 2);
    layout->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const QString& name, const QString& caption,
                            void (Preferencesfrm::*handler)()) {
        auto* created = new QPushButton(caption, this);
        created->setObjectName(name);
        created->setAutoDefault(false);
        connect(created, &QPushButton::clicked, this, handler);
        buttons->addWidget(created);
        return created;
    };
    button(u"Reset_Cmd"_s, u"Reset"_s, &Preferencesfrm::Reset_Cmd_Click);
    buttons->addStretch();
    m_prev = button(u"PrevCmd"_s, u"&Prev"_s, &Preferencesfrm::PrevCmd_Click);
    m_next = button(u"NextCmd"_s, u"&Next"_s, &Preferencesfrm::NextCmd_Click);
    buttons->addSpacing(12);
    button(u"cancel_cmd"_s, u"Cancel"_s, &Preferencesfrm::cancel_cmd_Click);
    button(u"SavePref_cmd"_s, u"&OK"_s, &Preferencesfrm::SavePref_cmd_Click)->setDefault(true);
    layout->addLayout(buttons, 4, 0, 1, 3);

    connect(m_filterButton, &QPushButton::clicked, this,
            &Preferencesfrm::CustomFileFilterCmd_Click);
    connect(m_topics, &QComboBox::currentIndexChanged, this, &Preferencesfrm::PrefCmb_Click);
    connect(m_incSubDir, &QComboBox::currentIndexChanged, this,
            &Preferencesfrm::IncSubDirCmb_Click);
    // A pick of the custom item browses again even when it was already chosen.
    connect(m_outputDir, &QComboBox::activated, this, &Preferencesfrm::OutputDirCmb_Click);

    Form_Load();
}

Preferencesfrm::~Preferencesfrm() {
    if (m_owners != nullptr)
        m_owners->setOwnerWindow(DialogOwner::Preferences, nullptr);
}

void Preferencesfrm::Form_Load() {
    m_topics->setCurrentIndex(General);
    PrefCmb_Click();
    m_incSubDir->setCurrentIndex(m_settings.includeSubfolders() ? 0 : 1);
    IncSubDirCmb_Click();

    m_settings.setPendingCustomDir(m_settings.customOutputDir());
    m_outputDir->setItemText(CustomDirItem,
                             SettingsStore::customDirCaption(m_settings.PendingCustomDir()));
    m_outputDir->setCurrentIndex(m_settings.outputToCustomDir() ? CustomDirItem : 0);
    OutputDirCmb_Click();

    showFilterCount();
    m_loaded = true;
}

void Preferencesfrm::PrefCmb_Click() {
    const int topic = m_topics->currentIndex();
    if (topic == 1 || topic == 4) {
        // A separator is passed over in the direction the selection came from, by key, wheel,
        // pick or button alike; moving off it runs this handler again for the topic reached.
        m_topics->setCurrentIndex(topic < m_shownTopic ? topic - 1 : topic + 1);
        return;
    }
    m_shownTopic = topic;
    m_incSubDir->setVisible(topic == IncludeSubdirs);
    m_outputDir->setVisible(topic == SaveTo);
    m_filterButton->setEnabled(topic == CustomFiletype);
    m_prev->setEnabled(topic != General);
    m_next->setEnabled(topic != CustomFiletype);
}

void Preferencesfrm::NextCmd_Click() {
    if (m_topics->currentIndex() < CustomFiletype)
        m_topics->setCurrentIndex(m_topics->currentIndex() + 1);
}

void Preferencesfrm::PrevCmd_Click() {
    if (m_topics->currentIndex() >= 1)
        m_topics->setCurrentIndex(m_topics->currentIndex() - 1);
}

void Preferencesfrm::IncSubDirCmb_Click() {
    m_incSubDirText->setText(m_incSubDir->currentText());
}

void Preferencesfrm::OutputDirCmb_Click() {
    m_settings.setBrowseFromPreferences(true);
    if (m_outputDir->currentIndex() == CustomDirItem && m_loaded &&
        m_settings.OutputCustomDirMnu_Click() == CustomDirChoice::Pending)
        showCustomDir(m_settings.PendingCustomDir());
    m_outputDirText->setText(m_outputDir->currentText());
    m_settings.setBrowseFromPreferences(false);
}

void Preferencesfrm::showCustomDir(const QString& folder) {
    m_outputDir->setItemText(CustomDirItem, SettingsStore::customDirCaption(folder));
}

void Preferencesfrm::showFilterCount() {
    m_filterCount->setText(m_settings.read(SettingName::NoOfFilter));
}

void Preferencesfrm::CustomFileFilterCmd_Click() {
    customfilefilterfrm filterDialog(m_filters, m_dialogs, m_owners, this);
    filterDialog.exec();
    showFilterCount();
}

void Preferencesfrm::Reset_Cmd_Click() {
    const MessageAnswer answer = m_dialogs.showMessage(
        {ApplicationTitle, ConfirmReset, MessageIcon::Information, MessageButtons::YesNo,
         MessageAnswer::No, true, DialogOwner::Preferences});
    if (answer != MessageAnswer::Yes)
        return;
    m_incSubDir->setCurrentIndex(0);
    IncSubDirCmb_Click();
    m_outputDir->setCurrentIndex(0);
    OutputDirCmb_Click();
    if (!m_filters.ResetFileFilter())
        m_dialogs.showMessage(FileFilterStore::notSavedMessage(DialogOwner::Preferences));
    showFilterCount();
}

void Preferencesfrm::SavePref_cmd_Click() {
    if (m_incSubDir->currentText() == Yes)
        m_settings.IncSubdirMnu_Click();
    else
        m_settings.ExcSubdirMnu_Click();
    if (m_outputDir->currentIndex() == CustomDirItem)
        m_settings.useCustomOutputDir(m_settings.PendingCustomDir());
    else
        m_settings.OutputWhereFileIsMnu_Click();
    accept();
}

void Preferencesfrm::cancel_cmd_Click() {
    reject();
}

void Preferencesfrm::done(int result) {
    // Without OK, a folder browsed here is dropped: the run keeps the folder the menu names.
    m_settings.setPendingCustomDir(m_settings.customOutputDir());
    m_loaded = false;
    QDialog::done(result);
}

} // namespace quillane
