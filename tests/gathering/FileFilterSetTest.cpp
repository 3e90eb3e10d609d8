#include "gathering/FileFilterSet.h"

#include "tests/CaseName.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

struct DialogCase {
    const char* name;
    QList<FileFilter> filters;
    QString dialogFilter;
    QStringList qtFilters;
};

class DialogFilterTest : public testing::TestWithParam<DialogCase> {};

TEST_P(DialogFilterTest, BuildsBothForms) {
    const FileFilterSet set(GetParam().filters);
    EXPECT_EQ(set.BuildDialogFilter(), GetParam().dialogFilter);
    EXPECT_EQ(set.dialogFilters(), GetParam().qtFilters);
}

INSTANTIATE_TEST_SUITE_P(
    Sets, DialogFilterTest,
    testing::Values(DialogCase{"Defaults", FileFilterSet::defaults().filters(),
                               u"All Files (*.*)|*.*|Jpeg (*.jpg,*.jpeg,*.jpe)|*.jpg;*.jpeg;*.jpe|"
                               "Mpeg (*.mpg,*.mpeg,*.mpe)|*.mpg;*.mpeg;*.mpe"_s,
                               QStringList{u"All Files (*)"_s, u"Jpeg (*.jpg *.jpeg *.jpe)"_s,
                                           u"Mpeg (*.mpg *.mpeg *.mpe)"_s}},
                    DialogCase{"EmptyEntrySkipped",
                               QList<FileFilter>{{u"A"_s, u"*.a"_s}, {}, {u""_s, u"*.b"_s}},
                               u"A (*.a)|*.a| (*.b)|*.b"_s, QStringList{u"A (*.a)"_s, u" (*.b)"_s}},
                    DialogCase{"LooseSeparators",
                               QList<FileFilter>{{u"Img"_s, u" *.png, *.gif ;*.bmp,"_s}},
                               u"Img ( *.png, *.gif ;*.bmp,)| *.png; *.gif ;*.bmp;"_s,
                               QStringList{u"Img (*.png *.gif *.bmp)"_s}},
                    DialogCase{"NoPatternsOffersEveryFile", QList<FileFilter>{{u"Notes"_s, u""_s}},
                               u"Notes ()|"_s, QStringList{u"Notes (*)"_s}},
                    DialogCase{"AnyExtensionTakesNoneToo",
                               QList<FileFilter>{{u"Readme"_s, u"readme.*;*.*,*.txt,*.*"_s}},
                               u"Readme (readme.*;*.*,*.txt,*.*)|readme.*;*.*;*.txt;*.*"_s,
                               QStringList{u"Readme (readme readme.* * *.txt)"_s}},
                    DialogCase{"BarInDescriptionKeepsTheQtPairs",
                               QList<FileFilter>{{u"A|B"_s, u"*.a"_s}, {u"C"_s, u"*.c"_s}},
                               u"A|B (*.a)|*.a|C (*.c)|*.c"_s,
                               QStringList{u"A|B (*.a)"_s, u"C (*.c)"_s}}),
    CaseName());

} // namespace
} // namespace quillane
