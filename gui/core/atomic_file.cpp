#include "atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace keldor::gui {

namespace {

[[noreturn]] void Fail(const std::string& file_name, int error) {
  throw EFileWriteError("Cannot write file \"" + file_name + "\": " + std::strerror(error));
}

bool WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

void WriteFileAtomically(const std::string& file_name, const std::string& text) {
  const std::filesystem::path target(file_name);
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) Fail(file_name, errno);
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  if (!WriteAll(fd, text) || ::fsync(fd) != 0) {
    const int error = errno;
    ::close(fd);
    ::unlink(temporary.c_str());
    Fail(file_name, error);
  }
  if (::close(fd) != 0 || std::rename(temporary.c_str(), file_name.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    Fail(file_name, error);
  }
}

}  // namespace keldor::gui
