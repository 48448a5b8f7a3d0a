#include "bench/Benchmarks.h"

#include <benchmark/benchmark.h>

#include <exception>

#include "bench/BenchEnvironment.h"
#include "bench/ChildProcess.h"
#include "bench/EventLoopGaps.h"
#include "bench/FirstLoad.h"
#include "bench/RecordingRunner.h"
#include "bench/UserSend.h"
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

void WarmLoad(benchmark::State& state) {
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

void Walk(benchmark::State& state) {
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

// Times what a child process reports. A child that fails fails its benchmark alone.
template <class Measure>
void TimedInChild(benchmark::State& state, Measure measure) {
    for (auto _ : state) {
        try {
            state.SetIterationTime(measure());
        } catch (const std::exception& error) {
            state.SkipWithError(error.what());
            break;
        }
    }
}

void FirstLoadInFreshProcess(benchmark::State& state) {
    FirstLoad load;
    TimedInChild(state, [&] {
        load = MeasureFirstLoad(Environment().Export().path, Environment().Folder());
        return load.seconds;
    });
    state.counters[counters::kPeakBytes] = static_cast<double>(load.peakGrowthBytes);
    state.counters[counters::kHeapBytes] = static_cast<double>(load.heapGrowthBytes);
    state.SetBytesProcessed(Processed(state, Environment().Export().bytes));
}

void SendAsAUser(benchmark::State& state, const std::filesystem::path& bundledProgram) {
    const auto& file = Environment().SmallExport();
    TimedInChild(state, [&] { return MeasureSend(bundledProgram, file.path, Environment().Folder()); });
    state.SetItemsProcessed(Processed(state, file.transactions));
}

void SendShippedScript(benchmark::State& state) { SendAsAUser(state, Environment().ShippedScriptProgram()); }

void SendEmptyScript(benchmark::State& state) { SendAsAUser(state, Environment().EmptyScriptProgram()); }

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
    using Function = void (*)(benchmark::State&);
    for (const auto& [name, function] : {std::pair<const char*, Function>{names::kIconv, IconvDecode},
                                         {names::kWarmLoad, WarmLoad},
                                         {names::kWalk, Walk}}) {
        benchmark::RegisterBenchmark(name, function)->Unit(kMillisecond)->UseRealTime()->MinTime(1)->Repetitions(kRepetitions);
    }
    benchmark::RegisterBenchmark(names::kFirstLoad, FirstLoadInFreshProcess)->Unit(kMillisecond)->UseManualTime()->Iterations(1);
    for (const auto& [name, function] : {std::pair<const char*, Function>{names::kUserSendShipped, SendShippedScript},
                                         {names::kUserSendEmpty, SendEmptyScript}}) {
        benchmark::RegisterBenchmark(name, function)->Unit(kMillisecond)->UseManualTime()->Iterations(1)->Repetitions(kRepetitions);
    }
    for (const auto& [name, function] : {std::pair<const char*, Function>{names::kShippedRunner, ShippedScriptThroughRunner},
                                         {names::kShippedSpawn, ShippedScriptBare},
                                         {names::kEmptyRunner, EmptyScriptThroughRunner},
                                         {names::kEmptySpawn, EmptyScriptBare}}) {
        benchmark::RegisterBenchmark(name, function)->Unit(kMicrosecond)->UseRealTime()->MinTime(1)->Repetitions(kRepetitions);
    }
    benchmark::RegisterBenchmark(names::kResponsiveness, Responsiveness)->Unit(kMillisecond)->Iterations(1);
}

}  // namespace bench
