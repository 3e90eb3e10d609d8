#include "startup/DisplayProfile.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace quillane {

namespace {

const QString ThemeManagerKey = u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\ThemeManager"_s;

// The number at the start of the text (blanks, a sign, digits and a fraction); 0 when there is
// none.
double leadingValue(const QString& text) {
    static const QRegularExpression number(u"^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)"_s);
    const QRegularExpressionMatch match = number.match(text);
    return match.hasMatch() ? match.captured(0).trimmed().toDouble() : 0.0;
}

void classicLook(DisplayProfile& profile, const QString& scheme) {
    if (scheme == u"Windows Standard"_s) {
        profile.HeightExtra = -50;
    } else if (scheme == u"Windows Standard (large)"_s) {
        profile.WidthExtra = 850;
        profile.ClearButtonShift = 10;
    } else if (scheme == u"Windows Standard (extra large)"_s) {
        profile.WidthExtra = 2250;
        profile.HeightExtra = 90;
    }
}

void visualStyles(DisplayProfile& profile, const QString& sizeName,
                  const std::function<bool()>& SaveManifest) {
    profile.ManifestWritten = SaveManifest && SaveManifest();
    if (profile.ManifestWritten)
        profile.ThemedButtonShift = 10;
    const qint16 shift = profile.ManifestWritten ? 40 : 0;
    const qint16 raise = profile.ManifestWritten ? 50 : 0;
    if (sizeName == u"NormalSize"_s) {
        profile.ListButtonsShift = shift;
        profile.ListButtonsRaise = raise;
        profile.ClearButtonShift = profile.ThemedButtonShift;
    } else if (sizeName == u"LargeFonts"_s) {
        profile.WidthExtra = 850;
        profile.HeightExtra = 60;
        profile.ListButtonsShift = profile.ManifestWritten ? 40 : -5;
        profile.ListButtonsRaise = raise;
    } else if (sizeName == u"ExtraLargeFonts"_s) {
        profile.WidthExtra = 2250;
        profile.HeightExtra = 200;
        profile.ListButtonsShift = shift;
        profile.ListButtonsRaise = raise;
    }
}

} // namespace

DisplaySettings readDisplaySettings(const Registry& registry, const SystemQueries& system,
                                    qint32 screenDpi) {
    DisplaySettings settings;
    settings.dpiLogicalX =
        registry.GetString(RegistryRoot::CurrentConfig, u"Display\\Settings"_s, u"DPILogicalX"_s);
    if (settings.dpiLogicalX.isEmpty())
        settings.logPixels = registry.GetDWord(RegistryRoot::CurrentConfig, u"Software\\Fonts"_s,
                                               u"LogPixels"_s, screenDpi);
    settings.version = system.platformVersion();
    settings.themeActive =
        registry.GetString(RegistryRoot::CurrentUser, ThemeManagerKey, u"ThemeActive"_s);
    settings.sizeName =
        registry.GetString(RegistryRoot::CurrentUser, ThemeManagerKey, u"SizeName"_s);
    settings.appearanceScheme =
        registry.GetString(RegistryRoot::CurrentUser, u"Control Panel\\Appearance"_s, u"Current"_s);
    return settings;
}

DisplayProfile computeDisplayProfile(const DisplaySettings& settings,
                                     const std::function<bool()>& SaveManifest) {
    DisplayProfile profile;
    const QString dpi =
        settings.dpiLogicalX.isEmpty() ? QString::number(settings.logPixels) : settings.dpiLogicalX;
    profile.NormalDpi = leadingValue(dpi) <= 96;

    const PlatformVersion& v = settings.version;
    if (!v.ntFamily) {
        profile.WidthExtra = 100;
        profile.HeightExtra = -50;
    } else if (v.major != 5 || v.minor != 1) {
        profile.WidthExtra = 100;
        profile.HeightExtra = -140;
    } else {
        profile.IsWindowsXP = true;
        if (settings.themeActive == u"1"_s)
            visualStyles(profile, settings.sizeName, SaveManifest);
        else
            classicLook(profile, settings.appearanceScheme);
    }
    return profile;
}

} // namespace quillane
