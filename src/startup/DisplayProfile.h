#pragma once

#include "platform/SystemQueries.h"
#include "settings/Registry.h"

#include <QString>
#include <QtGlobal>

#include <functional>

namespace quillane {

// Layout adjustments the main window takes from the display, in twips.
struct DisplayProfile {
    bool NormalDpi = false;
    bool IsWindowsXP = false;
    bool ManifestWritten = false;
    qint16 WidthExtra = 0;
    qint16 HeightExtra = 0;
    qint16 ListButtonsShift = 0;
    qint16 ListButtonsRaise = 0;
    qint16 ClearButtonShift = 0;
    qint16 ThemedButtonShift = 0;
    friend bool operator==(const DisplayProfile&, const DisplayProfile&) = default;
};

// What the display checks read: the DPI values, the platform version and the theme settings.
struct DisplaySettings {
    QString dpiLogicalX;
    qint32 logPixels = 0;
    PlatformVersion version;
    QString themeActive;
    QString sizeName;
    QString appearanceScheme;
};

// Reads the settings; where the platform keeps no DPI value, `screenDpi` stands for it.
DisplaySettings readDisplaySettings(const Registry& registry, const SystemQueries& system,
                                    qint32 screenDpi);

// The profile for those settings; `SaveManifest` runs when visual styles are on and says
// whether the manifest was written.
DisplayProfile computeDisplayProfile(const DisplaySettings& settings,
                                     const std::function<bool()>& SaveManifest);

} // namespace quillane
