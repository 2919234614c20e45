// The subcommands of tervala-batch. Each adds itself to the command line with
// its own options and help text; when it is chosen, its callback runs the
// command and leaves the process exit code in `exitCode`.
//
// Exit codes shared by every subcommand:
//   0  the command did its work (for "run": a report was written)
//   1  the engine refused the data; its message on stderr says why
//   2  usage errors, and files that cannot be opened, read or written
#pragma once

namespace CLI {
class App;
}

namespace tervala::batch {

inline constexpr int kExitDone = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitFileOrUsage = 2;

// tervala-batch run FILE.inp... [--threads N] [--jobs N] [--summary FILE.csv]
void RegisterRunCommand(CLI::App& app, int& exitCode);

// tervala-batch import SERIES.csv -o FIELD.inp --job analysis|prediction ...:
// an input file made of a series in a CSV file.
void RegisterImportCommand(CLI::App& app, int& exitCode);

// tervala-batch export REPORT.out [-o FILE.csv]: every series of a report as CSV.
void RegisterExportCommand(CLI::App& app, int& exitCode);

// tervala-batch drainage --ka .. --kb .. --depth .. --perimeter .. --porosity .. --spacing ..
// [--par FILE.par]: M and N of a drained field with the drainage calculator's
// checks and messages.
void RegisterDrainageCommand(CLI::App& app, int& exitCode);

// tervala-batch graph REPORT.out --kind K [--bw] -o FILE.bmp|FILE.png: one graph
// of a report drawn to a picture file as the Graphics tab draws and saves it.
void RegisterGraphCommand(CLI::App& app, int& exitCode);

// tervala-batch diagnose FILE.inp [--picture FILE.png|svg] [--json]: the
// analysis run as "run" runs it, then its fit diagnostics.
void RegisterDiagnoseCommand(CLI::App& app, int& exitCode);

}  // namespace tervala::batch
