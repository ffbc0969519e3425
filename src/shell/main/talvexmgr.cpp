// talvexmgr: the configuration manager. The whole text after the program
// name is the configuration file's name; none starts a new configuration.
#include <QApplication>
#include <clocale>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "config/file_access.h"
#include "shell/command_line_answer.h"
#include "shell/shell_names.h"
#include "shell/view/talvex_app.h"
#include "talvex_version.h"

int main(int argc, char** argv)
{
    talvex::PrepareStandardFiles();
    // The file name is the raw text; take it before Qt looks at the arguments.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const std::string commandLine = talvex::CommandLineText(arguments);

    // --help and --version need no display, so they are answered before Qt
    // starts.
    if (const auto answer = talvex::CommandLineAnswer(commandLine, talvex::TALVEX_VERSION)) {
        std::cout << *answer << std::flush;
        return std::cout ? EXIT_SUCCESS : EXIT_FAILURE;
    }

    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("talvexmgr"));
    // Qt takes the C library's locale from the environment; numbers are
    // read and written the same way under every locale.
    std::setlocale(LC_NUMERIC, "C");

    talvex::TalvexApp::Options options;
    if (const char* splash = std::getenv("TALVEXMGR_SPLASH_MS"))
        options.splashMs = std::atoi(splash);
    talvex::TalvexApp manager(options);
    manager.StartUp(commandLine);
    return manager.RunSheet();
}
