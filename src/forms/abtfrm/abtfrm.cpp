#include "forms/abtfrm/abtfrm.h"

#include "forms/widgets/LinkLabel.h"
#include "startup/HelpAndSupport.h"
#include "startup/ProgramVersion.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace quillane {

using namespace Qt::StringLiterals;

namespace {

// The program's parts and the teams behind them, one per mail box.
const std::array<QString, 4> Credits{
    u"Rename rules and preview: the rules team"_s,
    u"Rename list and rename run: the list team"_s,
    u"Adding files and settings: the files team"_s,
    u"Windows and start-up: the windows team"_s,
};

// The warranty disclaimer of the program's licence.
const QString Disclaimer =
    u"THE SOFTWARE IS PROVIDED \"AS IS\", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR IMPLIED, "
    "INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY, FITNESS FOR A PARTICULAR "
    "PURPOSE AND NONINFRINGEMENT. IN NO EVENT SHALL THE AUTHORS OR COPYRIGHT HOLDERS BE LIABLE "
    "FOR ANY CLAIM, DAMAGES OR OTHER LIABILITY, WHETHER IN AN ACTION OF CONTRACT, TORT OR "
    "OTHERWISE, ARISING FROM, OUT OF OR IN CONNECTION WITH THE SOFTWARE OR THE USE OR OTHER "
    "DEALINGS IN THE SOFTWARE."_s;

constexpr int ChangeSplashInterval = 5000;

} // namespace

abtfrm::abtfrm(const AboutIcons& icons, Shell& shell, const Registry& registry, FileSystem& files,
               Dialogs& dialogs, QWidget* owner)
    : QDialog(owner) {
    setObjectName(u"abtfrm"_s);
    setWindowTitle(u"About "_s + ApplicationTitle);
    setModal(true);

    auto* layout = new QGridLayout(this);
    m_productIcon = new QLabel(this);
    m_productIcon->setObjectName(u"PicIcon"_s);
    if (icons.product)
        m_productIcon->setPixmap(QPixmap::fromImage(*icons.product));
    m_productIcon->installEventFilter(this);
    layout->addWidget(m_productIcon, 0, 0, 2, 1, Qt::AlignTop);
    auto* title = new QLabel(ApplicationTitle, this);
    title->setObjectName(u"lblTitle"_s);
    QFont large = title->font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    large.setBold(true);
    title->setFont(large);
    layout->addWidget(title, 0, 1, 1, 2);
    auto* version = new QLabel(ProgramVersion, this);
    version->setObjectName(u"lblVersion"_s);
    layout->addWidget(version, 1, 1, 1, 2);
    auto* maker = new LinkLabel(Destination::MakerPage, this);
    maker->setObjectName(u"kestrova_URL"_s);
    connect(maker, &LinkLabel::activated, this,
            [&shell] { OpenWebPage(shell, Destination::MakerPage); });
    layout->addWidget(maker, 2, 1, 1, 2);

    // Both pages of credits share two rows; the timer shows one pair at a time.
    for (int i = 0; i < 4; ++i) {
        auto* mail = new LinkLabel(QString(), this);
        mail->setObjectName(u"Email_Img(%1)"_s.arg(i));
        mail->setAccessibleName(u"Write to "_s + Destination::TeamMail[i]);
        mail->setToolTip(Destination::TeamMail[i]);
        if (icons.mail)
            mail->setPixmap(QPixmap::fromImage(*icons.mail));
        connect(mail, &LinkLabel::activated, this,
                [&shell, i] { OpenMail(shell, Destination::TeamMail[i]); });
        auto* credit = new QLabel(Credits[i], this);
        credit->setObjectName(u"lblCredit(%1)"_s.arg(i));
        layout->addWidget(mail, 3 + i % 2, 1);
        layout->addWidget(credit, 3 + i % 2, 2);
        mail->setVisible(i < 2);
        credit->setVisible(i < 2);
        m_credits << credit << mail;
    }

    auto* disclaimer = new QLabel(Disclaimer, this);
    disclaimer->setObjectName(u"lblDisclaimer"_s);
    disclaimer->setWordWrap(true);
    QFont small = disclaimer->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    disclaimer->setFont(small);
    layout->addWidget(disclaimer, 5, 0, 1, 3);

    auto* systemInfo = new QPushButton(u"&System Info..."_s, this);
    systemInfo->setObjectName(u"cmdSysInfo"_s);
    systemInfo->setAutoDefault(false);
    connect(systemInfo, &QPushButton::clicked, this, [&registry, &files, &shell, &dialogs] {
        StartSysInfo(registry, files, shell, dialogs);
    });
    auto* ok = new QPushButton(u"OK"_s, this);
    ok->setObjectName(u"cmdOK"_s);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(systemInfo);
    buttons->addWidget(ok);
    layout->addLayout(buttons, 6, 0, 1, 3);
    layout->setColumnStretch(2, 1);
    setMinimumWidth(480);

    m_changeSplash = new QTimer(this);
    m_changeSplash->setObjectName(u"ChangeSplash"_s);
    m_changeSplash->setInterval(ChangeSplashInterval);
    connect(m_changeSplash, &QTimer::timeout, this, &abtfrm::ChangeSplash_Timer);
    m_changeSplash->start();
}

void abtfrm::ChangeSplash_Timer() {
    const bool secondPair = m_page == 1;
    for (int i = 0; i < m_credits.size(); ++i)
        m_credits[i]->setVisible((i >= 4) == secondPair);
    m_page = secondPair ? 2 : 1;
}

bool abtfrm::eventFilter(QObject* watched, QEvent* event) {
    // The product picture closes the box, as OK does.
    if (watched == m_productIcon && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace quillane
