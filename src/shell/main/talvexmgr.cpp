// talvexmgr: the configuration manager. The whole text after the program
// name is the configuration file's name; none starts a new configuration.
#include <QApplication>
#include <clocale>
#include <csignal>
#include <cstdlib>
#include <string>
#include <vector>

#include "shell/shell_names.h"
#include "shell/view/talvex_app.h"

int main(int argc, char** argv)
{
    std::signal(SIGXFSZ, SIG_IGN);
    // The file name is the raw text; take it before Qt looks at the arguments.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const std::string commandLine = talvex::CommandLineText(arguments);

    int qtArgc = 1;
    QApplication app(qtArgc, argv);
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
