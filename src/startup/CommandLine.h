#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace quillane {

// The program's options and its one kind of argument, for reading them and for the help text.
void describeCommandLine(QCommandLineParser& parser);

// Whether the arguments ask for the help or the version, which are printed without a window and
// so need no display.
bool asksOnlyForText(const QStringList& arguments);

// The paths the command line names, made absolute from the folder the program was started in:
// a running copy they are handed to works from another.
QStringList pathsFromCommandLine(const QCommandLineParser& parser, const QString& workingFolder);

} // namespace quillane
