#include "forms/Preferencesfrm/Preferencesfrm.h"

#include "tests/QtPrinters.h"
#include "tests/settings/IniStore.h"
#include "tests/support/ScriptedDialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gmock/gmock.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

const QByteArray CustomOutput =
    "[General]\nRecurseDir=RecurseY\noutDir=custom\nOutputCustomDirPath=/photos/renamed\n"
    "NoOfFilter=1\n[Filter]\n1=*.a\n[FilterInfo]\n1=A\n";

class PreferencesTest : public testing::Test {
protected:
    void open(const QByteArray& stored) {
        store = std::make_unique<IniStore>(stored);
        settings = std::make_unique<SettingsStore>(store->registry(), dialogs, u"/opt/quillane"_s);
        settings->applyStartupSettings({});
        filters = std::make_unique<FileFilterStore>(store->registry(), dialogs);
        reopen();
    }
    void reopen() {
        dialog = std::make_unique<Preferencesfrm>(*settings, *filters, dialogs, nullptr, nullptr);
        dialog->show();
    }
    template <typename Widget = QWidget> Widget* child(const QString& name) const {
        auto* found = dialog->findChild<Widget*>(name);
        EXPECT_NE(found, nullptr) << qPrintable(name);
        return found;
    }
    QString text(const QString& name) const { return child<QLineEdit>(name)->text(); }
    QString topic() const { return child<QComboBox>(u"PrefCmb"_s)->currentText(); }
    void click(const QString& button) { child<QPushButton>(button)->click(); }
    void pick(const QString& combo, int index) {
        auto* list = child<QComboBox>(combo);
        list->setCurrentIndex(index);
        Q_EMIT list->activated(index);
    }

    ScriptedDialogs dialogs;
    std::unique_ptr<IniStore> store;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<FileFilterStore> filters;
    std::unique_ptr<Preferencesfrm> dialog;
};

TEST_F(PreferencesTest, LoadingShowsTheStoredChoicesWithoutBrowsing) {
    open(CustomOutput);
    EXPECT_EQ(text(u"IncSubDirTxt"_s), u"Yes"_s);
    EXPECT_EQ(text(u"OutputDirTxt"_s), u"Custom... (/photos/renamed)"_s);
    EXPECT_EQ(text(u"NoOfCustomFilterTxt"_s), u"1"_s);
    EXPECT_EQ(topic(), u"General"_s);
    EXPECT_FALSE(child(u"PrevCmd"_s)->isEnabled());
    EXPECT_FALSE(child(u"CustomFileFilterCmd"_s)->isEnabled());
    EXPECT_TRUE(dialogs.requests().isEmpty());
}

TEST_F(PreferencesTest, NextAndPrevStepOverTheSeparators) {
    open(CustomOutput);
    const auto shown = [&] {
        return QList<bool>{child(u"IncSubDirCmb"_s)->isVisible(),
                           child(u"OutputDirCmb"_s)->isVisible(),
                           child(u"CustomFileFilterCmd"_s)->isEnabled()};
    };
    click(u"NextCmd"_s);
    EXPECT_EQ(topic(), u"Include subdir when adding dir"_s);
    EXPECT_EQ(shown(), (QList<bool>{true, false, false}));
    click(u"NextCmd"_s);
    EXPECT_EQ(topic(), u"Save rename file(s) to"_s);
    EXPECT_EQ(shown(), (QList<bool>{false, true, false}));
    click(u"NextCmd"_s);
    EXPECT_EQ(topic(), u"Custom Filetype"_s);
    EXPECT_EQ(shown(), (QList<bool>{false, false, true}));
    EXPECT_FALSE(child(u"NextCmd"_s)->isEnabled());

    click(u"PrevCmd"_s);
    click(u"PrevCmd"_s);
    EXPECT_EQ(topic(), u"Include subdir when adding dir"_s);
    click(u"PrevCmd"_s);
    EXPECT_EQ(topic(), u"General"_s);

    // A separator is passed in the way the selection came, whatever moved it.
    auto* topics = child<QComboBox>(u"PrefCmb"_s);
    topics->setCurrentIndex(5);
    QTest::keyClick(topics, Qt::Key_Up);
    EXPECT_EQ(topic(), u"Save rename file(s) to"_s);
    topics->setCurrentIndex(2);
    topics->setCurrentIndex(1);
    EXPECT_EQ(topic(), u"General"_s);
    topics->setCurrentIndex(3);
    topics->setCurrentIndex(4);
    EXPECT_EQ(topic(), u"Custom Filetype"_s);
}

TEST_F(PreferencesTest, OkAppliesTheChoicesToTheMenuAndTheStore) {
    open(CustomOutput);
    pick(u"IncSubDirCmb"_s, 1);
    pick(u"OutputDirCmb"_s, 0);
    EXPECT_EQ(text(u"IncSubDirTxt"_s), u"No"_s);
    click(u"SavePref_cmd"_s);

    EXPECT_FALSE(settings->includeSubfolders());
    EXPECT_FALSE(settings->outputToCustomDir());
    EXPECT_THAT(store->dump().toStdString(), testing::HasSubstr("RecurseDir=RecurseN"));
    EXPECT_THAT(store->dump().toStdString(), testing::HasSubstr("outDir=wfile"));
}

TEST_F(PreferencesTest, CancelLeavesTheSettingsAndDropsABrowsedFolder) {
    open("[General]\nRecurseDir=RecurseY\noutDir=wfile\nNoOfFilter=1\n[Filter]\n1=*.a\n"
         "[FilterInfo]\n1=A\n");
    const QString before = store->dump();
    const bool subfoldersBefore = settings->includeSubfolders();
    const bool customBefore = settings->outputToCustomDir();
    pick(u"IncSubDirCmb"_s, 1);
    dialogs.answerFolder(u"/tmp/elsewhere"_s);
    pick(u"OutputDirCmb"_s, 1);
    EXPECT_EQ(dialogs.requests().size(), 1);
    EXPECT_EQ(std::get<FolderRequest>(dialogs.requests()[0]).owner, DialogOwner::Preferences);
    EXPECT_EQ(text(u"OutputDirTxt"_s), u"Custom... (/tmp/elsewhere)"_s);

    click(u"cancel_cmd"_s);
    EXPECT_EQ(store->dump(), before);
    EXPECT_EQ(settings->includeSubfolders(), subfoldersBefore);
    EXPECT_EQ(settings->outputToCustomDir(), customBefore);
    // The next run keeps the folder the menu and the store name.
    EXPECT_EQ(settings->customOutputDir(), u"/opt/quillane"_s);

    reopen();
    EXPECT_EQ(child<QComboBox>(u"OutputDirCmb"_s)->itemText(1), u"Custom... (/opt/quillane)"_s);
}

TEST_F(PreferencesTest, ResetWritesTheFiltersAtOnceButTheChoicesOnlyWithOk) {
    open(CustomOutput);
    dialogs.answerMessage(MessageAnswer::Yes);
    click(u"Reset_Cmd"_s);
    EXPECT_EQ(dialogs.messages().last().text,
              u"Are you sure you want to reset and restore all default settings?"_s);
    EXPECT_EQ(text(u"OutputDirTxt"_s), u"Where File Is"_s);
    EXPECT_EQ(text(u"NoOfCustomFilterTxt"_s), u"3"_s);

    click(u"cancel_cmd"_s);
    const std::string stored = store->dump().toStdString();
    EXPECT_THAT(stored, testing::HasSubstr("NoOfFilter=3"));
    EXPECT_THAT(stored, testing::HasSubstr("FilterInfo/3=Mpeg"));
    EXPECT_THAT(stored, testing::HasSubstr("outDir=custom"));
    EXPECT_TRUE(settings->outputToCustomDir());
}

} // namespace
} // namespace quillane
