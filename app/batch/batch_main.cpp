// tervala-batch: Tervala's engine without a window, for scripted runs.
#include <CLI/CLI.hpp>
#include <string>

#include "app/batch/batch_commands.h"
#include "ui/program_info.h"

int main(int argc, char** argv) {
    CLI::App app{
        "tervala-batch: run Tervala's engine without a window.\n"
        "Exit codes: 0 done, 1 the engine refused the data (the message says why),\n"
        "2 usage errors and files that cannot be opened, read or written."};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("tervala-batch (Tervala) ") +
                                          tervala::kProgramVersion + "\n" +
                                          tervala::kLicenceNotice);
    int exitCode = tervala::batch::kExitDone;
    tervala::batch::RegisterRunCommand(app, exitCode);
    tervala::batch::RegisterDrainageCommand(app, exitCode);
    tervala::batch::RegisterGraphCommand(app, exitCode);
    tervala::batch::RegisterImportCommand(app, exitCode);
    tervala::batch::RegisterExportCommand(app, exitCode);
    tervala::batch::RegisterDiagnoseCommand(app, exitCode);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::RuntimeError& e) {
        // A subcommand that ends with an exit code of its own.
        return e.get_exit_code();
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return tervala::batch::kExitFileOrUsage;
    }
    return exitCode;
}
