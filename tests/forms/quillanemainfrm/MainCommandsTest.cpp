#include "forms/quillanemainfrm/DesignedControls.h"
#include "forms/quillanemainfrm/MainLayout.h"
#include "tests/CaseName.h"
#include "tests/forms/quillanemainfrm/MainWindowFixture.h"

#include <QApplication>
#include <QLabel>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace quillane {
namespace {

using namespace Qt::StringLiterals;

TEST(DesignedControlsTest, ANameTwiceAControlMissingOrOneOutsideTheLayoutStopsNamingIt) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const QList<DesignRect> design{{QLatin1StringView("grdThis"), {}, {}}};
    const auto twice = [] {
        QWidget form;
        DesignedControls controls;
        controls.add(&form, u"grdThis"_s, new QWidget);
        controls.add(&form, u"grdThis"_s, new QWidget);
    };
    EXPECT_DEATH(twice(), "two controls are named grdThis");
    const auto missing = [&] {
        const DesignedControls controls;
        controls.checkAgainst(design);
    };
    EXPECT_DEATH(missing(), "the layout names grdThis, which no control has");
    const auto outside = [&] {
        QWidget form;
        DesignedControls controls;
        controls.add(&form, u"grdThis"_s, new QWidget);
        controls.add(&form, u"ReplaceWith_txt"_s, new QWidget);
        controls.checkAgainst(design);
    };
    EXPECT_DEATH(outside(), "the control ReplaceWith_txt has no place in the layout");

    QWidget form;
    DesignedControls controls;
    QWidget* grid = controls.add(&form, u"grdThis"_s, new QWidget);
    controls.checkAgainst(design);
    EXPECT_EQ(controls.at(u"grdThis"_s), grid);
    EXPECT_EQ(grid->objectName(), u"grdThis"_s);
    EXPECT_EQ(grid->parentWidget(), &form);
}

class MainCommandsTest : public MainWindowFixture {
protected:
    // The rows as the list holds them, a selected one marked with "*", and what was last asked.
    QString shown() const {
        const RenameList& list = window->renameList().list();
        QStringList rows;
        for (qint32 row = 0; row < list.count(); ++row)
            rows << list.cell(row, ListColumn::Filename) + (list.at(row).selected ? u"*"_s : u""_s);
        QString asked = u"nothing"_s;
        if (!dialogs.requests().isEmpty()) {
            const ScriptedDialogs::Request& last = dialogs.requests().last();
            asked = std::holds_alternative<OpenFilesRequest>(last) ? u"files"_s
                    : std::holds_alternative<FolderRequest>(last)  ? u"folder"_s
                                                                   : u"message"_s;
        }
        return rows.join(u' ') + u" | "_s + asked;
    }
};

struct CommandCase {
    const char* name;
    QString control; // a tool-bar key, a list button or a pop-up item
    QString after;
};

class CommandClickTest : public MainCommandsTest,
                         public testing::WithParamInterface<CommandCase> {};

// Each key, button and item calls its own command: a key bound to the wrong command, or to none,
// shows here.
TEST_P(CommandClickTest, RunsItsOwnCommandOnTheSelectedMiddleRow) {
    addFiles({u"a"_s, u"b"_s, u"c"_s});
    action(u"DeselectAllMnu"_s)->trigger();
    child<QTableView>(u"grdThis"_s)->selectRow(1);
    QString opened;
    if (GetParam().control == u"Options"_s) {
        QTimer::singleShot(0, [&] {
            opened = QApplication::activeModalWidget()->objectName();
            QApplication::activeModalWidget()->close();
        });
    }
    if (GetParam().control == u"Help"_s)
        dialogs.answerMessage(MessageAnswer::Ok);
    if (GetParam().control == u"Add"_s)
        dialogs.answerOpenFiles(std::nullopt);
    if (GetParam().control == u"Add Dir"_s)
        dialogs.answerFolder(std::nullopt);

    if (auto* button =
            window->findChild<QToolButton*>(GetParam().control, Qt::FindChildrenRecursively);
        button != nullptr && button->parentWidget() == child(u"form"_s)) {
        button->click();
    } else {
        QToolBar* toolbar = child<QToolBar>(u"cToolbar1"_s);
        auto* item = toolbar->findChild<QAction*>(GetParam().control);
        if (item == nullptr)
            item = action(GetParam().control);
        ASSERT_NE(item, nullptr);
        item->trigger();
    }
    EXPECT_EQ(shown() + (opened.isEmpty() ? QString() : u" | "_s + opened), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CommandClickTest,
    testing::Values(
        CommandCase{"AddKey", u"Add"_s, u"a b* c | files"_s},
        CommandCase{"AddDirKey", u"Add Dir"_s, u"a b* c | folder"_s},
        CommandCase{"RemoveKey", u"Remove"_s, u"a c* | files"_s},
        CommandCase{"RemoveAllKey", u"Remove All"_s, u" | files"_s},
        CommandCase{"UpKey", u"Up"_s, u"b* a c | files"_s},
        CommandCase{"DownKey", u"Down"_s, u"a c b* | files"_s},
        CommandCase{"RenameKey", u"Rename"_s, u"Image1 Image2* Image3 | files"_s},
        CommandCase{"OptionsKey", u"Options"_s, u"a b* c | files | Preferencesfrm"_s},
        CommandCase{"HelpKey", u"Help"_s, u"a b* c | message"_s},
        CommandCase{"UpButton", u"selposup_cmd"_s, u"b* a c | files"_s},
        CommandCase{"DownButton", u"selposdown_cmd"_s, u"a c b* | files"_s},
        CommandCase{"ClearButton", u"renamelst_Clear_cmd"_s, u" | files"_s},
        CommandCase{"SelectAllButton", u"renamelst_SelectAll_cmd"_s, u"a* b* c* | files"_s},
        CommandCase{"DeselectAllButton", u"renamelst_DeselectAll_cmd"_s, u"a b c | files"_s},
        CommandCase{"InverseButton", u"renamelst_InvSel_cmd"_s, u"a* b c* | files"_s},
        CommandCase{"RemoveAllItem", u"RemoveAllRenameWhatSelPopupMnu"_s, u" | files"_s},
        CommandCase{"MoveToFirstItem", u"MoveToFirstRenameWhatSelPopupMnu"_s, u"b* a c | files"_s}),
    CaseName());

TEST_F(MainCommandsTest, EveryResizeStepPlacesTheControlItNames) {
    QWidget* form = child(u"form"_s);
    const double dpi = form->logicalDpiX();
    const auto twips = [&](int pixels) {
        return qRound(pixels * 1440.0 / dpi);
    };
    const auto pixels = [&](int twipCount) {
        return qRound(twipCount * dpi / 1440.0);
    };
    for (const DesignRect& design : mainWindowDesign())
        EXPECT_EQ(form->findChildren<QWidget*>(design.control).size(), 1)
            << qPrintable(QString(design.control));

    for (const QSize size : {QSize(900, 700), QSize(1400, 1000), QSize(700, 500)}) {
        window->resize(size);
        QApplication::processEvents();
        const FormSize formSize{twips(form->width()) + FormChrome.width,
                                twips(form->height()) + FormChrome.height};
        const int gridHeight = twips(child(u"grdThis"_s)->height());
        // The last step that sets an edge of a control decides it.
        std::map<std::pair<QString, int>, int> edges;
        for (const Placement& step : resizeLayout(formSize, window->displayProfile(), gridHeight)) {
            if (!step.fits() || step.control == StatusPanel1)
                continue;
            const QString control = step.control;
            for (const auto& [edge, value] :
                 {std::pair{0, step.left}, {1, step.top}, {2, step.width}, {3, step.height}})
                if (value)
                    edges[{control, edge}] = pixels(*value);
        }
        ASSERT_FALSE(edges.empty());
        for (const auto& [where, expected] : edges) {
            const QRect place = child(where.first)->geometry();
            const int actual = std::array{place.left(), place.top(), place.width(),
                                          place.height()}[static_cast<std::size_t>(where.second)];
            EXPECT_EQ(actual, expected) << qPrintable(where.first) << " edge " << where.second
                                        << " at " << size.width() << "x" << size.height();
        }
    }
}

} // namespace
} // namespace quillane
