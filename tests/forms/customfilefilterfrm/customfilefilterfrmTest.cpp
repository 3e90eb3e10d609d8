#include "forms/customfilefilterfrm/customfilefilterfrm.h"

#include "tests/QtPrinters.h"
#include "tests/settings/IniStore.h"
#include "tests/settings/MemoryStore.h"
#include "tests/support/ScriptedDialogs.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gmock/gmock.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

const QString DefaultFilters =
    u"Filter/1=*.*; Filter/2=*.jpg,*.jpeg,*.jpe; Filter/3=*.mpg,*.mpeg,*.mpe; "
    "FilterInfo/1=All Files; FilterInfo/2=Jpeg; FilterInfo/3=Mpeg; NoOfFilter=3"_s;

class FilterDialogTest : public testing::Test {
protected:
    void open(const QByteArray& stored) {
        store = std::make_unique<IniStore>(stored);
        filters = std::make_unique<FileFilterStore>(store->registry(), dialogs);
        dialog = std::make_unique<customfilefilterfrm>(*filters, dialogs, nullptr, nullptr);
        dialog->show();
    }
    template <typename Widget = QWidget> Widget* child(const QString& name) const {
        auto* found = dialog->findChild<Widget*>(name);
        EXPECT_NE(found, nullptr) << qPrintable(name);
        return found;
    }
    QStringList labels() const {
        QStringList shown;
        auto* list = child<QListWidget>(u"filtertype_lst"_s);
        for (int row = 0; row < list->count(); ++row)
            shown << list->item(row)->text() + (list->item(row)->isSelected() ? u"*"_s : QString());
        return shown;
    }
    void click(const QString& button) { child<QPushButton>(button)->click(); }
    QString lastMessage() const { return dialogs.messages().last().text; }

    ScriptedDialogs dialogs;
    std::unique_ptr<IniStore> store;
    std::unique_ptr<FileFilterStore> filters;
    std::unique_ptr<customfilefilterfrm> dialog;
};

TEST_F(FilterDialogTest, LoadingLeavesOutAnEmptyEntryAndStoresTheCountFoundAtOnce) {
    open("[General]\nNoOfFilter=5\n[Filter]\n1=*.a\n2=*.b\n4=*.d\n5=*.e\n"
         "[FilterInfo]\n1=A\n2=B\n4=D\n5=E\n");
    EXPECT_EQ(labels(), (QStringList{u"A (*.a)*"_s, u"B (*.b)"_s, u"D (*.d)"_s, u"E (*.e)"_s}));
    EXPECT_THAT(store->dump().toStdString(), testing::HasSubstr("NoOfFilter=4"));
    EXPECT_TRUE(dialogs.messages().isEmpty());

    dialog->close();
    EXPECT_THAT(store->dump().toStdString(),
                testing::HasSubstr("Filter/3=*.d; Filter/4=*.e; FilterInfo/1=A"));
}

TEST_F(FilterDialogTest, AMissingCountIsToldAndTheDefaultsLoad) {
    dialogs.answerMessage(MessageAnswer::Ok);
    open({});
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages()[0].owner, DialogOwner::FilterDialog);
    EXPECT_EQ(labels().size(), 3);
    EXPECT_EQ(store->dump(), DefaultFilters);
}

TEST_F(FilterDialogTest, AddTellsWhatIsMissingAndOtherwiseAppendsAsTyped) {
    open("[General]\nNoOfFilter=1\n[Filter]\n1=*.a\n[FilterInfo]\n1=A\n");
    const auto add = [&](const QString& description, const QString& patterns) {
        child<QLineEdit>(u"descr_txt"_s)->setText(description);
        child<QLineEdit>(u"Filetype_txt"_s)->setText(patterns);
        click(u"add_cmd"_s);
    };
    EXPECT_EQ(child<QLineEdit>(u"Filetype_txt"_s)->text(), u"*.FileType1,*.FileType2"_s);
    for (int i = 0; i < 3; ++i)
        dialogs.answerMessage(MessageAnswer::Ok);
    add({}, u"*.FileType1,*.FileType2"_s);
    EXPECT_EQ(lastMessage(), u"Nothing to add."_s);
    add(u"Raw"_s, u"*.FileType1,*.FileType2"_s);
    EXPECT_EQ(lastMessage(), u"Please key in an appropriate FileType."_s);
    add({}, u"*.cr2"_s);
    EXPECT_EQ(lastMessage(), u"Please key in a Description."_s);
    EXPECT_TRUE(dialogs.messages().last().keptOnTop);

    add(u"Raw "_s, u"*.cr2,*.nef"_s);
    EXPECT_EQ(labels(), (QStringList{u"A (*.a)*"_s, u"Raw  (*.cr2,*.nef)"_s}));
    EXPECT_EQ(child<QLineEdit>(u"descr_txt"_s)->text(), u"Raw "_s);
}

TEST_F(FilterDialogTest, MovesKeepTheBlockAndAnEmptySelectionHasNothingToSwap) {
    open("[General]\nNoOfFilter=4\n[Filter]\n1=*.0\n2=*.1\n3=*.2\n4=*.3\n"
         "[FilterInfo]\n1=f0\n2=f1\n3=f2\n4=f3\n");
    auto* list = child<QListWidget>(u"filtertype_lst"_s);
    list->clearSelection();
    list->item(1)->setSelected(true);
    list->item(2)->setSelected(true);
    click(u"selposup_cmd"_s);
    EXPECT_EQ(labels(),
              (QStringList{u"f1 (*.1)*"_s, u"f2 (*.2)*"_s, u"f0 (*.0)"_s, u"f3 (*.3)"_s}));
    // The keypad's plus moves down, as the down button does.
    QTest::keyClick(list, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(labels(),
              (QStringList{u"f0 (*.0)"_s, u"f1 (*.1)*"_s, u"f2 (*.2)*"_s, u"f3 (*.3)"_s}));

    dialogs.answerMessage(MessageAnswer::Ok);
    list->clearSelection();
    click(u"selposdown_cmd"_s);
    EXPECT_EQ(lastMessage(), u"Nothing to swap."_s);
    EXPECT_FALSE(dialogs.messages().last().keptOnTop);
}

TEST_F(FilterDialogTest, ClosingIsRefusedWhileEmptyAndAcceptedAfterReset) {
    open("[General]\nNoOfFilter=1\n[Filter]\n1=*.a\n[FilterInfo]\n1=A\n");
    QTest::keyClick(child(u"filtertype_lst"_s), Qt::Key_Delete);
    EXPECT_TRUE(labels().isEmpty());

    dialogs.answerMessage(MessageAnswer::Ok);
    dialog->close();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(lastMessage(), u"At least 1 FileType must exist!"_s);

    dialogs.answerMessage(MessageAnswer::No);
    click(u"Reset_Cmd"_s);
    EXPECT_TRUE(labels().isEmpty());
    dialogs.answerMessage(MessageAnswer::Yes);
    click(u"Reset_Cmd"_s);
    EXPECT_EQ(dialogs.messages().last().defaultButton, MessageAnswer::No);
    EXPECT_EQ(labels().front(), u"All Files (*.*)*"_s);
    // The store hears of the reset only when the dialog closes.
    EXPECT_THAT(store->dump().toStdString(), testing::HasSubstr("NoOfFilter=1"));

    dialog->close();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(store->dump(), DefaultFilters);
    EXPECT_TRUE(dialogs.allAnswered());
}

TEST(FilterDialogStoreTest, AStoreThatRefusesTheSetIsReportedAndTheWindowStillCloses) {
    MemoryStore memory;
    Registry registry(memory);
    ScriptedDialogs dialogs;
    FileFilterStore filters(registry, dialogs);
    ASSERT_TRUE(filters.ResetFileFilter());
    customfilefilterfrm dialog(filters, dialogs, nullptr, nullptr);
    dialog.show();
    memory.refuseWrites = true;
    dialogs.answerMessage(MessageAnswer::Ok);

    dialog.close();

    EXPECT_FALSE(dialog.isVisible());
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages()[0].text,
              u"Your FileTypes could not be saved; the ones saved before stay in use."_s);
}

} // namespace
} // namespace quillane
