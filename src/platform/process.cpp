#include "platform/process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

extern char** environ;

namespace cardwise {

namespace {

// Both ends of a pipe, closed when the object goes away unless taken.
struct Pipe {
  int Read = -1, Write = -1;
  ~Pipe() {
    Close(Read);
    Close(Write);
  }
  bool Open() {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) return false;
    Read = ends[0];
    Write = ends[1];
    return true;
  }
  static void Close(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
};

// Splits what arrives on stdout into lines, handing each complete one on.
class LineSplitter {
 public:
  explicit LineSplitter(const LineHandler& onLine) : onLine_(onLine) {}
  void Add(std::string_view bytes) {
    pending_.append(bytes);
    std::size_t start = 0;
    for (std::size_t end; (end = pending_.find('\n', start)) != std::string::npos; start = end + 1)
      Emit(std::string_view(pending_).substr(start, end - start));
    pending_.erase(0, start);
  }
  void Finish() {
    if (!pending_.empty()) Emit(pending_);
    pending_.clear();
  }

 private:
  void Emit(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (onLine_) onLine_(line);
  }
  const LineHandler& onLine_;
  std::string pending_;
};

// Reads stdout and stderr until both are closed; polling both keeps a child that fills one
// pipe from blocking while we wait on the other.
void ReadOutputs(int out, int err, LineSplitter& lines, std::string& errorText) {
  pollfd fds[2] = {{out, POLLIN, 0}, {err, POLLIN, 0}};
  char buffer[8192];
  while (fds[0].fd >= 0 || fds[1].fd >= 0) {
    if (::poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    for (pollfd& entry : fds) {
      if (entry.fd < 0 || entry.revents == 0) continue;
      const ssize_t got = ::read(entry.fd, buffer, sizeof buffer);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) {
        entry.fd = -1;  // closed by the child (the Pipe closes our end)
      } else if (&entry == &fds[0]) {
        lines.Add(std::string_view(buffer, static_cast<std::size_t>(got)));
      } else {
        errorText.append(buffer, static_cast<std::size_t>(got));
      }
    }
  }
  lines.Finish();
}

int WaitFor(pid_t child) {
  int status = 0;
  while (::waitpid(child, &status, 0) < 0)
    if (errno != EINTR) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The child's stdin is /dev/null: a program that would ask a question fails instead of
// waiting for an answer nobody can give.
int Spawn(const std::vector<std::string>& args, Pipe& out, Pipe& err, pid_t& child) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, out.Write, STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, err.Write, STDERR_FILENO);
  std::vector<char*> argv;
  for (const std::string& arg : args)
    argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  const int error = ::posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  return error;
}

}  // namespace

Status RunProcess(const std::vector<std::string>& args, const LineHandler& onLine,
                  ProcessOutcome& outcome) {
  outcome = ProcessOutcome();
  if (args.empty() || args.front().empty()) return Status::Error("no program to run");
  Pipe out, err;
  if (!out.Open() || !err.Open()) return Status::ErrorAt(args[0], 0, std::strerror(errno));
  pid_t child = 0;
  if (const int error = Spawn(args, out, err, child); error != 0) {
    const char* why = error == ENOENT ? "not found in PATH" : std::strerror(error);
    return Status::ErrorAt(args[0], 0, why);
  }
  Pipe::Close(out.Write);  // the child holds its own copies; EOF comes when it is done
  Pipe::Close(err.Write);
  LineSplitter lines(onLine);
  ReadOutputs(out.Read, err.Read, lines, outcome.ErrorText);
  outcome.ExitCode = WaitFor(child);
  if (outcome.ExitCode < 0) return Status::ErrorAt(args[0], 0, "ended abnormally");
  return Status::Ok();
}

}  // namespace cardwise
