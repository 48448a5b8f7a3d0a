#include "bench/Benchmarks.h"

#include <benchmark/benchmark.h>

#include "bench/BenchEnvironment.h"
#include "bench/ChildProcess.h"
#include "bench/EventLoopGaps.h"
#include "bench/PeakMemory.h"
#include "bench/RecordingRunner.h"
#include "framework/core/ScriptRunner.h"
#include "import/buchungViaKw7.h"
#include "windows/Fenster1.h"

namespace bench {

namespace {

std::shared_ptr<class Fenster1> WindowWithChosenExport() {
    auto window = std::make_shared<class Fenster1>();
    window->f = std::make_shared<fw::FolderItem>(fw::String(Environment().Export().path.string()));
    return window;
}

std::int64_t Processed(const benchmark::State& state, std::uint64_t perIteration) {
    return static_cast<std::int64_t>(perIteration) * state.iterations();
}

void IconvDecode(benchmark::State& state) {
    const auto& file = Environment().Export();
    for (auto _ : state) {
        if (RunAndWait({"/usr/bin/iconv", "-f", "MACINTOSH", "-t", "UTF-8", file.path.string()}, "/dev/null") != 0) {
            state.SkipWithError("iconv failed");
        }
    }
    state.SetBytesProcessed(Processed(state, file.bytes));
}

void Load(benchmark::State& state) {
    const auto& file = Environment().Export();
    for (auto _ : state) {
        state.PauseTiming();
        auto window = WindowWithChosenExport();
        state.ResumeTiming();
        window->Laden();
        state.PauseTiming();
        if (static_cast<std::uint64_t>(window->anz_zeilen) + 1 != file.lines) state.SkipWithError("lines lost");
        window.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(Processed(state, file.bytes));
}

void Send(benchmark::State& state) {
    const auto& file = Environment().Export();
    auto window = WindowWithChosenExport();
    window->Laden();
    auto runner = std::make_unique<RecordingRunner>();
    const RecordingRunner& recorded = *runner;
    auto realRunner = fw::SetScriptRunner(std::move(runner));
    for (auto _ : state) window->buchung_erzeugen();
    if (static_cast<std::int64_t>(recorded.Count()) != Processed(state, file.transactions)) state.SkipWithError("bookings lost");
    fw::SetScriptRunner(std::move(realRunner));
    state.SetItemsProcessed(Processed(state, file.lines));
}

const std::vector<std::string> kBooking = {"05.03.2024", "123456", "Girokonto Sparkasse Köln", "Unbekannt",
                                           "Sonstiges", "Hausverwaltung Bäcker & Söhne",
                                           "Miete März\nWohnung Müllerstraße 12", ""};

std::shared_ptr<fw::Array<fw::Variant>> Booking() {
    auto booking = fw::CreateArray<fw::Variant>(7);
    for (int i = 0; i <= 7; ++i) booking->Store(i, fw::StringToVariant(fw::String(kBooking[static_cast<std::size_t>(i)])));
    return booking;
}

void BareSpawn(benchmark::State& state, const std::filesystem::path& script) {
    std::vector<std::string> arguments{script.string()};
    arguments.insert(arguments.end(), kBooking.begin(), kBooking.end());
    for (auto _ : state) {
        if (RunAndWait(arguments) != 0) state.SkipWithError("script failed");
    }
}

void ShippedScriptThroughRunner(benchmark::State& state) {
    const auto booking = Booking();
    for (auto _ : state) buchungViaKw7(booking);
}

void ShippedScriptBare(benchmark::State& state) { BareSpawn(state, Environment().ShippedScript()); }

void EmptyScriptThroughRunner(benchmark::State& state) {
    const auto booking = Booking();
    const auto script = std::make_shared<fw::FolderItem>(fw::String(Environment().EmptyScript().string()));
    for (auto _ : state) fw::ExecuteScript(script, booking);
}

void EmptyScriptBare(benchmark::State& state) { BareSpawn(state, Environment().EmptyScript()); }

void PeakMemory(benchmark::State& state) {
    LoadMemory memory;
    for (auto _ : state) memory = MeasureLoadMemory(Environment().Export().path, Environment().Folder());
    state.counters[counters::kPeakBytes] = static_cast<double>(memory.peakGrowthBytes);
    state.counters[counters::kHeapBytes] = static_cast<double>(memory.heapGrowthBytes);
}

void Responsiveness(benchmark::State& state) {
    LoadResponsiveness result;
    for (auto _ : state) result = MeasureLoadResponsiveness(Environment().Export().path);
    state.counters[counters::kLongestGapMs] = result.longestGapMs;
    state.counters[counters::kTurns] = static_cast<double>(result.turns);
    state.counters[counters::kLoadSeconds] = result.loadSeconds;
}

}  // namespace

void RegisterBenchmarks() {
    constexpr int kRepetitions = 5;
    using benchmark::kMillisecond, benchmark::kMicrosecond;
    benchmark::RegisterBenchmark(names::kIconv, IconvDecode)->Unit(kMillisecond)->UseRealTime()->MinTime(1)->Repetitions(kRepetitions);
    benchmark::RegisterBenchmark(names::kLaden, Load)->Unit(kMillisecond)->UseRealTime()->MinTime(1)->Repetitions(kRepetitions);
    benchmark::RegisterBenchmark(names::kSend, Send)->Unit(kMillisecond)->UseRealTime()->MinTime(1)->Repetitions(kRepetitions);
    using Function = void (*)(benchmark::State&);
    for (const auto& [name, function] : {std::pair<const char*, Function>{names::kShippedRunner, ShippedScriptThroughRunner},
                                         {names::kShippedSpawn, ShippedScriptBare},
                                         {names::kEmptyRunner, EmptyScriptThroughRunner},
                                         {names::kEmptySpawn, EmptyScriptBare}}) {
        benchmark::RegisterBenchmark(name, function)->Unit(kMicrosecond)->UseRealTime()->MinTime(1)->Repetitions(kRepetitions);
    }
    benchmark::RegisterBenchmark(names::kMemory, PeakMemory)->Unit(kMillisecond)->Iterations(1);
    benchmark::RegisterBenchmark(names::kResponsiveness, Responsiveness)->Unit(kMillisecond)->Iterations(1);
}

}  // namespace bench
