// Conversion throughput: alarm-log bytes in memory to converted text in memory, beside
// the baseline of splitting the same bytes into lines with memchr.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string_view>
#include <vector>

#include "bench/log_generator.hpp"
#include "viewer/core/alarm_log.hpp"
#include "viewer/core/converted_text.hpp"

namespace {

constexpr std::size_t kRecords = 200'000;

const std::string& logBytes() {
    static const std::string bytes = karvelo::bench::generateAlarmLog(kRecords);
    return bytes;
}

void BaselineMemchrSplit(benchmark::State& state) {
    const std::string& bytes = logBytes();
    std::vector<std::string_view> lines;
    for (auto _ : state) {
        lines.clear();
        lines.reserve(bytes.size() / 48);
        const char* p = bytes.data();
        const char* end = p + bytes.size();
        while (p < end) {
            const char* nl = static_cast<const char*>(std::memchr(p, '\n', end - p));
            if (!nl) nl = end;
            lines.emplace_back(p, nl - p);
            p = nl + 1;
        }
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
    state.counters["lines"] = static_cast<double>(lines.size());
}

void ConvertToText(benchmark::State& state) {
    const std::string& bytes = logBytes();
    std::size_t outSize = 0;
    std::size_t records = 0;
    for (auto _ : state) {
        const karvelo::LineList lines(bytes);  // the copy stands for reading the file
        const std::string text =
            karvelo::convertLogToText(lines, "D:\\Logs\\Alarmlog.com", {2012, 12, 28, 9, 5, 7});
        outSize = text.size();
        records = kRecords;
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
    state.counters["records"] = static_cast<double>(records);
    state.counters["out_MB"] = static_cast<double>(outSize) / 1e6;
}

BENCHMARK(BaselineMemchrSplit)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(ConvertToText)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// Keeps the console output and remembers each benchmark's throughput for the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const auto& run : runs) {
            const auto it = run.counters.find("bytes_per_second");
            if (it != run.counters.end()) rates[run.benchmark_name()] = it->second.value;
        }
    }
    std::map<std::string, double> rates;
};

}  // namespace

int main(int argc, char** argv) {
    // Keep freed memory in the heap instead of returning it to the system after every
    // iteration: otherwise each iteration pays the kernel for tens of megabytes of fresh
    // pages (several times the conversion's own work on a virtual machine), while the
    // baseline reuses its vector. Both sides then measure their work on warm memory.
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    benchmark::Initialize(&argc, argv);
    std::printf("input: %zu records, %.1f MB\n", kRecords, logBytes().size() / 1e6);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double base = reporter.rates["BaselineMemchrSplit/min_time:1.000"];
    const double ours = reporter.rates["ConvertToText/min_time:1.000"];
    if (base > 0 && ours > 0) {
        std::printf("baseline memchr split: %8.1f MB/s\n", base / 1e6);
        std::printf("conversion to text:    %8.1f MB/s\n", ours / 1e6);
        std::printf("ratio: %.1f %% of the baseline (target at least 25 %%)\n", 100 * ours / base);
    }
    return 0;
}
