// The drainage parameter file beside an input file, read as "Open input"
// reads it (and, with the prediction entry chosen, the alpha function derived
// from it). The six values are written and read back unchanged.
#include "model/parameter_file.h"
#include "tests/fuzz/fuzz_support.h"

using namespace tervala;
using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    fuzz::QuietMessages messages;
    TDMOmbrel dm;
    ProgramValues values;
    dm.ModeTag = data[0] % 2 ? kPredictionTag : kDischargeTag;
    dm.FileName = fuzz::FuzzPath("field.inp");
    fuzz::WriteFuzzFile("field.par",
                        std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    if (!ReadParameterFileBeside(dm, values, messages, data[0] % 4 == 3).read) return 0;

    const std::string written = ParameterFileText(values, dm.Porosity);
    const std::string path = fuzz::WriteFuzzFile("written.par", written);
    const std::optional<DrainageParameters> back = ReadParameterFile(path, messages);
    Require(back.has_value(), "a written parameter file is read");
    ProgramValues again;
    again.Ka = back->Ka;
    again.Kb = back->Kb;
    again.D = back->D;
    again.U = back->U;
    again.L = back->L;
    const std::string rewritten = ParameterFileText(again, back->Porosity);
    const std::optional<DrainageParameters> last =
        ReadParameterFile(fuzz::WriteFuzzFile("rewritten.par", rewritten), messages);
    Require(last && last->Ka == back->Ka && last->Kb == back->Kb && last->D == back->D &&
                last->U == back->U && last->Porosity == back->Porosity && last->L == back->L,
            "the values written are read back unchanged");
    return 0;
}
