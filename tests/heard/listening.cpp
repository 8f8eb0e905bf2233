// The recorder and the scenario runner, as POSIX child processes.
#include "tests/heard/listening.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <vector>

extern char** environ;

namespace verlumo::heard {
namespace {

using namespace std::chrono_literals;

// Starts the program with stdout going to a file and stderr to another, or to the same one when
// none is given; returns its process id.
pid_t Spawn(const std::vector<std::string>& arguments, const std::string& out, const std::string& err = "") {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (err.empty()) {
    posix_spawn_file_actions_adddup2(&files, STDOUT_FILENO, STDERR_FILENO);
  } else {
    posix_spawn_file_actions_addopen(&files, STDERR_FILENO, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  }
  pid_t pid = -1;
  const int failed = posix_spawnp(&pid, argv[0], &files, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&files);
  if (failed != 0) throw std::runtime_error("cannot start " + arguments[0] + ": " + std::strerror(failed));
  return pid;
}

// The exit status once the process has ended, or nothing when it still runs after the timeout.
std::optional<int> WaitFor(pid_t pid, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) return status;
    if (std::chrono::steady_clock::now() > deadline) return std::nullopt;
    std::this_thread::sleep_for(20ms);
  }
}

std::string ReadText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

}  // namespace

Recorder::Recorder(std::string path) : path_(std::move(path)) {
  if (std::getenv("PULSE_SERVER") == nullptr) {
    throw std::runtime_error("PULSE_SERVER is not set: these tests listen to a private PulseAudio "
                             "daemon, which scripts/test starts");
  }
  pid_ = Spawn({"parec", "--device=@DEFAULT_MONITOR@", "--format=s16le", "--channels=1",
                "--rate=" + std::to_string(kRecordingRate), "--latency-msec=20"},
               path_, path_ + ".log");
  // The sink's monitor delivers silence all the time, so a recorder that works is writing at once.
  const auto deadline = std::chrono::steady_clock::now() + 5s;
  std::error_code not_yet;
  while (std::filesystem::file_size(path_, not_yet) < kRecordingRate / 5 || not_yet) {
    if (WaitFor(pid_, 50ms) || std::chrono::steady_clock::now() > deadline) {
      Stop();
      throw std::runtime_error("parec recorded nothing from " + std::string(std::getenv("PULSE_SERVER")) +
                               ": " + ReadText(path_ + ".log"));
    }
  }
}

Recorder::~Recorder() {
  if (pid_ > 0) Stop();
}

Signal Recorder::Stop() {
  // parec writes out what it holds when interrupted; a recorder that does not stop is killed.
  if (pid_ > 0) {
    kill(pid_, SIGINT);
    if (!WaitFor(pid_, 3s)) {
      kill(pid_, SIGKILL);
      WaitFor(pid_, 3s);
    }
    pid_ = -1;
  }
  const std::string bytes = ReadText(path_);
  return FromS16le({bytes.begin(), bytes.end()}, kRecordingRate);
}

ScenarioRun RunScenario(const std::string& name, const std::string& output_path) {
  const pid_t pid = Spawn({VERLUMO_WINE_RUN, VERLUMO_WINDOWS_BIN_DIR "/e2e_heard_scenarios.exe",
                           "--gtest_filter=HeardScenario." + name},
                          output_path);
  ScenarioRun run;
  const std::optional<int> status = WaitFor(pid, 120s);
  if (!status) {
    kill(pid, SIGKILL);
    WaitFor(pid, 5s);
  }
  run.passed = status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0;
  run.output = ReadText(output_path);
  std::istringstream lines(run.output);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t equals = line.find('=');
    if (line.rfind("heard: ", 0) != 0 || equals == std::string::npos) continue;
    run.facts[line.substr(7, equals - 7)] = std::atol(line.c_str() + equals + 1);
  }
  return run;
}

}  // namespace verlumo::heard
