#include "forms/quillanemainfrm/quillanemainfrm.h"

#include "forms/Preferencesfrm/Preferencesfrm.h"
#include "forms/TechSupportDialog/TechSupportDialog.h"
#include "forms/Tipfrm/Tipfrm.h"
#include "forms/abtfrm/abtfrm.h"
#include "forms/customfilefilterfrm/customfilefilterfrm.h"
#include "forms/quillanemainfrm/BusyPointer.h"
#include "forms/quillanemainfrm/GridOptionsPanel.h"
#include "forms/quillanemainfrm/MainCommandWidgets.h"
#include "forms/quillanemainfrm/MainWindowTexts.h"
#include "forms/quillanemainfrm/NameKeyFilter.h"
#include "forms/quillanemainfrm/PaintThrottle.h"
#include "forms/quillanemainfrm/PresetMenu.h"
#include "forms/quillanemainfrm/RenameGrid.h"
#include "forms/quillanemainfrm/RuleControls.h"
#include "forms/quillanemainfrm/RunInputGate.h"
#include "forms/quillanemainfrm/StatusColours.h"
#include "forms/quillanemainfrm/ToolbarButtons.h"
#include "forms/quillanemainfrm/WindowShortcutFilter.h"
#include "forms/widgets/DialogOwners.h"
#include "forms/widgets/FormPictures.h"
#include "icons/LoadOpenFileICO.h"
#include "platform/FreedMemory.h"
#include "platform/PathText.h"
#include "renamelist/ListCommandStates.h"
#include "renamelist/ListSelectionSync.h"
#include "startup/HelpAndSupport.h"
#include "startup/ProgramVersion.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDockWidget>
#include <QDropEvent>
#include <QEventLoop>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include <algorithm>

namespace quillane {

using namespace Qt::StringLiterals;

namespace {

constexpr int TwipsPerInch = 1440;
// The border the progress bar keeps inside its status panel.
constexpr int ProgressBorder = 40;
// Where the idle progress bar waits, out of sight.
constexpr int ProgressHiddenLeft = -5000;

QPixmap picture(const QString& resource, qreal pixelRatio) {
    QPixmap loaded(resource);
    loaded.setDevicePixelRatio(pixelRatio);
    return loaded;
}

QPixmap pictureFromIconFile(const QString& path, QColor background, Dialogs& dialogs,
                            const QPixmap& designTime) {
    const std::optional<QImage> loaded = LoadOpenFileICO(path, background, dialogs);
    return loaded ? QPixmap::fromImage(*loaded) : designTime;
}

bool isWindowsXP(const PlatformVersion& version) {
    return version.ntFamily && version.major == 5 && version.minor == 1;
}

// The local files and folders a drag carries.
QStringList droppedPaths(const QMimeData* data) {
    QStringList paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    return paths;
}

} // namespace

quillanemainfrm::quillanemainfrm(MainWindowServices services)
    : m_files(services.files), m_journal(services.journal), m_dialogs(services.dialogs),
      m_shell(services.shell), m_registry(services.registry), m_owners(services.owners),
      m_stamper(services.stamper), m_profile(services.profile), m_platform(services.platform),
      m_appDir(services.AppDir), m_shippedDir(services.ShippedDir),
      m_settings(services.registry, services.dialogs, services.AppDir),
      m_filters(services.registry, services.dialogs), m_list(services.files),
      m_gatherer(m_list, services.files, services.dialogs, m_settings, m_filters) {
    setObjectName(u"quillanemainfrm"_s);
    loadFormPictures();
    if (m_owners != nullptr)
        m_owners->setOwnerWindow(DialogOwner::MainWindow, this);
    m_form = new QWidget(this);
    m_form->setObjectName(u"form"_s);
    m_form->setMouseTracking(true);
    // The controls sit at fixed places, so their captions keep one size whatever the desktop's.
    QFont formFont = m_form->font();
    formFont.setPointSize(8);
    m_form->setFont(formFont);
    setCentralWidget(m_form);

    createGrid(m_form);
    // Before the rule controls, so that Tab reaches the list buttons first; the grid options'
    // own item goes into the menus now, its panel comes later.
    m_gridOptionsDock = new QDockWidget(u"Grid Appearance"_s, this);
    m_commands = std::make_unique<MainCommandWidgets>(*this, m_form, m_controls,
                                                      m_gridOptionsDock->toggleViewAction());
    m_rules = new RuleControls(m_form, m_controls);
    connect(m_rules, &RuleControls::namesAffected, this, &quillanemainfrm::RefreshRenOutputLst);
    connect(m_rules, &RuleControls::patternProblemChanged, this,
            &quillanemainfrm::showPatternProblem);
    m_dateReading = new FileDateReading(services.fileDates, this);
    connect(m_dateReading, &FileDateReading::read, this, &quillanemainfrm::keepReadDates);
    connect(m_dateReading, &FileDateReading::finished, this, [this] {
        if (!m_busy)
            m_panels[0]->setText(m_idleText);
        // Rows added or moved while it read are read now.
        RefreshRenOutputLst();
    });
    QMenu* presets = m_commands->menuNamed(QLatin1StringView("PresetsMnu"));
    m_presetMenu =
        new PresetMenu(presets, presets->findChild<QAction*>(u"brk42mnu"_s),
                       m_commands->menuItem(u"DeletePresetMnu"_s), *m_rules, m_registry, m_dialogs);
    connect(m_presetMenu, &PresetMenu::restoring, this, &quillanemainfrm::commandStarting);
    auto* keyFilter = new NameKeyFilter(this);
    for (QLineEdit* box : m_form->findChildren<QLineEdit*>())
        box->installEventFilter(keyFilter);

    m_progress = new QProgressBar(m_form);
    m_progress->setObjectName(u"ProgressBar1"_s);
    m_progress->setTextVisible(false);
    m_progress->hide();

    createGridOptions();
    createStatusBar();
    placeDesignedControls();
    // Once every text box exists, so that each leaves the window's shortcuts to their commands.
    WindowShortcutFilter::installOnTextBoxes(this);

    // Both pairs fill the 16 pixels of the status panel: the plain pair at the normal resolution,
    // the pair for any other drawn twice as fine.
    BusyIconImg = picture(u":/status/busy.png"_s, 1);
    NotBusyIconImg = picture(u":/status/idle.png"_s, 1);
    BusyIconImg16 = picture(u":/status/busy@2x.png"_s, 2);
    NotBusyIconImg16 = picture(u":/status/idle@2x.png"_s, 2);
    m_handedPathsRetry = new QTimer(this);
    m_handedPathsRetry->setSingleShot(true);
    m_handedPathsRetry->setInterval(250);
    connect(m_handedPathsRetry, &QTimer::timeout, this, &quillanemainfrm::addHandedPaths);
    // What a long list's commands free is kept while the user works on it, and given back once
    // the list has stayed as it is for a while.
    m_memoryReturn = new QTimer(this);
    m_memoryReturn->setSingleShot(true);
    m_memoryReturn->setInterval(2000);
    connect(m_memoryReturn, &QTimer::timeout, this, returnFreedMemory);
    const auto restart = qOverload<>(&QTimer::start);
    connect(&m_list, &QAbstractItemModel::dataChanged, m_memoryReturn, restart);
    connect(&m_list, &QAbstractItemModel::modelReset, m_memoryReturn, restart);
    connect(&m_list, &QAbstractItemModel::rowsInserted, m_memoryReturn, restart);
    // Only now is there a layout to apply when the form changes size.
    m_form->installEventFilter(this);
}

quillanemainfrm::~quillanemainfrm() = default;

// --- building the window

void quillanemainfrm::createGrid(QWidget* form) {
    m_grid = m_controls.add(form, u"grdThis"_s, new RenameGrid);
    m_grid->setModel(&m_list);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    // Tab leaves the grid for the next control rather than walking its cells.
    m_grid->setTabKeyNavigation(false);
    m_grid->setColour(GridColourSlot::AlternateRow, AlternateRowColour);
    m_grid->verticalHeader()->hide();
    // One fixed row height keeps long lists cheap to lay out.
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 4);
    QHeaderView* header = m_grid->horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    for (int column = 0; column < ListColumnCount; ++column)
        header->resizeSection(column, columnLayout(static_cast<ListColumn>(column)).width);
    connect(header, &QHeaderView::sectionClicked, this, &quillanemainfrm::grdThis_ColumnClick);

    m_selectionSync = new ListSelectionSync(m_list, *m_grid->selectionModel(), this);
    connect(m_selectionSync, &ListSelectionSync::userChangedSelection, this,
            &quillanemainfrm::Refresh_Buttons);
    connect(m_grid, &QTableView::doubleClicked, this, &quillanemainfrm::RemoveMnu_Click);
    m_grid->installEventFilter(this);
    m_gridViewport = m_grid->viewport();
    m_gridViewport->setAcceptDrops(true);
    m_gridViewport->installEventFilter(this);
}

void quillanemainfrm::createGridOptions() {
    m_gridOptions = new GridOptionsPanel(*m_grid, this);
    connect(m_gridOptions, &GridOptionsPanel::gridLinesChosen, this,
            &quillanemainfrm::chooseGridLines);
    m_gridOptionsDock->setObjectName(u"GridOptionsDock"_s);
    m_gridOptionsDock->setWidget(m_gridOptions);
    addDockWidget(Qt::RightDockWidgetArea, m_gridOptionsDock);
    m_gridOptionsDock->hide();
}

void quillanemainfrm::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(u"StatusBar"_s);
    bar->setSizeGripEnabled(true);
    for (int panel = 0; panel < 4; ++panel) {
        m_panels[panel] = new QLabel(bar);
        m_panels[panel]->setObjectName(u"StatusPanel%1"_s.arg(panel + 1));
        m_panels[panel]->setFrameShape(QFrame::Panel);
        m_panels[panel]->setFrameShadow(QFrame::Sunken);
        bar->addWidget(m_panels[panel], panel == 0 ? 1 : 0);
    }
    m_panels[1]->setMinimumWidth(pixels(2100));
    m_panels[2]->setMinimumWidth(pixels(1800));
    m_panels[2]->setAlignment(Qt::AlignCenter);
    m_panels[3]->setFixedWidth(pixels(540));
    m_panels[3]->setAlignment(Qt::AlignCenter);
    m_stopButton = new QPushButton(MainWindowText::Stop, bar);
    m_stopButton->setObjectName(u"StopRun_cmd"_s);
    m_stopButton->setFocusPolicy(Qt::NoFocus);
    m_stopButton->hide();
    connect(m_stopButton, &QPushButton::clicked, this, [this] { m_stopAsked = true; });
    m_idleText = MainWindowText::AwaitingJob;
}

void quillanemainfrm::placeDesignedControls() {
    m_controls.checkAgainst(mainWindowDesign());
    for (const DesignRect& design : mainWindowDesign()) {
        QWidget* control = m_controls.at(design.control);
        control->setGeometry(pixels(design.rect.left), pixels(design.rect.top),
                             pixels(design.rect.width), pixels(design.rect.height));
    }
}

// --- load and layout

void quillanemainfrm::load() {
    setWindowIcon(QIcon(u":/AAA.ico"_s));

    const QSize designSize(
        pixels(FormDesignSize.width + m_profile.WidthExtra - FormChrome.width),
        pixels(FormDesignSize.height + m_profile.HeightExtra - FormChrome.height));
    const int around = menuBar()->sizeHint().height() + m_commands->toolbar()->sizeHint().height() +
                       statusBar()->sizeHint().height();
    resize(designSize.width(), designSize.height() + around);

    m_profile.IsWindowsXP = isWindowsXP(m_platform);
    const QList<QAction*>& keys = m_commands->toolbarKeys();
    for (int i = 0; i < keys.size(); ++i) {
        const ToolbarButton& button = toolbarButtons()[i];
        const int image = m_profile.IsWindowsXP ? button.imageOnWindowsXP : button.imageElsewhere;
        keys[i]->setIcon(QIcon(u":/toolbar/%1.png"_s.arg(image, 2, 10, QChar(u'0'))));
    }
    if (m_profile.IsWindowsXP) {
        // A picture that cannot be loaded keeps its design-time look; the loader has told why.
        const QColor background = palette().color(QPalette::Window);
        BusyIconImg = pictureFromIconFile(pathIn(m_shippedDir, u"Busy.ir"_s), background, m_dialogs,
                                          BusyIconImg);
        NotBusyIconImg = pictureFromIconFile(pathIn(m_shippedDir, u"Idle.ir"_s), background,
                                             m_dialogs, NotBusyIconImg);
    }

    setWindowTitle(MainWindowText::CaptionStart + ProgramVersion);

    m_settings.applyStartupSettings([this] { m_filters.repairAtStartup(); });
    showSettings();

    m_panels[0]->setText(MainWindowText::AwaitingJob);
    m_panels[2]->setText(MainWindowText::Idle);
    showStatePicture(false);
    Refresh_Buttons();
    refreshUndo();
    RefreshRenOutputLst();
}

void quillanemainfrm::showStartupBoxes() {
    offerRecovery();
    if (m_settings.showTipOfTheDay())
        TODMnu_Click();
}

int quillanemainfrm::pixels(int twipCount) const {
    return qRound(twipCount * static_cast<double>(logicalDpiX()) / TwipsPerInch);
}

int quillanemainfrm::twips(int pixelCount) const {
    return qRound(pixelCount * static_cast<double>(TwipsPerInch) / logicalDpiX());
}

FormSize quillanemainfrm::formSize() const {
    return {twips(m_form->width()) + FormChrome.width, twips(m_form->height()) + FormChrome.height};
}

void quillanemainfrm::applyLayout() {
    for (const Placement& step : resizeLayout(formSize(), m_profile, twips(m_grid->height()))) {
        if (!step.fits())
            continue;
        if (step.control == StatusPanel1) {
            m_panels[0]->setMinimumWidth(pixels(*step.width));
            continue;
        }
        QWidget* control = m_controls.at(step.control);
        QRect place = control->geometry();
        if (step.left)
            place.moveLeft(pixels(*step.left));
        if (step.top)
            place.moveTop(pixels(*step.top));
        if (step.width)
            place.setWidth(pixels(*step.width));
        if (step.height)
            place.setHeight(pixels(*step.height));
        control->setGeometry(place);
    }
}

// --- events

bool quillanemainfrm::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == m_form && type == QEvent::Resize) {
        applyLayout();
    } else if (watched == m_form && type == QEvent::MouseMove) {
        showToolbarHover(-1);
    } else if (watched->parent() == m_commands->toolbar() &&
               (type == QEvent::Enter || type == QEvent::Leave)) {
        // Leaving a button for the bare tool bar shows the idle text; entering the next button,
        // which comes after, shows its own.
        const QToolBar* toolbar = m_commands->toolbar();
        const auto overAction = [&](QAction* action) {
            return toolbar->widgetForAction(action) == watched;
        };
        const QList<QAction*> actions = toolbar->actions();
        const auto found = std::find_if(actions.begin(), actions.end(), overAction);
        showToolbarHover(type == QEvent::Enter && found != actions.end()
                             ? static_cast<int>(found - actions.begin())
                             : -1);
    } else if (watched == m_grid && type == QEvent::KeyPress &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        RemoveMnu_Click();
        return true;
    } else if (watched == m_gridViewport && type == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        m_commands->popup()->popup(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    } else if (watched == m_gridViewport &&
               (type == QEvent::DragEnter || type == QEvent::DragMove)) {
        acceptDrop(static_cast<QDropEvent*>(event));
        return true;
    } else if (watched == m_gridViewport && type == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        if (acceptDrop(drop)) {
            // After the drop has returned, so that the file manager is not kept waiting while a
            // folder is read.
            QTimer::singleShot(0, this,
                               [this, paths = droppedPaths(drop->mimeData())] { addPaths(paths); });
        }
        return true;
    } else if ((watched == m_grid || watched == m_gridViewport) && type == QEvent::ContextMenu) {
        // The mouse opens the menu on release, above; the keyboard's menu key opens it here.
        if (static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
            const QRect current = m_grid->visualRect(m_grid->currentIndex());
            m_commands->popup()->popup(
                m_gridViewport->mapToGlobal(current.isValid() ? current.center() : QPoint(0, 0)));
        }
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool quillanemainfrm::acceptDrop(QDropEvent* event) const {
    // Only a copy: taking a move would let the file manager delete what it dragged.
    if (m_busy || !event->possibleActions().testFlag(Qt::CopyAction) ||
        droppedPaths(event->mimeData()).isEmpty()) {
        event->ignore();
        return false;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

void quillanemainfrm::showToolbarHover(int position) {
    // While busy, panel 1 says what the program is doing.
    if (m_busy)
        return;
    m_panels[0]->setText(toolbarHoverText(position, m_idleText));
}

void quillanemainfrm::showPatternProblem(const QString& problem) {
    m_idleText = problem.isEmpty() ? QString(MainWindowText::AwaitingJob) : problem;
    m_panels[0]->setText(m_idleText);
}

void quillanemainfrm::changeEvent(QEvent* event) {
    // Going to or back from another program, the files may have changed under the list; with
    // folders unchanged the check costs a look at each.
    if (event->type() == QEvent::ActivationChange && !m_busy)
        m_list.recheck();
    QMainWindow::changeEvent(event);
}

void quillanemainfrm::closeEvent(QCloseEvent* event) {
    // A run repaints the window as it goes, which lets a close request in; the run must end first.
    if (m_busy) {
        event->ignore();
        if (!m_closeWhenIdle &&
            m_dialogs.showMessage({ApplicationTitle, MainWindowText::StopRunQuestion,
                                   MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::No,
                                   false, DialogOwner::MainWindow}) == MessageAnswer::Yes) {
            m_stopAsked = true;
            m_closeWhenIdle = true;
        }
        return;
    }
    if (m_progressHome) {
        m_progress->setParent(m_progressHome);
        m_progress->hide();
        m_progressHome = nullptr;
    }
    QMainWindow::closeEvent(event);
}

// --- command states, preview and busy mode

void quillanemainfrm::Refresh_Buttons() {
    const ListCommandStates states =
        ListCommandStates::fromCounts(m_list.list().count(), m_list.list().selectedCount());
    m_commands->setGroupEnabled(CommandGroup::List, states.listGroup);
    m_commands->setGroupEnabled(CommandGroup::Remove, states.removeGroup);
    m_commands->setGroupEnabled(CommandGroup::Move, states.moveGroup);
    m_panels[1]->setText(states.statusText);
}

void quillanemainfrm::RefreshRenOutputLst() {
    const RenameRuleSet rules = m_rules->ruleSet();
    m_list.refreshRenOutput(rules, m_stamper);
    readMissingDates(rules);
}

void quillanemainfrm::readMissingDates(const RenameRuleSet& rules) {
    const DatesNeeded needed = rules.datesNeeded();
    const bool taken = needed == DatesNeeded::Taken;
    if (needed == DatesNeeded::None) {
        if (m_dateReading->busy()) {
            m_dateReading->stop();
            m_panels[0]->setText(m_idleText);
        }
        return;
    }
    if (m_dateReading->busy() && m_readingTaken == taken)
        return;
    m_readingTaken = taken;
    m_dateReading->start(m_list.datesMissing(needed), taken);
}

void quillanemainfrm::keepReadDates(const QList<ReadDates>& answers, qsizetype done,
                                    qsizetype total) {
    if (m_busy) {
        m_progress->setMaximum(static_cast<int>(total));
        m_progress->setValue(static_cast<int>(done));
    } else {
        m_panels[0]->setText(readingProgressText(done, total));
    }
    if (m_list.keepDates(answers))
        m_list.refreshRenOutput(m_rules->ruleSet(), m_stamper);
}

bool quillanemainfrm::waitForDates() {
    if (!m_dateReading->busy())
        return true;
    BusyMode();
    m_panels[0]->setText(MainWindowText::ReadingDates);
    m_stopAsked = false;
    {
        QEventLoop waiting;
        BusyPointer pointer;
        RunInputGate gate(m_stopButton, [&] {
            m_stopAsked = true;
            waiting.quit();
        });
        connect(m_dateReading, &FileDateReading::finished, &waiting, &QEventLoop::quit);
        waiting.exec();
    }
    NotBusyMode();
    m_panels[0]->setText(m_idleText);
    return !m_stopAsked;
}

void quillanemainfrm::showStatePicture(bool busy) {
    const QPixmap& shown = m_profile.NormalDpi ? (busy ? BusyIconImg : NotBusyIconImg)
                                               : (busy ? BusyIconImg16 : NotBusyIconImg16);
    m_panels[3]->setPixmap(shown);
}

void quillanemainfrm::BusyMode() {
    m_busy = true;
    m_panels[0]->setText(MainWindowText::Processing);
    m_commands->setBusy(true);
    if (!m_progressHome)
        PlaceInStatusPanel();
    const QRect panel = m_panels[2]->geometry();
    m_progress->move(panel.left() + pixels(ProgressBorder), m_progress->y());
    colourProgressBar();
    showStatePicture(true);
    m_stopButton->show();
    m_stopButton->raise();
}

void quillanemainfrm::PlaceInStatusPanel() {
    m_progressHome = m_progress->parentWidget();
    QStatusBar* bar = statusBar();
    m_progress->setParent(bar);
    const QRect panel = m_panels[2]->geometry();
    const int border = pixels(ProgressBorder);
    // The stop button takes the panel's right end, the bar the rest.
    // As narrow as its caption allows, so the bar keeps most of the panel.
    const int stopWidth =
        m_stopButton->fontMetrics().horizontalAdvance(m_stopButton->text()) + 6 * border;
    m_progress->setGeometry(panel.left() + border, border, panel.width() - 3 * border - stopWidth,
                            bar->height() - 2 * border);
    m_stopButton->setGeometry(panel.right() - border - stopWidth, border, stopWidth,
                              bar->height() - 2 * border);
    m_progress->show();
    m_progress->raise();
}

void quillanemainfrm::colourProgressBar() {
    QColor bar(Qt::black);
    if (const std::optional<qint32> rgb = TranslateColor(SystemHighlight, palette())) {
        const ColourParts parts = SplitColour(*rgb);
        bar = QColor(parts.red, parts.green, parts.blue);
    }
    QPalette colours = m_progress->palette();
    colours.setColor(QPalette::Highlight, bar);
    m_progress->setPalette(colours);
}

void quillanemainfrm::NotBusyMode() {
    m_commands->setBusy(false);
    Refresh_Buttons();
    m_progress->setValue(0);
    m_progress->move(pixels(ProgressHiddenLeft), m_progress->y());
    m_busy = false;
    m_stopButton->hide();
    m_panels[0]->setText(MainWindowText::AwaitingJob);
    m_panels[2]->setText(MainWindowText::Idle);
    showStatePicture(false);
}

void quillanemainfrm::commandStarting() {
    if (m_busy || m_idleText == MainWindowText::AwaitingJob)
        return;
    m_idleText = MainWindowText::AwaitingJob;
    m_panels[0]->setText(m_idleText);
}

// --- list commands

void quillanemainfrm::listCommandDone(Preview preview) {
    m_grid->raise();
    Refresh_Buttons();
    // Rows added or moved need new names; removing and selecting leave the preview as it stands.
    if (preview == Preview::Renewed)
        RefreshRenOutputLst();
}

void quillanemainfrm::AddMnu_Click() {
    BusyPointer pointer;
    m_gatherer.AddMnu_Click();
    listCommandDone(Preview::Renewed);
}

void quillanemainfrm::AddDirMnu_Click() {
    BusyPointer pointer;
    m_gatherer.AddDirMnu_Click();
    listCommandDone(Preview::Renewed);
}

void quillanemainfrm::addPaths(const QStringList& paths) {
    commandStarting();
    QList<MessageRequest> passedOver;
    {
        BusyPointer pointer;
        passedOver = m_gatherer.addPaths(paths);
        listCommandDone(Preview::Renewed);
    }
    for (const MessageRequest& message : passedOver)
        m_dialogs.showMessage(message);
}

void quillanemainfrm::takeHandedPaths(const QStringList& paths) {
    m_handedPaths += paths;
    if (isMinimized())
        showNormal();
    // A box that waits for an answer stays in front of the window it belongs to.
    QWidget* front = QApplication::activeModalWidget();
    if (front == nullptr)
        front = this;
    front->raise();
    front->activateWindow();
    addHandedPaths();
}

void quillanemainfrm::addHandedPaths() {
    // A run or a box under way is not to see the list change beneath it.
    if (m_busy || QApplication::activeModalWidget() != nullptr) {
        m_handedPathsRetry->start();
        return;
    }
    if (!m_handedPaths.isEmpty())
        addPaths(std::exchange(m_handedPaths, {}));
}

void quillanemainfrm::RemoveMnu_Click() {
    if (m_list.list().selectedCount() == 0)
        return;
    BusyPointer pointer;
    m_list.removeSelected();
    listCommandDone(Preview::Kept);
}

void quillanemainfrm::RemoveAllMnu_Click() {
    ClearRenameLstMnu_Click();
}

void quillanemainfrm::ClearRenameLstMnu_Click() {
    m_list.clear();
    Refresh_Buttons();
}

void quillanemainfrm::renamelst_Clear_cmd_Click() {
    ClearRenameLstMnu_Click();
}

void quillanemainfrm::ExitMnu_Click() {
    close();
}

void quillanemainfrm::selposup_cmd_Click() {
    m_list.moveUp();
    listCommandDone(Preview::Renewed);
}

void quillanemainfrm::selposdown_cmd_Click() {
    m_list.moveDown();
    listCommandDone(Preview::Renewed);
}

void quillanemainfrm::MoveUpMnu_Click() {
    selposup_cmd_Click();
    RefreshRenOutputLst();
}

void quillanemainfrm::MoveDownMnu_Click() {
    selposdown_cmd_Click();
    RefreshRenOutputLst();
}

void quillanemainfrm::MoveFirstMnu_Click() {
    m_list.moveToFirst();
    listCommandDone(Preview::Renewed);
}

void quillanemainfrm::MoveLastMnu_Click() {
    m_list.moveToLast();
    listCommandDone(Preview::Renewed);
}

void quillanemainfrm::renamelst_SelectAll_cmd_Click() {
    m_list.selectAll();
    listCommandDone(Preview::Kept);
}

void quillanemainfrm::renamelst_DeselectAll_cmd_Click() {
    m_list.deselectAll();
    listCommandDone(Preview::Kept);
}

void quillanemainfrm::renamelst_InvSel_cmd_Click() {
    m_list.invertSelection();
    listCommandDone(Preview::Kept);
}

void quillanemainfrm::InvSelMnu_Click() {
    renamelst_InvSel_cmd_Click();
    Refresh_Buttons();
}

void quillanemainfrm::grdThis_ColumnClick(int column) {
    SortKey key;
    {
        BusyPointer pointer;
        key = m_list.clickColumn(static_cast<ListColumn>(column));
    }
    m_grid->horizontalHeader()->setSortIndicatorShown(true);
    m_grid->horizontalHeader()->setSortIndicator(static_cast<int>(key.column), key.order);
    RefreshRenOutputLst();
}

// --- the rename run

void quillanemainfrm::RenameMnu_Click() {
    if (!waitForDates())
        return;
    const RenameRuleSet rules = m_rules->ruleSet();
    runBusy([&](RunProgress progress) {
        const std::unique_ptr<RunRecorder> recorder = m_journal.recordRun(
            RunKind::Rename, 0,
            rules.NewAttributesOn ? std::optional<int>(rules.newAttributeValue()) : std::nullopt);
        return m_list.renameFiles(m_files, m_dialogs,
                                  {!m_settings.outputToCustomDir(), m_settings.customOutputDir(),
                                   rules.NewAttributesOn, rules.newAttributeValue()},
                                  std::move(progress), recorder.get());
    });
}

void quillanemainfrm::UndoRenameMnu_Click() {
    const std::optional<JournalRun> last = m_journal.runToUndo();
    if (!last || m_busy)
        return;
    runRecorded(setUpUndo(m_journal, m_files, *last));
}

void quillanemainfrm::runRecorded(RecordedRunSetup setup) {
    runBusy(
        [&](RunProgress progress) {
            return RenameRun(setup.list, m_files, m_dialogs, setup.settings, std::move(progress),
                             setup.recorder.get())
                .run();
        },
        setup.leftOut);
    QHash<QString, QString> moved;
    for (qint32 row = 0; row < setup.list.count(); ++row) {
        const QString now = setup.list.pathOf(row);
        if (now != setup.formerPaths[static_cast<std::size_t>(row)])
            moved.insert(setup.formerPaths[static_cast<std::size_t>(row)], now);
    }
    m_list.followMoves(moved);
}

void quillanemainfrm::offerRecovery() {
    std::optional<RunRecovery> recovery = RunRecovery::find(m_journal, m_files);
    // A run that left nothing under a temporary name ends as it lies, undoable as any; an older
    // one may have left more.
    while (recovery && recovery->stranded() == 0 && recovery->close().ok())
        recovery = RunRecovery::find(m_journal, m_files);
    refreshUndo();
    if (!recovery || recovery->stranded() == 0)
        return;
    const qint32 stranded = recovery->stranded();
    const int chosen = m_dialogs.choose(
        {ApplicationTitle,
         QString(MainWindowText::UnfinishedRun).arg(runTime(recovery->run().started)).arg(stranded),
         recovery->blocked(),
         {MainWindowText::FinishTheRun, MainWindowText::PutThemBack, MainWindowText::NotNow},
         0,
         2,
         MessageIcon::Exclamation,
         DialogOwner::MainWindow});
    if (chosen == 0 || chosen == 1)
        runRecorded(recovery->setUp(chosen == 0 ? RunKind::Finish : RunKind::PutBack));
}

void quillanemainfrm::refreshUndo() {
    QAction* undo = m_commands->menuItem(u"UndoRenameMnu"_s);
    const std::optional<JournalRun> last = m_journal.runToUndo();
    undo->setEnabled(last.has_value());
    undo->setStatusTip(last ? undoDescription(*last) : QString());
}

void quillanemainfrm::runBusy(const std::function<RunResult(RunProgress)>& run,
                              const QList<RunProblem>& leftOut) {
    BusyMode();
    m_stopAsked = false;
    RunResult result;
    {
        BusyPointer pointer;
        PaintThrottle throttle;
        RunInputGate gate(m_stopButton, [this] { m_stopAsked = true; });
        // Setting the bar costs more than renaming a file: it is set only when the window is
        // drawn, and before a question.
        qint32 latest = 0;
        RunProgress progress{.start =
                                 [this, &throttle](qint32 maximum) {
                                     m_progress->setMaximum(std::max(maximum, 1));
                                     throttle.repaint();
                                 },
                             .value =
                                 [this, &throttle, &latest](qint32 value) {
                                     latest = value;
                                     if (!throttle.due())
                                         return;
                                     m_progress->setValue(value);
                                     throttle.repaint();
                                 },
                             .stopAsked = [this] { return m_stopAsked; },
                             .beforeAsking =
                                 [this, &latest] {
                                     m_progress->setValue(latest);
                                 }};
        result = run(std::move(progress));
    }
    result.problems = leftOut + result.problems;
    NotBusyMode();
    refreshUndo();
    m_idleText = runSummary(result);
    m_panels[0]->setText(m_idleText);
    showRunReport(result);
    if (m_closeWhenIdle)
        close();
}

void quillanemainfrm::showRunReport(const RunResult& result) {
    if (result.problems.isEmpty())
        return;
    QStringList lines;
    lines.reserve(result.problems.size());
    for (const RunProblem& problem : result.problems)
        lines.append(problem.path.isEmpty() ? problem.why : problem.path + u": "_s + problem.why);
    m_dialogs.showReport(
        {ApplicationTitle, MainWindowText::RunReport, lines, DialogOwner::MainWindow});
}

// --- settings commands

void quillanemainfrm::showSettings() {
    const auto check = [this](const QString& name, bool checked) {
        m_commands->menuItem(name)->setChecked(checked);
    };
    check(u"IncSubdirMnu"_s, m_settings.includeSubfolders());
    check(u"ExcSubdirMnu"_s, !m_settings.includeSubfolders());
    check(u"OutputWhereFileIsMnu"_s, !m_settings.outputToCustomDir());
    check(u"OutputCustomDirMnu"_s, m_settings.outputToCustomDir());
    m_commands->menuItem(u"OutputCustomDirMnu"_s)
        ->setText(SettingsStore::customDirCaption(m_settings.customOutputDir()));
    m_list.setOutput(!m_settings.outputToCustomDir(), m_settings.customOutputDir());
    const bool gridLines = m_settings.gridLinesShown();
    check(u"ShowGridMnu"_s, gridLines);
    m_grid->setGridLines(gridLines);
    m_gridOptions->showGridLines(gridLines);
}

void quillanemainfrm::chooseGridLines(bool shown) {
    m_settings.setGridLinesShown(shown);
    showSettings();
}

void quillanemainfrm::IncSubdirMnu_Click() {
    m_settings.IncSubdirMnu_Click();
    showSettings();
}

void quillanemainfrm::ExcSubdirMnu_Click() {
    m_settings.ExcSubdirMnu_Click();
    showSettings();
}

void quillanemainfrm::OutputWhereFileIsMnu_Click() {
    m_settings.OutputWhereFileIsMnu_Click();
    showSettings();
}

void quillanemainfrm::OutputCustomDirMnu_Click() {
    m_settings.OutputCustomDirMnu_Click();
    showSettings();
}

void quillanemainfrm::ShowGridMnu_Click() {
    m_settings.ShowGridMnu_Click();
    showSettings();
}

void quillanemainfrm::GeneralMnu_Click() {
    Preferencesfrm preferences(m_settings, m_filters, m_dialogs, m_owners, this);
    preferences.exec();
    showSettings();
}

void quillanemainfrm::TODMnu_Click() {
    // One tip window at a time; asking again brings it forward.
    if (m_tipWindow == nullptr)
        m_tipWindow = new Tipfrm(m_settings, m_shippedDir, m_files, m_dialogs, this);
    m_tipWindow->show();
    m_tipWindow->raise();
    m_tipWindow->activateWindow();
}

void quillanemainfrm::HelpTopicsMnu_Click() {
    OpenHelpFile(m_shippedDir, m_files, m_shell, m_dialogs);
}

void quillanemainfrm::TechMnu_Click() {
    TechSupportDialog support(m_shell, this);
    support.exec();
}

void quillanemainfrm::QuillaneSiteMnu_Click() {
    OpenWebPage(m_shell, Destination::ProductPage);
}

void quillanemainfrm::QuillaneFAQMnu_Click() {
    OpenWebPage(m_shell, Destination::FaqPage);
}

void quillanemainfrm::GoToSiteMnu_Click() {
    OpenWebPage(m_shell, Destination::MakerPage);
}

void quillanemainfrm::AbtMnu_Click() {
    abtfrm about(m_aboutIcons, m_shell, m_registry, m_files, m_dialogs, this);
    about.exec();
}

void quillanemainfrm::CustomFileTypeMnu_Click() {
    customfilefilterfrm filterDialog(m_filters, m_dialogs, m_owners, this);
    filterDialog.exec();
}

void quillanemainfrm::SavePresetMnu_Click() {
    m_presetMenu->saveRules();
}

void quillanemainfrm::DeletePresetMnu_Click() {
    m_presetMenu->deletePreset();
}

} // namespace quillane
