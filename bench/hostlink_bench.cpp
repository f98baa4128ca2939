// Round trip of one request with its reply (GetStringValue) between this
// process and the test host program, through the local-socket endpoints.
// Reports the median and the 99th percentile of single round trips.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QDir>
#include <QProcess>
#include <algorithm>
#include <chrono>
#include <vector>

#include "hostlink/demon_client.h"

namespace {

void BM_RequestRoundTrip(benchmark::State& state) {
  char dir[] = "/tmp/quantora-bench-XXXXXX";  // a link directory of its own
  if (!mkdtemp(dir)) {
    state.SkipWithError("no link directory");
    return;
  }
  setenv("QUANTORA_RUNTIME_DIR", dir, 1);
  QProcess host;
  host.start(QStringLiteral(STARGAZE_HOST), {QStringLiteral("bench"), QString::fromLatin1(dir)});
  if (!host.waitForReadyRead(10000)) {
    state.SkipWithError("the host program did not start");
    return;
  }
  {
    tessera::TkdbDemonClient client(nullptr, {QStringLiteral("bench"), QStringLiteral("/serverhandle=bench")});
    const QString name = QStringLiteral("value");
    std::vector<double> microseconds;
    for (auto _ : state) {
      const auto start = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(client.GetStringValue(name));
      microseconds.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(microseconds.begin(), microseconds.end());
    if (!microseconds.empty()) {
      state.counters["median_us"] = microseconds[microseconds.size() / 2];
      state.counters["p99_us"] = microseconds[std::min(microseconds.size() - 1, microseconds.size() * 99 / 100)];
    }
  }
  host.closeWriteChannel();
  host.waitForFinished(5000);
  QDir(QString::fromLatin1(dir)).removeRecursively();
}
BENCHMARK(BM_RequestRoundTrip)->Unit(benchmark::kMicrosecond)->Iterations(20000);

}  // namespace
