#include "platform/file_attributes.h"

#include "rules/failure.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#include <cerrno>
#include <cstring>

namespace mj::platform {

namespace {

constexpr int kPathAccessError = 75;

[[noreturn]] void fail_for(const std::filesystem::path& path, int error) {
  const int code = (error == ENOENT || error == ENOTDIR) ? kFileNotFound : kPathAccessError;
  throw failure_error(failure{
      code, std::string(code == kFileNotFound ? "File not found" : "Path/File access error") +
                ": " + path.string() + " (" + std::strerror(error) + ")"});
}

}  // namespace

#ifdef _WIN32

int attribute_word(const std::filesystem::path& path) {
  const DWORD word = GetFileAttributesW(path.c_str());
  if (word == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    fail_for(path,
             error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ENOENT : EACCES);
  }
  return static_cast<int>(word);
}

#else

namespace {

bool hidden_name(const std::filesystem::path& path) {
  const std::string name = path.filename().string();
  return !name.empty() && name.front() == '.' && name != "." && name != "..";
}

int word_of(const struct stat& st, const std::filesystem::path& path) {
  int word = 0;
  if (S_ISDIR(st.st_mode)) {
    word |= kDirectory;
  } else if (!S_ISREG(st.st_mode)) {
    word |= kSystem;
  }
  if ((st.st_mode & S_IWUSR) == 0) word |= kReadOnly;
  if (hidden_name(path)) word |= kHidden;
  return word;
}

}  // namespace

int attribute_word(const std::filesystem::path& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0) fail_for(path, errno);
  if (!S_ISLNK(st.st_mode)) return word_of(st, path);
  struct stat target;
  if (stat(path.c_str(), &target) != 0) return kReparsePoint | (hidden_name(path) ? kHidden : 0);
  return kReparsePoint | word_of(target, path);
}

#endif

bool is_schedule_folder(const std::filesystem::path& parent, const std::string& name) {
  if (name.empty() || name.front() == '.') return false;
  return attribute_word(parent / name) == kDirectory;
}

}  // namespace mj::platform
