#include "startup/CommandLine.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace quillane {

namespace {

constexpr QLatin1StringView Description(
    "Renames many files at once. Each file named joins the rename list; each folder adds its "
    "files, and those of its subfolders when Include Subdirectory is on. When Quillane is already "
    "running, the paths go to its window.");
constexpr QLatin1StringView PathHelp("Files and folders to add to the rename list.");

} // namespace

void describeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(Description);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(u"path"_s, PathHelp, u"[path...]"_s);
}

bool asksOnlyForText(const QStringList& arguments) {
    QCommandLineParser parser;
    describeCommandLine(parser);
    // Options only a window's start knows (Qt's own) fail this reading, not the question.
    static_cast<void>(parser.parse(arguments));
    return parser.isSet(u"help"_s) || parser.isSet(u"help-all"_s) || parser.isSet(u"version"_s);
}

QStringList pathsFromCommandLine(const QCommandLineParser& parser, const QString& workingFolder) {
    const QDir start(workingFolder);
    QStringList paths;
    for (const QString& given : parser.positionalArguments())
        paths.append(QDir::cleanPath(start.absoluteFilePath(given)));
    return paths;
}

} // namespace quillane
