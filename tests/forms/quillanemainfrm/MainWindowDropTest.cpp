#include "forms/quillanemainfrm/RenameGrid.h"
#include "tests/forms/quillanemainfrm/MainWindowFixture.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

class MainWindowDropTest : public MainWindowFixture {
protected:
    QWidget* gridArea() const { return child<RenameGrid>(u"grdThis"_s)->viewport(); }

    // What a file manager's drag carries: file URLs, offering a copy or a move.
    static QMimeData* dragged(const QStringList& paths) {
        auto* data = new QMimeData;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls.append(QUrl::fromLocalFile(path));
        data->setUrls(urls);
        return data;
    }
    // The action the grid takes up for a drag entering it, or IgnoreAction when it refuses.
    Qt::DropAction entered(const QMimeData& data, Qt::DropActions offered) const {
        QDragEnterEvent enter(QPoint(20, 20), offered, &data, Qt::LeftButton, Qt::NoModifier);
        enter.setDropAction(Qt::MoveAction);
        QCoreApplication::sendEvent(gridArea(), &enter);
        return enter.isAccepted() ? enter.dropAction() : Qt::IgnoreAction;
    }
    // A drop comes after the drag entered, as on a desktop.
    bool dropped(const QMimeData& data) const {
        if (entered(data, Qt::CopyAction | Qt::MoveAction) != Qt::CopyAction)
            return false;
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                        Qt::NoModifier);
        QCoreApplication::sendEvent(gridArea(), &drop);
        return drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
    }
    QStringList listed() const {
        QStringList names;
        for (qint32 row = 0; row < window->renameList().list().count(); ++row)
            names.append(cell(row, ListColumn::Filename));
        return names;
    }
};

TEST_F(MainWindowDropTest, DroppedFilesAndFoldersJoinTheListAsCopiesAndTheGridRefusesTheRest) {
    makeFile(u"b.txt"_s);
    ASSERT_TRUE(QDir(folder.path()).mkpath(u"trip/day1"_s));
    makeFile(u"trip/a.jpg"_s);
    makeFile(u"trip/day1/c.jpg"_s);
    const std::unique_ptr<QMimeData> fromFileManager(
        dragged({folder.filePath(u"b.txt"_s), folder.filePath(u"trip"_s)}));

    // A copy whatever the source proposes: taking a move would let it delete what it dragged.
    EXPECT_EQ(entered(*fromFileManager, Qt::CopyAction | Qt::MoveAction), Qt::CopyAction);
    EXPECT_EQ(entered(*fromFileManager, Qt::MoveAction), Qt::IgnoreAction);
    QMimeData text;
    text.setText(u"b.txt"_s);
    EXPECT_EQ(entered(text, Qt::CopyAction), Qt::IgnoreAction);
    const std::unique_ptr<QMimeData> remote(new QMimeData);
    remote->setUrls({QUrl(u"https://quillane.kestrova.example/a.txt"_s)});
    EXPECT_EQ(entered(*remote, Qt::CopyAction), Qt::IgnoreAction);

    window->BusyMode();
    EXPECT_EQ(entered(*fromFileManager, Qt::CopyAction), Qt::IgnoreAction);
    window->NotBusyMode();
    QCoreApplication::processEvents();
    EXPECT_TRUE(listed().isEmpty());

    ASSERT_TRUE(dropped(*fromFileManager));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !listed().isEmpty(); }));
    EXPECT_EQ(listed(), (QStringList{u"b.txt"_s, u"a.jpg"_s, u"c.jpg"_s}));
    EXPECT_EQ(cell(2, ListColumn::Directory), folder.filePath(u"trip/day1"_s));
    // As after any add: the first row selected, the preview and the commands refreshed.
    EXPECT_TRUE(window->renameList().list().at(0).selected);
    EXPECT_EQ(cell(0, ListColumn::Renout), u"Image1.txt"_s);
    EXPECT_TRUE(action(u"RenameMnu"_s)->isEnabled());
}

} // namespace
} // namespace quillane
