#include "run_sibling.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

extern char** environ;

std::string run_sibling(std::string_view name) {
  std::error_code error;
  std::filesystem::path own = std::filesystem::read_symlink("/proc/self/exe", error);
  std::string program(name);
  std::string path = (own.parent_path() / program).string();
  char* argv[] = {program.data(), nullptr};
  pid_t pid = 0;
  // The program gets the launcher's environment and terminal, so Ctrl+C ends both.
  if (int failed = posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ); failed != 0)
    return program + " could not be started: " + std::strerror(failed);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0)
    if (errno != EINTR) return program + " could not be waited for: " + std::strerror(errno);
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return {};
  if (WIFEXITED(status))
    return program + " ended with status " + std::to_string(WEXITSTATUS(status));
  return program + " was ended by signal " + std::to_string(WTERMSIG(status));
}
