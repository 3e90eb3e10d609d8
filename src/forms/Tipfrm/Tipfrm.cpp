#include "forms/Tipfrm/Tipfrm.h"

#include "forms/widgets/FormPictures.h"
#include "icons/LoadOpenFileICO.h"
#include "platform/PathText.h"
#include "startup/Tips.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace quillane {

using namespace Qt::StringLiterals;

namespace {

const QString TipsFile = u"tod.ctd"_s;

} // namespace

Tipfrm::Tipfrm(SettingsStore& settings, QString shippedDir, FileSystem& files, Dialogs& dialogs,
               QWidget* owner)
    : QDialog(owner), m_settings(settings), m_shippedDir(std::move(shippedDir)), m_files(files),
      m_dialogs(dialogs) {
    loadFormPictures();
    setObjectName(u"Tipfrm"_s);
    setWindowTitle(u"Kestrova Quillane Tip of the Day"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    auto* layout = new QGridLayout(this);
    // A long tip makes the window taller rather than losing its last lines.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    m_panel = new QFrame(this);
    m_panel->setObjectName(u"Picture1"_s);
    m_panel->setAutoFillBackground(true);
    QPalette paper = m_panel->palette();
    paper.setColor(QPalette::Window, QColor(255, 255, 240));
    m_panel->setPalette(paper);
    auto* panelLayout = new QGridLayout(m_panel);
    m_icon = new QLabel(m_panel);
    m_icon->setObjectName(u"PicIcon"_s);
    // The design-time picture, kept when the icon file cannot be loaded.
    m_icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    panelLayout->addWidget(m_icon, 0, 0, 2, 1, Qt::AlignTop);
    auto* heading = new QLabel(u"Did you know..."_s, m_panel);
    heading->setObjectName(u"Label1"_s);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    heading->setFont(bold);
    panelLayout->addWidget(heading, 0, 1);
    m_tipText = new QLabel(u"There are no tips to show."_s, m_panel);
    m_tipText->setObjectName(u"lblTipText"_s);
    m_tipText->setWordWrap(true);
    m_tipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_tipText->setMinimumSize(320, 90);
    panelLayout->addWidget(m_tipText, 1, 1);
    panelLayout->setColumnStretch(1, 1);
    layout->addWidget(m_panel, 0, 0, 1, 3);

    m_showAtStartup = new QCheckBox(u"&Show Tips at Startup"_s, this);
    m_showAtStartup->setObjectName(u"chkLoadTipsAtStartup"_s);
    layout->addWidget(m_showAtStartup, 1, 0);
    auto* next = new QPushButton(u"&Next Tip"_s, this);
    next->setObjectName(u"cmdNextTip"_s);
    next->setAutoDefault(false);
    layout->addWidget(next, 1, 1);
    auto* close = new QPushButton(u"Close"_s, this);
    close->setObjectName(u"cmdOK"_s);
    close->setDefault(true);
    layout->addWidget(close, 1, 2);
    layout->setColumnStretch(0, 1);

    connect(next, &QPushButton::clicked, this, &Tipfrm::DoNextTip);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_showAtStartup, &QCheckBox::clicked, this,
            [this](bool checked) { m_settings.setShowTipOfTheDay(checked); });

    Form_Load();
}

void Tipfrm::Form_Load() {
    const QColor background = m_panel->palette().color(QPalette::Window);
    if (const std::optional<QImage> icon =
            LoadOpenFileICO(pathIn(m_shippedDir, u"Tod.ir"_s), background, m_dialogs))
        m_icon->setPixmap(QPixmap::fromImage(*icon));
    // Without its icon the window still offers its tips.
    m_showAtStartup->setChecked(m_settings.showTipOfTheDay());
    if (const std::optional<QStringList> tips = LoadTips(pathIn(m_shippedDir, TipsFile), m_files)) {
        m_tips = *tips;
        DoNextTip();
    } else {
        m_tipText->setText(u"That the "_s + TipsFile + u" file was not found? "_s);
    }
}

void Tipfrm::DoNextTip() {
    if (!m_tips.isEmpty())
        m_currentTip = pickTip(m_tips.size(), *QRandomGenerator::global());
    DisplayCurrentTip();
}

void Tipfrm::DisplayCurrentTip() {
    if (!m_tips.isEmpty())
        m_tipText->setText(m_tips[m_currentTip]);
}

} // namespace quillane
