#include <CLI/CLI.hpp>

#include "app/batch/drainage_command.h"

int main(int argc, char** argv) {
    CLI::App app{"tervala-batch: run Tervala's engine without a window"};
    app.require_subcommand(1);
    tervala::AddDrainageCommand(app);
    CLI11_PARSE(app, argc, argv);
    return 0;
}
