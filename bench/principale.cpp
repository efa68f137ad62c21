// The main of the in-process benchmarks.
//
// Every iteration runs on memory the allocator kept from the one before.
// Left to itself, glibc gives a large freed block back to the system, and
// the next iteration faults its pages in again: on a virtual machine a page
// can cost microseconds, more than the work measured, and it falls on
// whichever benchmark frees last. What a fresh process pays to touch its
// memory is measured on the command itself, with its page faults.
#include <benchmark/benchmark.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

int main(int argc, char** argv) {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 32 << 20);  // the largest glibc takes
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
