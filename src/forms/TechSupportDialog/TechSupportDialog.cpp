#include "forms/TechSupportDialog/TechSupportDialog.h"

#include "forms/widgets/LinkLabel.h"
#include "startup/HelpAndSupport.h"

#include <QGridLayout>

namespace quillane {

using namespace Qt::StringLiterals;

TechSupportDialog::TechSupportDialog(Shell& shell, QWidget* owner) : QDialog(owner) {
    setObjectName(u"TechSupportDialog"_s);
    setWindowTitle(u"Kestrova QuillaneTechnical Support"_s);
    setModal(true);

    auto* layout = new QGridLayout(this);
    const auto label = [&](const QString& name, const QString& text, int row, int column,
                           int span = 1) {
        auto* created = new QLabel(text, this);
        created->setObjectName(name);
        layout->addWidget(created, row, column, 1, span);
    };
    const auto link = [&](const QString& name, QLatin1StringView address, int row,
                          const std::function<void()>& follow) {
        auto* created = new LinkLabel(address, this);
        created->setObjectName(name);
        connect(created, &LinkLabel::activated, this, follow);
        layout->addWidget(created, row, 1);
    };
    label(u"Label3"_s, u"You can submit bug reports to"_s, 0, 0, 2);
    label(u"Label12"_s, u"Support:"_s, 1, 0);
    link(u"SupportURL_lbl"_s, Destination::SupportPage, 1,
         [&shell] { OpenWebPage(shell, Destination::SupportPage); });
    label(u"Label4"_s, u"Email:"_s, 2, 0);
    link(u"SupportEmail_lbl"_s, Destination::SupportMail, 2,
         [&shell] { OpenMail(shell, Destination::SupportMail); });
    label(u"Label1"_s, u"Please check the below website for any updates and bugfixes."_s, 3, 0, 2);
    label(u"Label2"_s, u"Website:"_s, 4, 0);
    link(u"QuillaneURL_lbl"_s, Destination::ProductPage, 4,
         [&shell] { OpenWebPage(shell, Destination::ProductPage); });
    layout->setVerticalSpacing(8);
    layout->setColumnStretch(1, 1);
}

} // namespace quillane
