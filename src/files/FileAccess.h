// Reading a whole file and replacing one safely. Paths are the file system's own bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvistra {

enum class ReadOutcome {
  Read,
  Missing,     // no such file, or a folder
  Unreadable,  // there, but it cannot be read, or it is far larger than the file it should be
};

struct FileContents {
  ReadOutcome outcome = ReadOutcome::Missing;
  std::string bytes;
};

FileContents readWholeFile(const std::string& path, std::size_t largestSize);

// Whether something is there at path already.
bool fileExists(const std::string& path);
// Whether both paths name the same existing file, however each is written.
bool sameFile(const std::string& a, const std::string& b);

// The space free for a new file beside path, or nothing when it cannot be told.
std::optional<std::uintmax_t> freeSpaceBeside(const std::string& path);

// A name beside path for another kind of file: path without its extension, with ending after
// it ("urne.KV3" and "-opgaveark.pdf" give "urne-opgaveark.pdf"); fallback when path is empty.
std::string nameBeside(const std::string& path, std::string_view ending, std::string_view fallback);

// Writes bytes to a new file beside path and, only when every byte reached the disk and the file
// closed cleanly, moves it over path in one step. A file whose mode forbids writing is not
// replaced. False leaves path as it was, unless only the last step, syncing its folder, failed.
bool replaceFile(const std::string& path, std::string_view bytes);

}  // namespace kvistra
