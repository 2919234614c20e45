# The fuzz targets: each program's name (scripts/fuzz.sh runs NAME_fuzz on
# tests/fuzz/corpus/NAME) and the function of fuzz_targets.cpp that takes its input.
set(TERVALA_FUZZ_TARGETS
  number_text:NumberText input_file:InputFile parameter_file:ParameterFile report:Report
  paste:Paste small_run:SmallRun)
