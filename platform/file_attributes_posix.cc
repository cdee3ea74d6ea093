// SPDX-License-Identifier: MIT
#include <sys/stat.h>

#include <cerrno>
#include <climits>

#include "base/passed_over.h"
#include "platform/file_attributes.h"

namespace mj::platform {

namespace {

bool hidden_name(const std::filesystem::path& path) {
  const std::string name = path.filename().string();
  return is_passed_over_name(name) && name != "." && name != "..";
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

bool is_system_file(const std::filesystem::path&) { return false; }

std::size_t longest_path() { return PATH_MAX - 1; }

}  // namespace mj::platform
