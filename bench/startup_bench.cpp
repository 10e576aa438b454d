// Start-up of the main window against a bare Qt window: time from process
// start to first paint and resident memory then, on the offscreen
// platform, alternating the two so that both see the same machine.
//   startup_bench PROBE [ROUNDS]
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Sample {
  double milliseconds;
  long residentKiB;
};

Sample startOnce(const std::string& probe, const char* mode) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) throw std::runtime_error("pipe");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  char* const argv[] = {const_cast<char*>(probe.c_str()), const_cast<char*>(mode), nullptr};
  const auto start = std::chrono::steady_clock::now().time_since_epoch();
  pid_t pid = 0;
  if (posix_spawn(&pid, probe.c_str(), &actions, nullptr, argv, environ) != 0)
    throw std::runtime_error("cannot start " + probe);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  std::string out;
  char buf[256];
  for (ssize_t n; (n = read(pipeEnds[0], buf, sizeof buf)) > 0;) out.append(buf, n);
  close(pipeEnds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  long long paintNs = 0;
  long rss = 0;
  if (std::sscanf(out.c_str(), "%lld %ld", &paintNs, &rss) != 2)
    throw std::runtime_error(std::string("probe ") + mode + " printed nothing");
  const double ms =
      (paintNs - std::chrono::duration_cast<std::chrono::nanoseconds>(start).count()) / 1e6;
  return {ms, rss};
}

template <typename T>
T median(std::vector<T> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: startup_bench PROBE [ROUNDS]\n");
    return 2;
  }
  const std::string probe = argv[1];
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 15;
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const char* const modes[] = {"form1", "bare", "caption"};
  std::vector<double> ms[3];
  std::vector<long> kib[3];
  for (const char* mode : modes) startOnce(probe, mode);  // warm the file cache for all
  for (int i = 0; i < rounds; ++i) {
    for (int m = 0; m < 3; ++m) {
      const Sample sample = startOnce(probe, modes[m]);
      ms[m].push_back(sample.milliseconds);
      kib[m].push_back(sample.residentKiB);
    }
  }
  double medianMs[3];
  long medianKiB[3];
  for (int m = 0; m < 3; ++m) {
    medianMs[m] = median(ms[m]);
    medianKiB[m] = median(kib[m]);
  }
  std::printf("start-up, process start to first whole frame, offscreen (medians of %d runs)\n",
              rounds);
  std::printf("  Form1                          %7.1f ms  %7ld KiB resident\n", medianMs[0],
              medianKiB[0]);
  std::printf("  bare QWidget                   %7.1f ms  %7ld KiB resident\n", medianMs[1],
              medianKiB[1]);
  std::printf("  QWidget with one Chinese label %7.1f ms  %7ld KiB resident\n", medianMs[2],
              medianKiB[2]);
  std::printf("  Form1 / bare: time %.2f, memory %.2f\n", medianMs[0] / medianMs[1],
              static_cast<double>(medianKiB[0]) / medianKiB[1]);
  return 0;
}
