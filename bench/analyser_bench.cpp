// Nanoseconds per FormulaAnalyser call; the trace goes to /dev/null while measured.
#include "chemistry/FormulaAnalyser.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iostream>

namespace {

void Analyse(benchmark::State& state, const char* formula) {
    std::ofstream devNull("/dev/null");
    std::streambuf* previous = std::cout.rdbuf(devNull.rdbuf());
    for (auto _ : state) {
        benchmark::DoNotOptimize(chemistry::FormulaAnalyser(formula));
    }
    std::cout.rdbuf(previous);
}

BENCHMARK_CAPTURE(Analyse, named_Fe2O3, "Fe2O3");
BENCHMARK_CAPTURE(Analyse, error_FeO12, "FeO12");
BENCHMARK_CAPTURE(Analyse, special_Fe3O4, "Fe3O4");

} // namespace

BENCHMARK_MAIN();
