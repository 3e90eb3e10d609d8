#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace quillane {

// The title of every message box the program shows.
inline constexpr QLatin1StringView ApplicationTitle("Kestrova Quillane");

// The window that owns a dialog.
enum class DialogOwner { MainWindow, Preferences, FilterDialog };

enum class MessageIcon { None, Information, Exclamation, Question, Critical };
enum class MessageButtons {
    Ok,
    YesNo,
    YesNoToAll, // Yes, Yes to All, No, No to All
};
enum class MessageAnswer { Ok, Yes, No, YesToAll, NoToAll };

// A modal message box exactly as shown.
struct MessageRequest {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::Exclamation;
    MessageButtons buttons = MessageButtons::Ok;
    MessageAnswer defaultButton = MessageAnswer::Ok;
    bool keptOnTop = false;
    DialogOwner owner = DialogOwner::MainWindow;
    friend bool operator==(const MessageRequest&, const MessageRequest&) = default;
};

// A box that lists many lines under one text, scrolling when they are many, with an OK button.
struct ReportRequest {
    QString title;
    QString text;
    QStringList lines;
    DialogOwner owner = DialogOwner::MainWindow;
    friend bool operator==(const ReportRequest&, const ReportRequest&) = default;
};

// A question answered by one of its own buttons; the lines, when there are any, name what the
// question is about, below its text.
struct ChoiceRequest {
    QString title;
    QString text;
    QStringList lines;
    QStringList buttons;
    int defaultButton = 0;
    int escapeButton = 0; // Escape and the close box answer with this one
    MessageIcon icon = MessageIcon::Question;
    DialogOwner owner = DialogOwner::MainWindow;
    friend bool operator==(const ChoiceRequest&, const ChoiceRequest&) = default;
};

// The open-file dialog with multiple selection.
struct OpenFilesRequest {
    QString title;
    QString initialDirectory;
    QStringList filters; // in Qt's form, such as "Jpeg (*.jpg *.jpeg *.jpe)"
    int selectedFilter = 0;
    DialogOwner owner = DialogOwner::MainWindow;
    friend bool operator==(const OpenFilesRequest&, const OpenFilesRequest&) = default;
};

// The files picked: full paths in the dialog's order.
struct OpenFilesResult {
    QStringList paths;
    friend bool operator==(const OpenFilesResult&, const OpenFilesResult&) = default;
};

// The folder browser, limited to file-system folders.
struct FolderRequest {
    QString title;
    DialogOwner owner = DialogOwner::MainWindow;
    friend bool operator==(const FolderRequest&, const FolderRequest&) = default;
};

// A box that asks for a short text, such as a name; the choices are offered in a list. With
// `anyText` the user may type another text, else must take one of the choices.
struct TextRequest {
    QString title;
    QString label;
    QStringList choices;
    bool anyText = true;
    DialogOwner owner = DialogOwner::MainWindow;
    friend bool operator==(const TextRequest&, const TextRequest&) = default;
};

// Every message box and file or folder dialog the program shows.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual MessageAnswer showMessage(const MessageRequest& request) = 0;
    virtual void showReport(const ReportRequest& request) = 0;
    // The index of the button the user chose.
    virtual int choose(const ChoiceRequest& request) = 0;
    // Nothing when the user cancels.
    virtual std::optional<OpenFilesResult> openFiles(const OpenFilesRequest& request) = 0;
    // The chosen folder, or nothing when the user cancels.
    virtual std::optional<QString> browseForFolder(const FolderRequest& request) = 0;
    // The text given, or nothing when the user cancels.
    virtual std::optional<QString> askText(const TextRequest& request) = 0;
};

} // namespace quillane
