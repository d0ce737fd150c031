#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace vantric::testing {

struct ProcessResult {
  int exit_code = -1;  // 128 + signal when killed by one
  std::string out;
  std::string err;
};

// Runs `program` with `arguments`, stdin closed, collecting stdout and stderr. `while_running`
// is called once with the child's pid after `delay` (to send it a signal, say).
inline ProcessResult RunProcess(const std::string& program,
                                const std::vector<std::string>& arguments,
                                std::chrono::milliseconds delay = {},
                                const std::function<void(pid_t)>& while_running = nullptr) {
  int out_pipe[2], err_pipe[2];
  if (::pipe(out_pipe) != 0 || ::pipe(err_pipe) != 0) return {};
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(out_pipe[1], 1);
    ::dup2(err_pipe[1], 2);
    ::close(out_pipe[0]);
    ::close(err_pipe[0]);
    const int null = ::open("/dev/null", O_RDONLY);
    ::dup2(null, 0);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
  ::close(out_pipe[1]);
  ::close(err_pipe[1]);
  ProcessResult result;
  const auto start = std::chrono::steady_clock::now();
  bool signalled = !while_running;
  pollfd fds[2] = {{out_pipe[0], POLLIN, 0}, {err_pipe[0], POLLIN, 0}};
  std::string* sinks[2] = {&result.out, &result.err};
  int open_pipes = 2;
  while (open_pipes > 0) {
    ::poll(fds, 2, 20);
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
      char buffer[4096];
      const ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
      if (got > 0) {
        sinks[i]->append(buffer, static_cast<size_t>(got));
      } else {
        ::close(fds[i].fd);
        fds[i].fd = -1;
        --open_pipes;
      }
    }
    if (!signalled && std::chrono::steady_clock::now() - start >= delay) {
      signalled = true;
      while_running(pid);
    }
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return result;
}

// Starts one process of `program` for each argument list, all at the same moment (each waits
// at a gate until the last one is forked), and waits for them all. Stdin is closed.
inline std::vector<ProcessResult> RunTogether(
    const std::string& program, const std::vector<std::vector<std::string>>& argument_lists) {
  struct Child {
    pid_t pid = -1;
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
  };
  std::vector<Child> children(argument_lists.size());
  int gate[2];
  if (::pipe(gate) != 0) return {};
  for (size_t i = 0; i < children.size(); ++i) {
    children[i].pid = ::fork();
    if (children[i].pid != 0) continue;
    ::close(gate[1]);
    char ignored;
    while (::read(gate[0], &ignored, 1) > 0) {
    }
    ::dup2(::fileno(children[i].out), 1);
    ::dup2(::fileno(children[i].err), 2);
    const int null = ::open("/dev/null", O_RDONLY);
    ::dup2(null, 0);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : argument_lists[i]) {
      argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
  ::close(gate[0]);
  ::close(gate[1]);  // opens the gate
  std::vector<ProcessResult> results(children.size());
  for (size_t i = 0; i < children.size(); ++i) {
    int status = 0;
    ::waitpid(children[i].pid, &status, 0);
    results[i].exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    for (auto [file, text] : {std::pair{children[i].out, &results[i].out},
                              std::pair{children[i].err, &results[i].err}}) {
      std::rewind(file);
      char buffer[4096];
      for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
        text->append(buffer, got);
      }
      std::fclose(file);
    }
  }
  return results;
}

}  // namespace vantric::testing
