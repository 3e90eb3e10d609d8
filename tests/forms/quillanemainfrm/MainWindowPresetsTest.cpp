#include "tests/forms/quillanemainfrm/MainWindowFixture.h"

#include <QCheckBox>
#include <QSignalSpy>
#include <QTabBar>

#include <gmock/gmock.h>

using namespace Qt::StringLiterals;
using testing::ElementsAre;

namespace quillane {
namespace {

class MainWindowPresetsTest : public MainWindowFixture {
protected:
    void saveAs(const QString& name) {
        dialogs.answerText(name);
        action(u"SavePresetMnu"_s)->trigger();
    }
    QStringList presetItems() const {
        QStringList captions;
        for (int i = 0; auto* item = window->findChild<QAction*>(u"PresetMnu(%1)"_s.arg(i)); ++i)
            captions.append(item->text());
        return captions;
    }
    bool checked(const QString& box) const { return child<QCheckBox>(box)->isChecked(); }
    QString text(const QString& box) const { return child<QLineEdit>(box)->text(); }
};

TEST_F(MainWindowPresetsTest, APresetRestoresEveryRuleControlAtOnceWithOneRefresh) {
    addFiles({u"IMG_0042 final.jpg"_s});
    child<QTabBar>(u"prefix_tab"_s)->setCurrentIndex(0);
    type(u"prefix_txt"_s, u"7"_s);
    click(u"new_filename_chk"_s);
    click(u"Replace_chk"_s);
    click(u"ReplaceRegex_chk"_s);
    type(u"ReplaceWhat_txt"_s, u"^IMG_(\\d+) "_s);
    type(u"ReplaceWith_txt"_s, u"$1-"_s);
    click(u"Trim_Spaces_chk"_s);
    const QStringList saved = newNames();
    EXPECT_THAT(saved, ElementsAre(u"70042-final1.jpg"_s));
    saveAs(u"Camera & phone"_s);
    EXPECT_EQ(dialogs.textRequests().back().title, u"Save Rules As"_s);
    EXPECT_THAT(presetItems(), ElementsAre(u"Camera && phone"_s));
    EXPECT_TRUE(action(u"DeletePresetMnu"_s)->isEnabled());

    // Everything changed again, the prefix's page too.
    child<QTabBar>(u"prefix_tab"_s)->setCurrentIndex(1);
    type(u"prefix_txt"_s, u"x"_s);
    click(u"Replace_chk"_s);
    click(u"new_filename_chk"_s);
    click(u"DateTime_chk"_s);
    ASSERT_NE(newNames(), saved);

    QSignalSpy refreshes(&window->renameList(), &QAbstractItemModel::dataChanged);
    action(u"PresetMnu(0)"_s)->trigger();
    EXPECT_EQ(refreshes.size(), 1);
    EXPECT_EQ(newNames(), saved);
    EXPECT_TRUE(checked(u"Replace_chk"_s) && checked(u"ReplaceRegex_chk"_s) &&
                checked(u"Trim_Spaces_chk"_s));
    EXPECT_FALSE(checked(u"new_filename_chk"_s) || checked(u"DateTime_chk"_s));
    EXPECT_EQ(text(u"ReplaceWhat_txt"_s), u"^IMG_(\\d+) "_s);
    EXPECT_TRUE(child(u"ReplaceWith_txt"_s)->isEnabled());
    EXPECT_FALSE(child(u"new_filename_txt"_s)->isEnabled());
    EXPECT_EQ(child<QTabBar>(u"prefix_tab"_s)->currentIndex(), 0);
    EXPECT_EQ(text(u"prefix_txt"_s), u"7"_s);
    // The page the preset did not show comes back as it was then: empty.
    child<QTabBar>(u"prefix_tab"_s)->setCurrentIndex(1);
    EXPECT_EQ(text(u"prefix_txt"_s), QString());
}

TEST_F(MainWindowPresetsTest, ATakenNameIsReplacedOnlyWhenTheUserSaysSoAndPresetsCanBeDeleted) {
    EXPECT_FALSE(action(u"DeletePresetMnu"_s)->isEnabled());
    type(u"new_filename_txt"_s, u"A"_s);
    saveAs(u"Mine"_s);
    saveAs(u"Other"_s);
    type(u"new_filename_txt"_s, u"B"_s);
    dialogs.answerMessage(MessageAnswer::No);
    saveAs(u"  Mine "_s);
    EXPECT_EQ(dialogs.messages().back().text,
              u"A preset named \"Mine\" exists already. Replace it?"_s);
    EXPECT_EQ(dialogs.messages().back().defaultButton, MessageAnswer::No);
    action(u"PresetMnu(0)"_s)->trigger();
    EXPECT_EQ(text(u"new_filename_txt"_s), u"ImageA"_s);

    // An empty name or a cancel saves nothing.
    saveAs(u"  "_s);
    dialogs.answerText(std::nullopt);
    action(u"SavePresetMnu"_s)->trigger();
    EXPECT_THAT(presetItems(), ElementsAre(u"Mine"_s, u"Other"_s));

    // Nothing is restored unasked at the next start, and the presets are still there.
    open();
    EXPECT_EQ(text(u"new_filename_txt"_s), u"Image"_s);
    EXPECT_THAT(presetItems(), ElementsAre(u"Mine"_s, u"Other"_s));

    dialogs.answerText(u"Mine"_s);
    action(u"DeletePresetMnu"_s)->trigger();
    const TextRequest asked = dialogs.textRequests().back();
    EXPECT_THAT(asked.choices, ElementsAre(u"Mine"_s, u"Other"_s));
    EXPECT_FALSE(asked.anyText);
    EXPECT_THAT(presetItems(), ElementsAre(u"Other"_s));
    dialogs.answerText(u"Other"_s);
    action(u"DeletePresetMnu"_s)->trigger();
    EXPECT_TRUE(presetItems().isEmpty());
    EXPECT_FALSE(action(u"DeletePresetMnu"_s)->isEnabled());
    EXPECT_TRUE(dialogs.allAnswered());
}

} // namespace
} // namespace quillane
