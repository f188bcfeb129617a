// Times batches on the in-memory boxes against the raw cost of a counter read, and measures the
// peak memory of a batch against the size of its log.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "batch/box_record.h"
#include "batch/gbk.h"
#include "batch/save.h"
#include "generate/random_line.h"
#include "generate/team_line.h"

namespace {

using BatchKind = void (*)(const Boxes&, SequenceSource&, const std::string&);

const std::string& ProgramDirectoryForBench() {
  static const std::string directory = [] {
    const auto path = std::filesystem::temp_directory_path() / "name-workshop-bench";
    std::filesystem::create_directories(path);
    return path.string();
  }();
  return directory;
}

// Fills a record with the window's initial texts and the given count.
void Prepare(BoxRecord& record, long count) {
  record.编辑框1 = GbkFromUtf8("霁川守护");
  record.编辑框2 = GbkFromUtf8("【大湿】");
  record.编辑框3 = GbkFromUtf8("【霁川团员】");
  record.编辑框4 = std::to_string(count);
}

void BM_CounterRead(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ReadCounter());
}
BENCHMARK(BM_CounterRead);

void BM_CounterPick(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(PickByCounter(38, 80));
}
BENCHMARK(BM_CounterPick);

void RunBatchBench(benchmark::State& state, BatchKind run) {
  BoxRecord record;
  const Boxes boxes = BoxesOf(record);
  SequenceSource sequence;
  for (auto _ : state) {
    Prepare(record, state.range(0));
    run(boxes, sequence, ProgramDirectoryForBench());
  }
  state.counters["ns_per_line"] =
      benchmark::Counter(static_cast<double>(state.iterations() * state.range(0)),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["log_bytes"] = static_cast<double>(record.编辑框5.View().size());
}

void BM_TeamBatch(benchmark::State& state) {
  RunBatchBench(state, RunTeamBatch);
}
void BM_RandomBatch(benchmark::State& state) {
  RunBatchBench(state, RunRandomBatch);
}
BENCHMARK(BM_TeamBatch)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RandomBatch)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Times the save alone, for the share of a batch that goes to the file system.
void BM_WriteBatchFile(benchmark::State& state) {
  const std::string bytes(static_cast<std::size_t>(state.range(0)), 'x');
  const std::string path = ProgramDirectoryForBench() + "/save.txt";
  for (auto _ : state) benchmark::DoNotOptimize(WriteBatchFile(path, bytes));
}
BENCHMARK(BM_WriteBatchFile)
    ->Arg(320000)
    ->Arg(32000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Returns a figure in kB from /proc/self/status, such as VmRSS or VmHWM.
long StatusKb(const std::string& key) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(key + ":", 0) == 0) return std::stol(line.substr(key.size() + 1));
  }
  return -1;
}

// Runs one batch in a child process and prints how far its peak memory rose above the memory in
// use before it, next to the size of its log. A one-line batch runs first, so that what any run
// of the program loads once (the code converting file names) is not counted against the batch.
void MeasurePeak(const char* name, BatchKind run, long count) {
  std::fflush(stdout);
  if (fork() != 0) {
    wait(nullptr);
    return;
  }
  BoxRecord record;
  const Boxes boxes = BoxesOf(record);
  SequenceSource sequence;
  Prepare(record, 1);
  run(boxes, sequence, ProgramDirectoryForBench());
  Prepare(record, count);
  ClearOutput(boxes);
  std::ofstream clearRefs("/proc/self/clear_refs");
  StatusKb("VmRSS");
  clearRefs << "5" << std::flush;  // resets the peak to the memory now in use
  const long before = StatusKb("VmRSS");
  run(boxes, sequence, ProgramDirectoryForBench());
  const long peak = StatusKb("VmHWM");
  const double log = static_cast<double>(record.编辑框5.View().size()) / 1024.0;
  std::printf("%-12s n=%-8ld log %9.0f kB  peak rise %9ld kB  ratio %.2f\n", name, count, log,
              peak - before, static_cast<double>(peak - before) / log);
  std::fflush(stdout);
  _exit(0);
}

}  // namespace

int main(int argc, char** argv) {
  std::printf("Peak memory of one batch against its log:\n");
  for (const long count : {10000L, 1000000L}) {
    MeasurePeak("team batch", RunTeamBatch, count);
    MeasurePeak("random batch", RunRandomBatch, count);
  }
  std::printf("\n");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(ProgramDirectoryForBench());
}
