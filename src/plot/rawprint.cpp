#include "plot/rawprint.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

extern char** environ;

namespace lumatik {

std::vector<std::string> RawPrintJobs(const std::vector<std::string>& lines) {
  std::vector<std::string> jobs;
  jobs.reserve(lines.size() + 1);
  for (const std::string& line : lines) jobs.push_back("      " + line + "\r\n");
  jobs.push_back("\f");
  return jobs;
}

bool RawPrintText(const std::vector<std::string>& lines, RawPrintSink& sink) {
  for (const std::string& job : RawPrintJobs(lines))
    if (!sink.sendJob(job)) return false;
  return true;
}

bool LpRawPrintSink::sendJob(const std::string& bytes) {
  // lp reads the job from its standard input; "-o raw" passes the bytes to
  // the printer unfiltered. No shell is involved, so no text is interpreted.
  int pipeEnds[2];
  if (::pipe2(pipeEnds, O_CLOEXEC) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[0], STDIN_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  char lp[] = "lp";
  char silent[] = "-s";
  char option[] = "-o";
  char raw[] = "raw";
  char title[] = "-t";
  char name[] = "My Document";
  char* argv[] = {lp, silent, option, raw, title, name, nullptr};
  pid_t child = 0;
  const int spawned = posix_spawnp(&child, "lp", &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(pipeEnds[0]);
  if (spawned != 0) {
    ::close(pipeEnds[1]);
    return false;  // no lp: no printing system
  }
  // A printer that is gone must not kill the program through SIGPIPE.
  struct sigaction ignore = {}, previous = {};
  ignore.sa_handler = SIG_IGN;
  ::sigaction(SIGPIPE, &ignore, &previous);
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(pipeEnds[1], bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    written += static_cast<std::size_t>(n);
  }
  ::close(pipeEnds[1]);
  ::sigaction(SIGPIPE, &previous, nullptr);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0)
    if (errno != EINTR) return false;
  return written == bytes.size() && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace lumatik
