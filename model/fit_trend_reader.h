// Reads the quadratic trend of observed runoff (or head) on recharge back
// from the fit file ".dat" that an analysis writes beside its report:
// runoff = TrendA * recharge^2 + TrendB * recharge + TrendC (mm per time
// unit), and whether the fit is to be drawn.
#pragma once

#include <string>

#include "model/data_set.h"
#include "model/messages.h"
#include "model/program_values.h"

namespace tervala {

// The fit file of the report drawn: LastFileName with the extension ".dat".
std::string FitFileName(const TDMOmbrel& data);

// Line 5 "A= a B= b C= c" gives TrendA, TrendB, TrendC (each number read whole
// after its label, however wide); line 7 "Q= f" gives TrendValid (f empty or
// "1"). Returns false, after telling the user, when the fit file cannot be
// opened or its coefficients cannot be read; the trend is then unchanged.
bool ReadFitTrend(const TDMOmbrel& data, TrendResults& trend, UserMessages& messages);

}  // namespace tervala
