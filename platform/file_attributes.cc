#include "platform/file_attributes.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#include <cerrno>
#include <cstring>

namespace mj::platform {

failure path_failure(const std::filesystem::path& path, int error_number) {
  const bool missing = error_number == ENOENT || error_number == ENOTDIR;
  return make_failure(missing ? failure_code::not_found : failure_code::path_access,
                      path.string() + " (" + std::strerror(error_number) + ")");
}

#ifdef _WIN32

result<int> attribute_word(const std::filesystem::path& path) {
  const DWORD word = GetFileAttributesW(path.c_str());
  if (word == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    return path_failure(
        path, error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ENOENT : EACCES);
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

result<int> attribute_word(const std::filesystem::path& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0) return path_failure(path, errno);
  if (!S_ISLNK(st.st_mode)) return word_of(st, path);
  struct stat target;
  if (stat(path.c_str(), &target) != 0) return kReparsePoint | (hidden_name(path) ? kHidden : 0);
  return kReparsePoint | word_of(target, path);
}

#endif

result<bool> is_schedule_folder(const std::filesystem::path& parent, const std::string& name) {
  if (name.empty() || name.front() == '.') return false;
  const result<int> word = attribute_word(parent / name);
  if (!word.ok()) return word.error();
  return *word == kDirectory;
}

}  // namespace mj::platform
