#pragma once

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "settings/Registry.h"

#include <QString>

#include <array>

namespace quillane {

// Where the program sends its users for help, news and support.
namespace Destination {
inline constexpr QLatin1StringView ProductPage("https://quillane.kestrova.example/");
inline constexpr QLatin1StringView FaqPage("https://quillane.kestrova.example/faq");
inline constexpr QLatin1StringView MakerPage("https://kestrova.example/");
inline constexpr QLatin1StringView SupportPage("https://quillane.kestrova.example/support");
inline constexpr QLatin1StringView SupportMail("support@kestrova.example");
// The mail boxes of the teams named in the about box, in its order.
inline constexpr std::array<QLatin1StringView, 4> TeamMail{
    QLatin1StringView("rules@kestrova.example"), QLatin1StringView("lists@kestrova.example"),
    QLatin1StringView("files@kestrova.example"), QLatin1StringView("windows@kestrova.example")};
} // namespace Destination

// Opens the manual; a manual that is not there is reported.
void OpenHelpFile(const QString& AppDir, FileSystem& files, Shell& shell, Dialogs& dialogs);
void OpenWebPage(Shell& shell, QLatin1StringView address);
void OpenMail(Shell& shell, QLatin1StringView address);

// Starts the system-information tool the system names, or says there is none.
void StartSysInfo(const Registry& registry, FileSystem& files, Shell& shell, Dialogs& dialogs);

} // namespace quillane
