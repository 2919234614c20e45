// What the program says about itself: its version (set once, by the build),
// its licence and the libraries it is built with. The About box and the batch
// command's --version show these.
#pragma once

#include "tervala_config.h"

namespace tervala {

inline constexpr const char* kProgramVersion = TERVALA_VERSION;
// SPDX name of the licence; the full text is in LICENSE and, installed, in
// /usr/share/common-licenses/GPL-3.
inline constexpr const char* kProgramLicence = "GPL-3.0-or-later";

// The licence notice of --version and the About box.
inline constexpr const char* kLicenceNotice =
    "Copyright (C) 2026 the Tervala developers.\n"
    "License GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.";

}  // namespace tervala
