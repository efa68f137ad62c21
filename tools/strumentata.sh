# The one instrumented build, shared by the sanitizer suite
# (tools/sanitizzatori.sh) and the fuzz targets (tools/fuzz_breve.sh):
# clang, AddressSanitizer, UndefinedBehaviorSanitizer, the library's
# assertions and libFuzzer's coverage over the whole core, at -O1 with line
# tables for the reports. Sourced; the folder is $COMPATTATORE_BUILD_SAN
# (default build-san).
#
#   configura_strumentata
source "$(dirname "${BASH_SOURCE[0]}")/clang.sh"
build_strumentata="${COMPATTATORE_BUILD_SAN:-build-san}"

configura_strumentata() {
  cmake -S . -B "$build_strumentata" -G "Unix Makefiles" -DCMAKE_CXX_COMPILER="$CLANGXX" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG" \
    -DCOMPATTATORE_SANITIZE=ON -DCOMPATTATORE_FUZZ=ON -DCOMPATTATORE_WERROR="${COMPATTATORE_WERROR:-OFF}" >/dev/null
}
