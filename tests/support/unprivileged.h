#pragma once
// Runs a piece of a test as an unprivileged user when the test runs as root, whom permission bits
// do not stop: a folder made read-only then really refuses the write. The work runs in a child
// process (a copy of the test's state at that moment) and reports a text back on a pipe. When
// the test is not root, the work runs in this process. Windows has neither permission bits nor
// such users: there the work is never run, and a test that needs it skips itself.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#ifdef _WIN32
inline std::optional<std::string> runUnprivileged(const std::filesystem::path&,
                                                  const std::function<std::string()>&) {
  return std::nullopt;
}
#else
#include <sys/wait.h>
#include <unistd.h>

// `root` (the test's temporary folder) is opened for others to read and pass through. Gives the
// work's text, or nothing when the child could not run it as another user.
inline std::optional<std::string> runUnprivileged(const std::filesystem::path& root,
                                                  const std::function<std::string()>& work) {
  if (::geteuid() != 0) return work();
  namespace fs = std::filesystem;
  fs::permissions(root, fs::perms::others_read | fs::perms::others_exec, fs::perm_options::add);
  int channel[2];
  if (::pipe(channel) != 0) return std::nullopt;
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(channel[0]);
    std::string report = "0";
    if (::setgid(65534) == 0 && ::setuid(65534) == 0) report = "1" + work();
    for (std::size_t done = 0; done < report.size();) {
      const ssize_t wrote = ::write(channel[1], report.data() + done, report.size() - done);
      if (wrote <= 0) break;
      done += static_cast<std::size_t>(wrote);
    }
    ::_exit(0);
  }
  ::close(channel[1]);
  std::string report;
  char buffer[4096];
  for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
    report.append(buffer, static_cast<std::size_t>(got));
  ::close(channel[0]);
  ::waitpid(child, nullptr, 0);
  if (report.empty() || report[0] != '1') return std::nullopt;
  return report.substr(1);
}
#endif
