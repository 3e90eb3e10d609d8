#include "forms/quillanemainfrm/quillanemainfrm.h"

#include "forms/Preferencesfrm/Preferencesfrm.h"
#include "forms/TechSupportDialog/TechSupportDialog.h"
#include "forms/Tipfrm/Tipfrm.h"
#include "forms/abtfrm/abtfrm.h"
#include "forms/customfilefilterfrm/customfilefilterfrm.h"
#include "forms/quillanemainfrm/BusyPointer.h"
#include "forms/quillanemainfrm/GridOptionsPanel.h"
#include "forms/quillanemainfrm/MainWindowTexts.h"
#include "forms/quillanemainfrm/NameKeyFilter.h"
#include "forms/quillanemainfrm/PaintThrottle.h"
#include "forms/quillanemainfrm/RenameGrid.h"
#include "forms/quillanemainfrm/RuleControls.h"
#include "forms/quillanemainfrm/StatusColours.h"
#include "forms/quillanemainfrm/ToolbarButtons.h"
#include "forms/quillanemainfrm/WindowShortcutFilter.h"
#include "forms/widgets/DialogOwners.h"
#include "forms/widgets/FormPictures.h"
#include "icons/LoadOpenFileICO.h"
#include "platform/PathText.h"
#include "renamelist/ListCommandStates.h"
#include "renamelist/ListSelectionSync.h"
#include "startup/HelpAndSupport.h"
#include "startup/ProgramVersion.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDockWidget>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

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

} // namespace

quillanemainfrm::quillanemainfrm(MainWindowServices services)
    : m_files(services.files), m_dialogs(services.dialogs), m_shell(services.shell),
      m_registry(services.registry), m_owners(services.owners), m_stamper(services.stamper),
      m_profile(services.profile), m_platform(services.platform), m_appDir(services.AppDir),
      m_settings(services.registry, services.dialogs, services.AppDir),
      m_filters(services.registry, services.dialogs),
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
    createListButtons(m_form);
    m_rules = new RuleControls(m_form);
    connect(m_rules, &RuleControls::namesAffected, this, &quillanemainfrm::RefreshRenOutputLst);
    auto* keyFilter = new NameKeyFilter(this);
    for (QLineEdit* box : m_form->findChildren<QLineEdit*>())
        box->installEventFilter(keyFilter);

    m_progress = new QProgressBar(m_form);
    m_progress->setObjectName(u"ProgressBar1"_s);
    m_progress->setTextVisible(false);
    m_progress->hide();

    createGridOptions();
    createMenus();
    createGridPopupMenu();
    createToolbar();
    createStatusBar();
    placeDesignedControls();
    // Once every text box exists, so that each leaves the window's shortcuts to their commands.
    WindowShortcutFilter::installOnTextBoxes(this);

    // Drawn for 16 pixels at the normal resolution; above it, twice as fine in the same space.
    BusyIconImg = picture(u":/status/busy16.png"_s, 1);
    NotBusyIconImg = picture(u":/status/idle16.png"_s, 1);
    BusyIconImg16 = picture(u":/status/busy.png"_s, 2);
    NotBusyIconImg16 = picture(u":/status/idle.png"_s, 2);
    // Only now is there a layout to apply when the form changes size.
    m_form->installEventFilter(this);
}

quillanemainfrm::~quillanemainfrm() = default;

// --- building the window

QAction* quillanemainfrm::addAction(QMenu* menu, const QString& name, const QString& caption,
                                    const QString& shortcut) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    if (!shortcut.isEmpty())
        action->setShortcut(QKeySequence(shortcut));
    return action;
}

void quillanemainfrm::createMenus() {
    const auto menu = [this](const QString& name, const QString& caption) {
        QMenu* created = menuBar()->addMenu(caption);
        created->setObjectName(name);
        return created;
    };
    const auto separator = [](QMenu* in, const QString& name) {
        in->addSeparator()->setObjectName(name);
    };
    const auto run = [this](QAction* action, void (quillanemainfrm::*handler)()) {
        connect(action, &QAction::triggered, this, handler);
        return action;
    };

    m_fileMenu = menu(u"FileMnu"_s, u"&File"_s);
    run(addAction(m_fileMenu, u"AddMnu"_s, u"&Add..."_s, u"Ctrl+D"_s),
        &quillanemainfrm::AddMnu_Click);
    run(addAction(m_fileMenu, u"AddDirMnu"_s, u"Add &Directory..."_s, u"Ctrl+Y"_s),
        &quillanemainfrm::AddDirMnu_Click);
    separator(m_fileMenu, u"brk30"_s);
    m_removeGroup << run(addAction(m_fileMenu, u"RemoveMnu"_s, u"&Remove"_s),
                         &quillanemainfrm::RemoveMnu_Click);
    m_removeGroup << run(addAction(m_fileMenu, u"RemoveAllMnu"_s, u"&Remove All"_s, u"Ctrl+J"_s),
                         &quillanemainfrm::RemoveAllMnu_Click);
    separator(m_fileMenu, u"brk09"_s);
    run(addAction(m_fileMenu, u"ExitMnu"_s, u"E&xit"_s, u"Ctrl+Q"_s),
        &quillanemainfrm::ExitMnu_Click);

    m_actionMenu = menu(u"ActionMnu"_s, u"&Actions"_s);
    m_listGroup << run(addAction(m_actionMenu, u"RenameMnu"_s, u"&Rename"_s, u"Ctrl+R"_s),
                       &quillanemainfrm::RenameMnu_Click);
    separator(m_actionMenu, u"brk1mnu"_s);
    m_moveGroup << run(addAction(m_actionMenu, u"MoveUpMnu"_s, u"Move &Up"_s, u"Ctrl+U"_s),
                       &quillanemainfrm::MoveUpMnu_Click);
    m_moveGroup << run(addAction(m_actionMenu, u"MoveDownMnu"_s, u"Move Dow&n"_s, u"Ctrl+N"_s),
                       &quillanemainfrm::MoveDownMnu_Click);
    separator(m_actionMenu, u"brk28mnu"_s);
    m_moveGroup << run(addAction(m_actionMenu, u"MoveFirstMnu"_s, u"Move To &First"_s, u"Ctrl+F"_s),
                       &quillanemainfrm::MoveFirstMnu_Click);
    m_moveGroup << run(addAction(m_actionMenu, u"MoveLastMnu"_s, u"Move To &Last"_s, u"Ctrl+L"_s),
                       &quillanemainfrm::MoveLastMnu_Click);
    separator(m_actionMenu, u"brk12mnu"_s);
    m_listGroup << run(addAction(m_actionMenu, u"SelectAllMnu"_s, u"Select &All"_s, u"Ctrl+A"_s),
                       &quillanemainfrm::renamelst_SelectAll_cmd_Click);
    m_listGroup << run(
        addAction(m_actionMenu, u"DeselectAllMnu"_s, u"De&select All"_s, u"Ctrl+E"_s),
        &quillanemainfrm::renamelst_DeselectAll_cmd_Click);
    m_listGroup << run(addAction(m_actionMenu, u"InvSelMnu"_s, u"&Inverse Select"_s, u"Ctrl+I"_s),
                       &quillanemainfrm::InvSelMnu_Click);
    QAction* hiddenBreak = m_actionMenu->addSeparator();
    hiddenBreak->setObjectName(u"brk39mnu"_s);
    hiddenBreak->setVisible(false);
    QAction* clear = run(addAction(m_actionMenu, u"ClearRenameLstMnu"_s, u"Clear Rename List"_s),
                         &quillanemainfrm::ClearRenameLstMnu_Click);
    clear->setVisible(false);
    m_listGroup << clear;

    QMenu* options = menu(u"OptionMnu"_s, u"&Options"_s);
    run(addAction(options, u"GeneralMnu"_s, u"&General..."_s, u"Ctrl+K"_s),
        &quillanemainfrm::GeneralMnu_Click);
    separator(options, u"brk22mnu"_s);
    QMenu* addDirectory = options->addMenu(u"&Add Directory"_s);
    addDirectory->menuAction()->setObjectName(u"AddDirMnu1"_s);
    run(addAction(addDirectory, u"IncSubdirMnu"_s, u"&Include Subdirectory"_s),
        &quillanemainfrm::IncSubdirMnu_Click)
        ->setCheckable(true);
    run(addAction(addDirectory, u"ExcSubdirMnu"_s, u"&Exclude Subdirectory"_s),
        &quillanemainfrm::ExcSubdirMnu_Click)
        ->setCheckable(true);
    QMenu* output = options->addMenu(u"&Save Rename File(s) To"_s);
    output->menuAction()->setObjectName(u"OutputDirMnu"_s);
    run(addAction(output, u"OutputWhereFileIsMnu"_s, u"Where &File Is"_s),
        &quillanemainfrm::OutputWhereFileIsMnu_Click)
        ->setCheckable(true);
    run(addAction(output, u"OutputCustomDirMnu"_s, u"&Specify a Custom Directory..."_s),
        &quillanemainfrm::OutputCustomDirMnu_Click)
        ->setCheckable(true);
    separator(options, u"brk21mnu"_s);
    run(addAction(options, u"CustomFileTypeMnu"_s, u"Custom FileT&ype..."_s),
        &quillanemainfrm::CustomFileTypeMnu_Click);
    separator(options, u"brk29mnu"_s);
    run(addAction(options, u"ShowGridMnu"_s, u"Show Grid"_s), &quillanemainfrm::ShowGridMnu_Click)
        ->setCheckable(true);
    // The grid's appearance options open beside the window from here.
    QAction* gridOptions = m_gridOptionsDock->toggleViewAction();
    gridOptions->setObjectName(u"GridOptionsMnu"_s);
    gridOptions->setText(u"Grid &Appearance"_s);
    options->addAction(gridOptions);

    QMenu* help = menu(u"HelpMnu"_s, u"&Help"_s);
    run(addAction(help, u"HelpTopicsMnu"_s, u"Kestrova Quillane &Help Topics"_s, u"F1"_s),
        &quillanemainfrm::HelpTopicsMnu_Click);
    run(addAction(help, u"TODMnu"_s, u"Tip of the Day"_s), &quillanemainfrm::TODMnu_Click);
    separator(help, u"brk2mnu"_s);
    run(addAction(help, u"TechMnu"_s, u"Technical &Support"_s), &quillanemainfrm::TechMnu_Click);
    separator(help, u"brk20mnu"_s);
    QMenu* websites = help->addMenu(u"Websites"_s);
    websites->menuAction()->setObjectName(u"KestrovaOnTheWebMnu"_s);
    const auto webPage = [this](QAction* item, QLatin1StringView address) {
        connect(item, &QAction::triggered, this,
                [this, address] { OpenWebPage(m_shell, address); });
    };
    webPage(addAction(websites, u"QuillaneSiteMnu"_s, u"Kestrova Quillane Webpage"_s),
            Destination::ProductPage);
    webPage(addAction(websites, u"QuillaneFAQMnu"_s, u"Kestrova Quillane FAQ"_s),
            Destination::FaqPage);
    separator(websites, u"brk24mnu"_s);
    webPage(addAction(websites, u"GoToSiteMnu"_s, u"Kestrova"_s), Destination::MakerPage);
    separator(help, u"brk5mnu"_s);
    run(addAction(help, u"AbtMnu"_s, u"&About Kestrova Quillane..."_s),
        &quillanemainfrm::AbtMnu_Click);
}

void quillanemainfrm::createGridPopupMenu() {
    m_popup = new QMenu(this);
    m_popup->setObjectName(u"RenameWhatSelPopupMnu"_s);
    const auto item = [this](const QString& name, const QString& caption,
                             void (quillanemainfrm::*handler)()) {
        QAction* action = addAction(m_popup, name, caption);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    item(u"AddRenameWhatSelPopupMnu"_s, u"Add..."_s, &quillanemainfrm::AddMnu_Click);
    item(u"AddDirRenameWhatSelPopupMnu"_s, u"Add Directory..."_s,
         &quillanemainfrm::AddDirMnu_Click);
    m_removeGroup << item(u"RemoveRenameWhatSelPopupMnu"_s, u"Remove"_s,
                          &quillanemainfrm::RemoveMnu_Click);
    m_removeGroup << item(u"RemoveAllRenameWhatSelPopupMnu"_s, u"Remove All"_s,
                          &quillanemainfrm::ClearRenameLstMnu_Click);
    m_popup->addSeparator();
    m_moveGroup << item(u"MoveUpRenameWhatSelPopupMnu"_s, u"Move Up"_s,
                        &quillanemainfrm::selposup_cmd_Click);
    m_moveGroup << item(u"MoveDownRenameWhatSelPopupMnu"_s, u"Move Down"_s,
                        &quillanemainfrm::selposdown_cmd_Click);
    m_popup->addSeparator();
    m_moveGroup << item(u"MoveToFirstRenameWhatSelPopupMnu"_s, u"Move To First"_s,
                        &quillanemainfrm::MoveFirstMnu_Click);
    m_moveGroup << item(u"MoveToLastRenameWhatSelPopupMnu"_s, u"Move To Last"_s,
                        &quillanemainfrm::MoveLastMnu_Click);
}

void quillanemainfrm::createToolbar() {
    m_toolbar = new QToolBar(this);
    m_toolbar->setObjectName(u"cToolbar1"_s);
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolbar->setIconSize(QSize(24, 24));
    addToolBar(Qt::TopToolBarArea, m_toolbar);

    int position = 0;
    for (const ToolbarButton& button : toolbarButtons()) {
        for (; position < button.position; ++position)
            m_toolbar->addSeparator();
        QAction* action = m_toolbar->addAction(QString(button.key));
        action->setObjectName(button.key);
        action->setToolTip(button.toolTip);
        connect(action, &QAction::triggered, this,
                [this, command = QString(button.command)] { runCommand(command); });
        m_toolbarActions << action;
        ++position;
    }
    for (QAction* action : m_toolbar->actions())
        if (QWidget* shown = m_toolbar->widgetForAction(action))
            shown->installEventFilter(this);
    const auto button = [this](const char* key) {
        return m_toolbar->findChild<QAction*>(QLatin1StringView(key), Qt::FindDirectChildrenOnly);
    };
    m_removeGroup << button("Remove") << button("Remove All");
    m_moveGroup << button("Up") << button("Down");
    m_listGroup << button("Rename");
    // The buttons no list state governs: idle mode turns them back on itself.
    m_ungroupedButtons << button("Add") << button("Add Dir") << button("Options") << button("Help");
}

void quillanemainfrm::createGrid(QWidget* form) {
    m_grid = new RenameGrid(form);
    m_grid->setObjectName(u"grdThis"_s);
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
    m_gridViewport->installEventFilter(this);
}

void quillanemainfrm::createGridOptions() {
    m_gridOptions = new GridOptionsPanel(*m_grid, this);
    m_gridOptionsDock = new QDockWidget(u"Grid Appearance"_s, this);
    m_gridOptionsDock->setObjectName(u"GridOptionsDock"_s);
    m_gridOptionsDock->setWidget(m_gridOptions);
    addDockWidget(Qt::RightDockWidgetArea, m_gridOptionsDock);
    m_gridOptionsDock->hide();
}

void quillanemainfrm::createListButtons(QWidget* form) {
    const auto button = [&](const QString& name, const QString& toolTip, const QString& icon,
                            const QString& text, void (quillanemainfrm::*handler)()) {
        auto* created = new QToolButton(form);
        created->setObjectName(name);
        created->setToolTip(toolTip);
        if (icon.isEmpty()) {
            created->setText(text);
        } else {
            created->setIcon(QIcon(icon));
            created->setIconSize(QSize(12, 12));
        }
        connect(created, &QToolButton::clicked, this, handler);
        return created;
    };
    button(u"selposup_cmd"_s, u"Move Up"_s, u":/list/up.png"_s, {},
           &quillanemainfrm::selposup_cmd_Click);
    button(u"selposdown_cmd"_s, u"Move Down"_s, u":/list/down.png"_s, {},
           &quillanemainfrm::selposdown_cmd_Click);
    QToolButton* clear = button(u"renamelst_Clear_cmd"_s, u"Clear Rename List"_s, {}, u"Clear"_s,
                                &quillanemainfrm::renamelst_Clear_cmd_Click);
    QFont small = clear->font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    clear->setFont(small);
    m_listButtons << clear;
    m_listButtons << button(u"renamelst_SelectAll_cmd"_s, u"Select All"_s,
                            u":/list/selectall.png"_s, {},
                            &quillanemainfrm::renamelst_SelectAll_cmd_Click);
    m_listButtons << button(u"renamelst_DeselectAll_cmd"_s, u"Deselect All"_s,
                            u":/list/deselectall.png"_s, {},
                            &quillanemainfrm::renamelst_DeselectAll_cmd_Click);
    m_listButtons << button(u"renamelst_InvSel_cmd"_s, u"Inverse Select"_s,
                            u":/list/invertselection.png"_s, {},
                            &quillanemainfrm::renamelst_InvSel_cmd_Click);
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
}

void quillanemainfrm::placeDesignedControls() {
    for (const DesignRect& design : mainWindowDesign()) {
        QWidget* control = m_form->findChild<QWidget*>(design.control);
        if (control == nullptr)
            continue;
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
    const int around = menuBar()->sizeHint().height() + m_toolbar->sizeHint().height() +
                       statusBar()->sizeHint().height();
    resize(designSize.width(), designSize.height() + around);

    m_profile.IsWindowsXP = isWindowsXP(m_platform);
    for (int i = 0; i < m_toolbarActions.size(); ++i) {
        const ToolbarButton& button = toolbarButtons()[i];
        const int image = m_profile.IsWindowsXP ? button.imageOnWindowsXP : button.imageElsewhere;
        m_toolbarActions[i]->setIcon(QIcon(u":/toolbar/%1.png"_s.arg(image, 2, 10, QChar(u'0'))));
    }
    if (m_profile.IsWindowsXP) {
        // A picture that cannot be loaded keeps its design-time look; the loader has told why.
        const QColor background = palette().color(QPalette::Window);
        BusyIconImg =
            pictureFromIconFile(pathIn(m_appDir, u"Busy.ir"_s), background, m_dialogs, BusyIconImg);
        NotBusyIconImg = pictureFromIconFile(pathIn(m_appDir, u"Idle.ir"_s), background, m_dialogs,
                                             NotBusyIconImg);
    }

    setWindowTitle(MainWindowText::CaptionStart + ProgramVersion);

    m_settings.applyStartupSettings([this] { m_filters.repairAtStartup(); });
    showMenuState();
    showGridSetting();
    if (m_settings.showTipOfTheDay())
        TODMnu_Click();

    m_panels[0]->setText(MainWindowText::AwaitingJob);
    m_panels[2]->setText(MainWindowText::Idle);
    showStatePicture(false);
    Refresh_Buttons();
    RefreshRenOutputLst();
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
        QWidget* control = m_form->findChild<QWidget*>(step.control);
        if (control == nullptr)
            continue;
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
    } else if (watched->parent() == m_toolbar && (type == QEvent::Enter || type == QEvent::Leave)) {
        // Leaving a button for the bare tool bar shows the idle text; entering the next button,
        // which comes after, shows its own.
        const auto overAction = [&](QAction* action) {
            return m_toolbar->widgetForAction(action) == watched;
        };
        const QList<QAction*> actions = m_toolbar->actions();
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
        m_popup->popup(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    } else if ((watched == m_grid || watched == m_gridViewport) && type == QEvent::ContextMenu) {
        // The mouse opens the menu on release, above; the keyboard's menu key opens it here.
        if (static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
            const QRect current = m_grid->visualRect(m_grid->currentIndex());
            m_popup->popup(
                m_gridViewport->mapToGlobal(current.isValid() ? current.center() : QPoint(0, 0)));
        }
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void quillanemainfrm::showToolbarHover(int position) {
    // While busy, panel 1 says what the program is doing.
    if (!m_busy)
        m_panels[0]->setText(toolbarHoverText(position));
}

void quillanemainfrm::runCommand(const QString& menuItem) {
    if (QAction* item = findChild<QAction*>(menuItem))
        item->trigger();
}

void quillanemainfrm::closeEvent(QCloseEvent* event) {
    // A run repaints the window as it goes, which lets a close request in; the run must end first.
    if (m_busy) {
        event->ignore();
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
    for (QAction* action : std::as_const(m_listGroup))
        action->setEnabled(states.listGroup);
    for (QAbstractButton* button : std::as_const(m_listButtons))
        button->setEnabled(states.listGroup);
    for (QAction* action : std::as_const(m_removeGroup))
        action->setEnabled(states.removeGroup);
    for (QAction* action : std::as_const(m_moveGroup))
        action->setEnabled(states.moveGroup);
    m_panels[1]->setText(states.statusText);
}

void quillanemainfrm::RefreshRenOutputLst() {
    m_list.refreshRenOutput(m_rules->ruleSet(), m_stamper);
}

void quillanemainfrm::showStatePicture(bool busy) {
    const QPixmap& shown = m_profile.NormalDpi ? (busy ? BusyIconImg : NotBusyIconImg)
                                               : (busy ? BusyIconImg16 : NotBusyIconImg16);
    m_panels[3]->setPixmap(shown);
}

void quillanemainfrm::BusyMode() {
    m_busy = true;
    m_panels[0]->setText(MainWindowText::Processing);
    m_fileMenu->menuAction()->setEnabled(false);
    m_actionMenu->menuAction()->setEnabled(false);
    for (QAction* action : std::as_const(m_toolbarActions))
        action->setEnabled(false);
    if (!m_progressHome)
        PlaceInStatusPanel();
    const QRect panel = m_panels[2]->geometry();
    m_progress->move(panel.left() + pixels(ProgressBorder), m_progress->y());
    colourProgressBar();
    showStatePicture(true);
}

void quillanemainfrm::PlaceInStatusPanel() {
    m_progressHome = m_progress->parentWidget();
    QStatusBar* bar = statusBar();
    m_progress->setParent(bar);
    const QRect panel = m_panels[2]->geometry();
    const int border = pixels(ProgressBorder);
    m_progress->setGeometry(panel.left() + border, border, panel.width() - 2 * border,
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
    m_fileMenu->menuAction()->setEnabled(true);
    m_actionMenu->menuAction()->setEnabled(true);
    for (QAction* button : std::as_const(m_ungroupedButtons))
        button->setEnabled(true);
    Refresh_Buttons();
    m_progress->setValue(0);
    m_progress->move(pixels(ProgressHiddenLeft), m_progress->y());
    m_busy = false;
    m_panels[0]->setText(MainWindowText::AwaitingJob);
    m_panels[2]->setText(MainWindowText::Idle);
    showStatePicture(false);
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
    BusyMode();
    RunResult result;
    {
        BusyPointer pointer;
        PaintThrottle throttle;
        const RenameRuleSet rules = m_rules->ruleSet();
        const MainMenuState& menu = m_settings.mainMenu();
        RunProgress progress{[this, &throttle](qint32 maximum) {
                                 m_progress->setMaximum(std::max(maximum, 1));
                                 throttle.repaint();
                             },
                             [this, &throttle](qint32 value) {
                                 m_progress->setValue(value);
                                 throttle.repaint();
                             }};
        result = m_list.renameFiles(m_files, m_dialogs,
                                    {menu.OutputWhereFileIsMnu, m_settings.customOutputDir(),
                                     rules.NewAttributesOn, rules.newAttributeValue()},
                                    std::move(progress));
    }
    NotBusyMode();
    if (!result.invalidNames.isEmpty())
        tellSkippedNames(result.invalidNames);
}

void quillanemainfrm::tellSkippedNames(const QList<qint32>& rows) {
    // Enough names to recognise the files by, not a box taller than the screen.
    constexpr qsizetype Shown = 10;
    QString text = MainWindowText::NamesSkipped;
    for (qsizetype i = 0; i < std::min(rows.size(), Shown); ++i) {
        const RenameList& list = m_list.list();
        text += u"\r\n"_s + list.cell(rows[i], ListColumn::Filename) + u"  ->  "_s +
                list.cell(rows[i], ListColumn::Renout);
    }
    if (rows.size() > Shown)
        text += u"\r\n"_s + QString(MainWindowText::MoreSkipped).arg(rows.size() - Shown);
    m_dialogs.showMessage({ApplicationTitle, text, MessageIcon::Exclamation, MessageButtons::Ok,
                           MessageAnswer::Ok, false, DialogOwner::MainWindow});
}

// --- settings commands

void quillanemainfrm::showMenuState() {
    const MainMenuState& state = m_settings.mainMenu();
    findChild<QAction*>(u"IncSubdirMnu"_s)->setChecked(state.IncSubdirMnu);
    findChild<QAction*>(u"ExcSubdirMnu"_s)->setChecked(state.ExcSubdirMnu);
    findChild<QAction*>(u"OutputWhereFileIsMnu"_s)->setChecked(state.OutputWhereFileIsMnu);
    QAction* custom = findChild<QAction*>(u"OutputCustomDirMnu"_s);
    custom->setChecked(state.OutputCustomDirMnu);
    if (!state.OutputCustomDirMnuCaption.isEmpty())
        custom->setText(state.OutputCustomDirMnuCaption);
    findChild<QAction*>(u"ShowGridMnu"_s)->setChecked(state.ShowGridMnu);
}

void quillanemainfrm::showGridSetting() {
    // Only the setting's own moments draw or drop the lines, so that the grid options' box
    // keeps its say in between.
    const bool shown = m_settings.mainMenu().gridLines;
    m_grid->setGridLines(shown);
    m_gridOptions->showGridLines(shown);
}

void quillanemainfrm::IncSubdirMnu_Click() {
    m_settings.IncSubdirMnu_Click();
    showMenuState();
}

void quillanemainfrm::ExcSubdirMnu_Click() {
    m_settings.ExcSubdirMnu_Click();
    showMenuState();
}

void quillanemainfrm::OutputWhereFileIsMnu_Click() {
    m_settings.OutputWhereFileIsMnu_Click();
    showMenuState();
}

void quillanemainfrm::OutputCustomDirMnu_Click() {
    m_settings.OutputCustomDirMnu_Click();
    showMenuState();
}

void quillanemainfrm::ShowGridMnu_Click() {
    m_settings.ShowGridMnu_Click();
    showMenuState();
    showGridSetting();
}

void quillanemainfrm::GeneralMnu_Click() {
    Preferencesfrm preferences(m_settings, m_filters, m_dialogs, m_owners, this);
    preferences.exec();
    showMenuState();
}

void quillanemainfrm::TODMnu_Click() {
    // One tip window at a time; asking again brings it forward.
    if (m_tipWindow == nullptr)
        m_tipWindow = new Tipfrm(m_settings, m_files, m_dialogs, this);
    m_tipWindow->show();
    m_tipWindow->raise();
    m_tipWindow->activateWindow();
}

void quillanemainfrm::HelpTopicsMnu_Click() {
    OpenHelpFile(m_appDir, m_files, m_shell, m_dialogs);
}

void quillanemainfrm::TechMnu_Click() {
    TechSupportDialog support(m_shell, this);
    support.exec();
}

void quillanemainfrm::AbtMnu_Click() {
    abtfrm about(m_aboutIcons, m_shell, m_registry, m_files, m_dialogs, this);
    about.exec();
}

void quillanemainfrm::CustomFileTypeMnu_Click() {
    customfilefilterfrm filterDialog(m_filters, m_dialogs, m_owners, this);
    filterDialog.exec();
}

} // namespace quillane
