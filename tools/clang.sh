# The clang release of the instrumented build and of the analysis, sourced by
# the tools: the one tools/installa_dipendenze.sh installs, or the default
# clang when that release is not there.
#   $CLANGXX, $CLANG_TIDY
CLANGXX=${CLANGXX:-$(command -v clang++-14 || command -v clang++ || echo clang++-14)}
CLANG_TIDY=${CLANG_TIDY:-$(command -v clang-tidy-14 || command -v clang-tidy || echo clang-tidy-14)}
