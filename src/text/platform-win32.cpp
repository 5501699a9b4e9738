// The Win32 side of the platform layer. Paths reach the system as they are: "\" and "/" both
// separate there. Only the ANSI calls are used, so the bytes of a name are the bytes of the
// system's code page, exactly as the rest of the program handles them.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>

#include "text/commandline.h"
#include "text/platform.h"

namespace inkwright {

namespace {

HANDLE nativeOf(NativeHandle file) { return reinterpret_cast<HANDLE>(file); }

NativeHandle handleOf(HANDLE file) {
  return file == INVALID_HANDLE_VALUE ? kNoHandle : reinterpret_cast<NativeHandle>(file);
}

// ReadFile and WriteFile take 32-bit counts.
DWORD chunkOf(std::size_t size) {
  return static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
}

std::string searchPattern(const std::string& path) {
  if (path.empty() || path.back() == '\\') {
    return path + "*.*";
  }
  return path + "\\*.*";
}

// The process's own windows that a message box must keep the user away from while it shows.
struct ProcessWindows {
  DWORD process = 0;
  std::vector<HWND> disabled;
};

BOOL CALLBACK disableProcessWindow(HWND window, LPARAM context) {
  ProcessWindows& windows = *reinterpret_cast<ProcessWindows*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == windows.process && IsWindowVisible(window) && IsWindowEnabled(window)) {
    EnableWindow(window, FALSE);
    windows.disabled.push_back(window);
  }
  return TRUE;
}

}  // namespace

NativeHandle openFileForReading(const std::string& path) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE && GetFileType(file) != FILE_TYPE_DISK) {
    // A device or pipe name in a source tree would stall the run or never end.
    CloseHandle(file);
    return kNoHandle;
  }
  return handleOf(file);
}

NativeHandle createFileForWriting(const std::string& path) {
  return handleOf(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
}

namespace {

// What openFileForUpdate and openWritableFileForReading compare with: a regular file that could be
// written. A hidden, system or read-only file is left to createFileForWriting, as before the
// comparing writers existed: its CREATE_ALWAYS refuses hidden and system files.
bool isComparable(HANDLE file, std::uint64_t& size) {
  BY_HANDLE_FILE_INFORMATION information;
  const DWORD refused = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY |
                        FILE_ATTRIBUTE_DIRECTORY;
  if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &information) ||
      (information.dwFileAttributes & refused) != 0) {
    return false;
  }
  size = (static_cast<std::uint64_t>(information.nFileSizeHigh) << 32) | information.nFileSizeLow;
  return true;
}

}  // namespace

NativeHandle createNewFile(const std::string& path) {
  return handleOf(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
}

UpdatableFile openFileForUpdate(const std::string& path) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    std::uint64_t size = 0;
    if (isComparable(file, size)) {
      return UpdatableFile{handleOf(file), true, size};
    }
    CloseHandle(file);
  }
  // Names of devices and pipes open at once on this system: nothing to wait for.
  return UpdatableFile{createFileForWriting(path), false, 0};
}

NativeHandle openWritableFileForReading(const std::string& path, std::uint64_t& size) {
  // Write access is asked for only to learn whether it would be given; nothing is written.
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return kNoHandle;
  }
  if (!isComparable(file, size)) {
    CloseHandle(file);
    return kNoHandle;
  }
  return handleOf(file);
}

void seekFile(NativeHandle file, std::uint64_t offset) {
  LARGE_INTEGER distance;
  distance.QuadPart = static_cast<LONGLONG>(offset);
  SetFilePointerEx(nativeOf(file), distance, nullptr, FILE_BEGIN);
}

void truncateFile(NativeHandle file, std::uint64_t size) {
  // The end of a file is set where its position is, so the position is moved there and back.
  LARGE_INTEGER stay{};
  LARGE_INTEGER position{};
  SetFilePointerEx(nativeOf(file), stay, &position, FILE_CURRENT);
  seekFile(file, size);
  SetEndOfFile(nativeOf(file));
  seekFile(file, static_cast<std::uint64_t>(position.QuadPart));
}

std::size_t readFromFile(NativeHandle file, char* buffer, std::size_t size) {
  DWORD count = 0;
  if (!ReadFile(nativeOf(file), buffer, chunkOf(size), &count, nullptr)) {
    return 0;
  }
  return count;
}

void writeToFile(NativeHandle file, const char* data, std::size_t size) {
  while (size > 0) {
    DWORD count = 0;
    if (!WriteFile(nativeOf(file), data, chunkOf(size), &count, nullptr) || count == 0) {
      return;
    }
    data += count;
    size -= count;
  }
}

void closeNativeFile(NativeHandle file) { CloseHandle(nativeOf(file)); }

// See note [listing order]: the system's own order is the one every run keeps.
std::optional<std::vector<DirectoryEntry>> listDirectory(const std::string& path) {
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA(searchPattern(path).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    return std::nullopt;
  }
  std::vector<DirectoryEntry> entries;
  do {
    entries.push_back(
        DirectoryEntry{found.cFileName, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return entries;
}

// The identity of a directory is its volume serial number and file index; a junction or a
// directory link is followed to the directory it leads to.
std::optional<DirectoryIdentity> directoryIdentity(const std::string& path) {
  const HANDLE directory = CreateFileA(path.empty() ? "." : path.c_str(), 0,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (directory == INVALID_HANDLE_VALUE) {
    return std::nullopt;
  }
  BY_HANDLE_FILE_INFORMATION information;
  const BOOL known = GetFileInformationByHandle(directory, &information);
  CloseHandle(directory);
  if (!known) {
    return std::nullopt;
  }
  return DirectoryIdentity{
      information.dwVolumeSerialNumber,
      (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) | information.nFileIndexLow};
}

// Modal to the whole process: owned by its foreground window when it has one, with every other
// window of the process disabled until the box is dismissed.
void showMessage(const std::string& title, const std::string& text) {
  ProcessWindows windows;
  windows.process = GetCurrentProcessId();
  HWND owner = GetForegroundWindow();
  DWORD ownerProcess = 0;
  if (owner != nullptr) {
    GetWindowThreadProcessId(owner, &ownerProcess);
  }
  if (ownerProcess != windows.process) {
    owner = nullptr;
  }
  EnumWindows(disableProcessWindow, reinterpret_cast<LPARAM>(&windows));
  MessageBoxA(owner, text.c_str(), title.c_str(), MB_OK);
  for (const HWND window : windows.disabled) {
    EnableWindow(window, TRUE);
  }
}

std::string displayPath(const std::string& path) { return path; }

// WriteFile on the standard handle, not the C runtime's stdout, which would turn "\n" into "\r\n".
void writeConsole(ConsoleStream stream, std::string_view text) {
  const HANDLE handle =
      GetStdHandle(stream == ConsoleStream::output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
    return;
  }
  writeToFile(handleOf(handle), text.data(), text.size());
}

std::vector<std::string> commandLineParameters(int, char**) {
  return splitCommandLine(GetCommandLineA());
}

void exitProcess(int exitCode) { ExitProcess(static_cast<UINT>(exitCode)); }

}  // namespace inkwright
