// The POSIX side of the platform layer. Paths keep "\" as their separator everywhere else, so
// that every output is byte-identical to a Windows run over the same tree; here, where a path
// reaches the system, every "\" becomes "/" (a file whose own name holds "\" cannot be reached).
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "text/platform.h"

namespace inkwright {

namespace {

std::string systemPath(const std::string& path) {
  std::string result = path;
  std::replace(result.begin(), result.end(), '\\', '/');
  return result;
}

// The directory that a "*.*" search below path lists: an empty path is the current directory.
std::string listedDirectory(const std::string& path) {
  return path.empty() ? std::string(".") : systemPath(path);
}

unsigned char raisedByte(char c) {
  const unsigned char byte = static_cast<unsigned char>(c);
  return byte >= 'a' && byte <= 'z' ? static_cast<unsigned char>(byte - 32) : byte;
}

// See note [listing order].
bool comesBefore(const DirectoryEntry& a, const DirectoryEntry& b) {
  const bool raisedLess =
      std::lexicographical_compare(a.name.begin(), a.name.end(), b.name.begin(), b.name.end(),
                                   [](char x, char y) { return raisedByte(x) < raisedByte(y); });
  if (raisedLess) {
    return true;
  }
  const bool raisedGreater =
      std::lexicographical_compare(b.name.begin(), b.name.end(), a.name.begin(), a.name.end(),
                                   [](char x, char y) { return raisedByte(x) < raisedByte(y); });
  if (raisedGreater) {
    return false;
  }
  return std::lexicographical_compare(
      a.name.begin(), a.name.end(), b.name.begin(), b.name.end(),
      [](char x, char y) { return static_cast<unsigned char>(x) < static_cast<unsigned char>(y); });
}

}  // namespace

NativeHandle openFileForReading(const std::string& path) {
  // Opened without blocking and kept only when it is a regular file: a FIFO or a device in a
  // source tree would otherwise stall the run or never end.
  const int fd = ::open(systemPath(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    return kNoHandle;
  }
  struct stat info;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return kNoHandle;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

NativeHandle createFileForWriting(const std::string& path) {
  const int fd = ::open(systemPath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  return fd < 0 ? kNoHandle : fd;
}

NativeHandle createNewFile(const std::string& path) {
  const int fd = ::open(systemPath(path).c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  return fd < 0 ? kNoHandle : fd;
}

UpdatableFile openFileForUpdate(const std::string& path) {
  // A file the call creates is a new, empty regular file: one system call, as without comparing,
  // for every file of a first run.
  if (const NativeHandle created = createNewFile(path); created != kNoHandle) {
    return UpdatableFile{created, true, 0};
  }
  const std::string systemName = systemPath(path);
  // Opened without blocking, since path may name a FIFO; the status flags are cleared again for a
  // regular file, which is then read and written as any other.
  int fd = ::open(systemName.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666);
  if (fd >= 0) {
    struct stat info;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
      ::fcntl(fd, F_SETFL, 0);
      return UpdatableFile{fd, true, static_cast<std::uint64_t>(info.st_size)};
    }
    ::close(fd);
  }
  // As createFileForWriting, except that a FIFO without a reader fails at once instead of waiting.
  fd = ::open(systemName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY | O_NONBLOCK,
              0666);
  if (fd < 0) {
    return UpdatableFile{};
  }
  ::fcntl(fd, F_SETFL, 0);
  return UpdatableFile{fd, false, 0};
}

NativeHandle openWritableFileForReading(const std::string& path, std::uint64_t& size) {
  // Opened for reading only: a file opened for writing, even one never written, tells those who
  // watch it (an editor, a live preview) that it was closed after writing. Without blocking, which
  // a FIFO would.
  const std::string systemName = systemPath(path);
  const int fd = ::open(systemName.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) {
    return kNoHandle;
  }
  struct stat info;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
      ::faccessat(AT_FDCWD, systemName.c_str(), W_OK, AT_EACCESS) != 0) {
    ::close(fd);
    return kNoHandle;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  size = static_cast<std::uint64_t>(info.st_size);
  return fd;
}

void seekFile(NativeHandle file, std::uint64_t offset) {
  ::lseek(static_cast<int>(file), static_cast<off_t>(offset), SEEK_SET);
}

void truncateFile(NativeHandle file, std::uint64_t size) {
  while (::ftruncate(static_cast<int>(file), static_cast<off_t>(size)) != 0 && errno == EINTR) {
  }
}

std::size_t readFromFile(NativeHandle file, char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t count = ::read(static_cast<int>(file), buffer, size);
    if (count >= 0) {
      return static_cast<std::size_t>(count);
    }
    if (errno != EINTR) {
      return 0;
    }
  }
}

void writeToFile(NativeHandle file, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t count = ::write(static_cast<int>(file), data, size);
    if (count < 0 && errno == EINTR) {
      continue;
    }
    if (count <= 0) {
      return;
    }
    data += count;
    size -= static_cast<std::size_t>(count);
  }
}

void closeNativeFile(NativeHandle file) { ::close(static_cast<int>(file)); }

std::optional<std::vector<DirectoryEntry>> listDirectory(const std::string& path) {
  const std::string directory = listedDirectory(path);
  DIR* const listing = ::opendir(directory.c_str());
  if (listing == nullptr) {
    return std::nullopt;
  }
  std::vector<DirectoryEntry> entries;
  const int directoryFd = ::dirfd(listing);
  while (const dirent* const item = ::readdir(listing)) {
    const std::string name = item->d_name;
    if (name == "." || name == "..") {
      continue;
    }
    struct stat info;
    // A broken link, or anything stat cannot follow, counts as a file.
    const bool isDirectory =
        ::fstatat(directoryFd, item->d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
    entries.push_back(DirectoryEntry{name, isDirectory});
  }
  ::closedir(listing);
  std::sort(entries.begin(), entries.end(), comesBefore);
  entries.insert(entries.begin(), {DirectoryEntry{".", true}, DirectoryEntry{"..", true}});
  return entries;
}

std::optional<DirectoryIdentity> directoryIdentity(const std::string& path) {
  struct stat info;
  if (::stat(listedDirectory(path).c_str(), &info) != 0) {
    return std::nullopt;
  }
  return DirectoryIdentity{static_cast<std::uint64_t>(info.st_dev),
                           static_cast<std::uint64_t>(info.st_ino)};
}

void showMessage(const std::string& title, const std::string& text) {
  const std::string line = title + ": " + text + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

std::string displayPath(const std::string& path) { return systemPath(path); }

void writeConsole(ConsoleStream stream, std::string_view text) {
  std::FILE* const file = stream == ConsoleStream::output ? stdout : stderr;
  std::fwrite(text.data(), 1, text.size(), file);
  std::fflush(file);
}

std::vector<std::string> commandLineParameters(int argc, char** argv) {
  return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
}

// Every file is closed by the time the run ends, so nothing is left to flush; the system takes the
// memory back at once, where freeing the lists record by record would cost a noticeable part of
// a large run.
void exitProcess(int exitCode) { std::_Exit(exitCode); }

}  // namespace inkwright
