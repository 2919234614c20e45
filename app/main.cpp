// Start of the window program: the application title, then the windows and
// the data set in their order of creation, then the event loop. All windows
// live until the end and are only shown and hidden; the program ends through
// the finish window.
//
// The command line names at most one file to open at start, as the desktop's
// file manager hands over an input file or report ("tervala FILE").
#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>

#include "app/tervala_program.h"
#include "ui/program_folders.h"
#include "ui/program_info.h"
#include "ui/qt_dialogs.h"
#include "ui/tervala_resources.h"

namespace {

constexpr int kExitUsage = 2;

void PrintUsage(std::ostream& out) {
    out << "Usage: tervala [FILE]\n"
           "Tervala: rainfall, drain discharge and water table of drained land.\n\n"
           "FILE, an input file (.inp) or a report (.out) of Tervala, is opened at start as\n"
           "\"Open input\" or \"Open output\" opens it.\n\n"
           "  -h, --help     show this help and exit\n"
           "      --version  show the version and the licence and exit\n\n"
           "The example data sets are in "
        << tervala::ExamplesFolder()
        << ".\nWithout a window, tervala-batch runs input files and draws graphs.\n";
}

// --help and --version are answered before the window system is started, so
// that they work without a display.
std::optional<int> AnswerInformationOption(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            PrintUsage(std::cout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "tervala (Tervala) " << tervala::kProgramVersion << '\n'
                      << tervala::kLicenceNotice << '\n';
            return 0;
        }
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> answered = AnswerInformationOption(argc, argv)) return *answered;
    QApplication app(argc, argv);
    // The window system has taken its own options (-platform, ...); what is
    // left names the file to open.
    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.size() > 1 || (!arguments.isEmpty() && arguments.front().startsWith('-'))) {
        std::cerr << "tervala: unexpected arguments\n";
        PrintUsage(std::cerr);
        return kExitUsage;
    }
    const QString title = "Ombrel rainfall runoff relations";
    QApplication::setApplicationName(title);
    tervala::InitTervalaResources();
    // The desktop entry and the icon that stand for the program's windows.
    QGuiApplication::setDesktopFileName(TERVALA_APP_ID);
    QIcon icon(":/icons/tervala-256.png");
    icon.addFile(":/icons/tervala-48.png");
    QApplication::setWindowIcon(icon);
    tervala::QtDialogs dialogs(title);

    tervala::TervalaProgram program(dialogs);
    tervala::TRainForm& RainForm = program.RainForm;
    RainForm.show();
    if (!arguments.isEmpty()) {
        const std::string file = QFileInfo(arguments.front()).absoluteFilePath().toStdString();
        // Once the window is up, so that its messages have a window to stand on.
        QTimer::singleShot(0, &RainForm, [&RainForm, file] { RainForm.OpenGivenFile(file); });
    }
    return app.exec();
}
