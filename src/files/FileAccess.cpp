#include "files/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace kvistra {

namespace fs = std::filesystem;

namespace {

fs::path folderOf(const fs::path& path) {
  return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

// A hidden name beside the target that no other file has; opened exclusively so that nothing
// already there is overwritten.
std::FILE* createBeside(const fs::path& target, fs::path& created) {
  constexpr int Attempts = 100;
  for (int attempt = 0; attempt < Attempts; ++attempt) {
    created = folderOf(target) / ("." + target.filename().string() + ".tmp" +
                                  (attempt ? std::to_string(attempt) : std::string()));
    if (std::FILE* file = std::fopen(created.c_str(), "wbx")) return file;
    std::error_code error;
    if (!fs::exists(created, error)) return nullptr;  // the folder takes no new file
  }
  return nullptr;
}

// Root may write every file, so the file's own mode decides, as a file manager shows it: a file
// made read-only is one its owner wants kept.
bool mayReplace(const fs::path& target) {
  struct stat info {};
  if (::stat(target.c_str(), &info) != 0) return true;  // a new file, or the rename will tell
  const uid_t user = ::geteuid();
  if (info.st_uid == user) return (info.st_mode & S_IWUSR) != 0;
  if (user == 0) return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
  return ::access(target.c_str(), W_OK) == 0;
}

// The bytes are on the disk itself before the rename, or a power cut or a pulled stick soon
// after it could leave the name on an empty file.
bool writeAndClose(std::FILE* file, std::string_view bytes) {
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool flushed = std::fflush(file) == 0;
  const bool synced = flushed && ::fsync(::fileno(file)) == 0;
  const bool closed = std::fclose(file) == 0;
  return written && synced && closed;
}

// The rename lives in the folder, and reaches the disk when the folder does. Some file systems
// cannot sync a folder (EINVAL); the rename has been made there all the same.
bool syncFolder(const fs::path& folder) {
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return true;  // an unreadable folder cannot be synced; the rename stands
  const bool synced = ::fsync(descriptor) == 0 || errno == EINVAL;
  ::close(descriptor);
  return synced;
}

}  // namespace

FileContents readWholeFile(const std::string& path, std::size_t largestSize) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (!fs::exists(status) || fs::is_directory(status)) return {ReadOutcome::Missing, {}};
  // A pipe or a device could block the program or never end.
  if (!fs::is_regular_file(status)) return {ReadOutcome::Unreadable, {}};
  std::ifstream in(path, std::ios::binary);
  if (!in) return {ReadOutcome::Unreadable, {}};
  std::string bytes(largestSize + 1, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad() || static_cast<std::size_t>(in.gcount()) > largestSize)
    return {ReadOutcome::Unreadable, {}};
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return {ReadOutcome::Read, std::move(bytes)};
}

bool fileExists(const std::string& path) {
  std::error_code error;
  return fs::exists(fs::path(path), error);
}

bool sameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return !a.empty() && !b.empty() && fs::equivalent(fs::path(a), fs::path(b), error) && !error;
}

std::optional<std::uintmax_t> freeSpaceBeside(const std::string& path) {
  std::error_code error;
  const fs::space_info space = fs::space(folderOf(path), error);
  if (error || space.available == static_cast<std::uintmax_t>(-1)) return std::nullopt;
  return space.available;
}

bool replaceFile(const std::string& path, std::string_view bytes) {
  std::error_code error;
  fs::path target(path);
  // Saving through a link replaces the file it points at, not the link.
  if (fs::is_symlink(target, error)) {
    const fs::path linked = fs::canonical(target, error);
    if (!error) target = linked;
  }
  if (!mayReplace(target)) return false;
  fs::path temporary;
  std::FILE* file = createBeside(target, temporary);
  if (!file) return false;
  // Before the writing, so that the sync takes the mode to the disk with the bytes.
  const fs::file_status old = fs::status(target, error);
  if (!error && fs::exists(old)) fs::permissions(temporary, old.permissions(), error);
  if (!writeAndClose(file, bytes)) {
    fs::remove(temporary, error);
    return false;
  }
  fs::rename(temporary, target, error);
  if (error) {
    fs::remove(temporary, error);
    return false;
  }
  return syncFolder(folderOf(target));
}

std::string nameBeside(const std::string& path, std::string_view ending,
                       std::string_view fallback) {
  if (path.empty()) return std::string(fallback);
  const std::size_t name = path.find_last_of('/') + 1;  // 0 without a folder
  const std::size_t dot = path.find_last_of('.');
  const std::size_t end = dot != std::string::npos && dot > name ? dot : path.size();
  return path.substr(0, end) + std::string(ending);
}

}  // namespace kvistra
