// The only door to the operating system. platform-posix.cpp and platform-win32.cpp each define
// all of it; CMake compiles exactly one. Paths come in with "\" as the separator, as the rest of
// the program builds them; an implementation translates them, if its system needs that, at the
// moment the call reaches the system.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace inkwright {

// A file handle of the system; kNoHandle stands for none.
using NativeHandle = std::intptr_t;
inline constexpr NativeHandle kNoHandle = -1;

// Opens an existing file for reading, shared with other readers; kNoHandle when it cannot be.
NativeHandle openFileForReading(const std::string& path);

// Creates the file or empties an existing one, open for writing and readable by others meanwhile;
// kNoHandle when it cannot be created. Never creates a directory.
NativeHandle createFileForWriting(const std::string& path);

// Creates a new, empty file at path, open for reading and writing; kNoHandle when anything is
// already there (a link too, even one that leads nowhere) or the file cannot be created.
NativeHandle createNewFile(const std::string& path);

// An output file opened by openFileForUpdate.
struct UpdatableFile {
  NativeHandle handle = kNoHandle;
  // True when handle reads and writes a regular file that still holds its size bytes (none when
  // the call created it), at position 0; false when the file was opened as createFileForWriting
  // opens it, emptied where it is a regular file.
  bool holdsOldBytes = false;
  std::uint64_t size = 0;
};

// Opens the file at path to be written, creating it when it is missing, so that what it already
// holds can be compared first. A regular file that can be both read and written keeps its bytes;
// anything else (a read-only file, a device, a link to one) is opened as createFileForWriting
// opens it. Never blocks: where that open would wait (a FIFO that nobody reads), and wherever it
// would fail, the handle is kNoHandle.
UpdatableFile openFileForUpdate(const std::string& path);

// Opens, for reading, an existing regular file that could also be written (what the writers compare
// their outputs with), its size into size. Never creates, empties or blocks: anything else (a
// missing or read-only file, a device, a FIFO, a link to one) gives kNoHandle.
NativeHandle openWritableFileForReading(const std::string& path, std::uint64_t& size);

// Moves the position at which file is next read or written to offset bytes from its start.
void seekFile(NativeHandle file, std::uint64_t offset);

// Cuts file to its first size bytes; the position at which it is next read or written stays where
// it was.
void truncateFile(NativeHandle file, std::uint64_t size);

// Reads up to size bytes; the count read, 0 at the end of the file or on a read error.
std::size_t readFromFile(NativeHandle file, char* buffer, std::size_t size);

// Writes all size bytes, as far as the system lets it; write errors are not reported.
void writeToFile(NativeHandle file, const char* data, std::size_t size);

void closeNativeFile(NativeHandle file);

struct DirectoryEntry {
  std::string name;
  bool isDirectory = false;
};

// note [listing order]
// A run must give the same outputs for the same tree on every system, and the order of the files
// decides the order of entries with equal names, of import sections and of directives. The order
// is the one a Windows (NTFS) volume returns: "." and ".." first, then the names sorted by their
// bytes with a-z raised to A-Z, compared unsigned, ties broken by the raw bytes. The Win32 layer
// gets that order from the system; the POSIX layer sorts into it.
//
// Lists the directory (the "*.*" search of the path), "." and ".." included; nullopt when it cannot
// be listed.
std::optional<std::vector<DirectoryEntry>> listDirectory(const std::string& path);

// What tells two paths that reach the same directory apart from two different directories.
struct DirectoryIdentity {
  std::uint64_t volume = 0;
  std::uint64_t index = 0;
  friend bool operator==(const DirectoryIdentity&, const DirectoryIdentity&) = default;
};

// The identity of the directory at path; nullopt when it cannot be had.
std::optional<DirectoryIdentity> directoryIdentity(const std::string& path);

// Tells the user something: a message box where the system has one, which returns when it is
// dismissed; elsewhere one line "title: text" on standard error. The run goes on afterwards.
void showMessage(const std::string& title, const std::string& text);

// The path as the system's own tools write it: on POSIX every "\" becomes "/", on Windows it
// stays as it is.
std::string displayPath(const std::string& path);

enum class ConsoleStream { output, error };

// Writes the bytes to standard output or standard error exactly as they are, with no line-end
// translation; a stream that is closed or not there takes nothing, silently.
void writeConsole(ConsoleStream stream, std::string_view text);

// The parameters the program was started with, its own path not counted.
std::vector<std::string> commandLineParameters(int argc, char** argv);

// Ends the process with this exit code, at once: every file must be closed before.
[[noreturn]] void exitProcess(int exitCode = 0);

}  // namespace inkwright
