#include "startup/Manifest.h"

#include "platform/PathText.h"

using namespace Qt::StringLiterals;

namespace quillane {

namespace {

const QString ManifestName = u"Quillane.exe.manifest"_s;

} // namespace

const QStringList& manifestLines() {
    // The spaces some lines end in are part of the text: the file is written exactly as listed.
    static const QStringList lines{
        u"<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>"_s,
        u"<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">"_s,
        u"    <assemblyIdentity "_s,
        u"        version=\"1.0.0.0\" "_s,
        u"        processorArchitecture=\"X86\" "_s,
        u"        name=\"Kestrova Brellow\" "_s,
        u"        type=\"win32\" />"_s,
        u"    <description>Tornvale Brellow Des</description>"_s,
        u"    <dependency>"_s,
        u"        <dependentAssembly>"_s,
        u"            <assemblyIdentity "_s,
        u"                type=\"win32\" "_s,
        u"                name=\"Microsoft.Windows.Common-Controls\" "_s,
        u"                version=\"6.0.0.0\" "_s,
        u"                processorArchitecture=\"X86\" "_s,
        u"                publicKeyToken=\"6595b64144ccf1df\" "_s,
        u"                language=\"*\" />"_s,
        u"        </dependentAssembly>"_s,
        u"    </dependency>"_s,
        u"</assembly>"_s};
    return lines;
}

bool SaveManifest(const QString& AppDir, FileSystem& files) {
    const QString path = pathIn(AppDir, ManifestName);
    // A copy that stays read-only fails the write below, and that failure is the one reported.
    if (files.exists(path))
        static_cast<void>(files.setAttributes(path, 0));
    return files.writeTextFile(path, manifestLines().join(u"\r\n"_s) + u"\r\n"_s).ok();
}

QString appDirFrom(const QString& executableFolder) {
    return withoutTrailingSeparators(executableFolder);
}

} // namespace quillane
