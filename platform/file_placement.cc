// SPDX-License-Identifier: MIT
#include "platform/file_placement.h"

#include <string>
#include <system_error>

namespace mj::platform {

namespace {

constexpr std::string_view kStagingPrefix = ".m_jarin-";
constexpr std::string_view kStagingSuffix = ".part";

bool all_of(std::string_view text, bool (*accepts)(char)) {
  if (text.empty()) return false;
  for (const char c : text)
    if (!accepts(c)) return false;
  return true;
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_hex_digit(char c) {
  return is_digit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

}  // namespace

std::optional<long long> staging_file_process(std::string_view name) {
  if (!name.starts_with(kStagingPrefix) || !name.ends_with(kStagingSuffix)) return std::nullopt;
  name.remove_prefix(kStagingPrefix.size());
  name.remove_suffix(kStagingSuffix.size());
  const size_t dash = name.find('-');
  if (dash == std::string_view::npos) return std::nullopt;
  const std::string_view process = name.substr(0, dash);
  const std::string_view random = name.substr(dash + 1);
  if (process.size() > 18 || !all_of(process, is_digit) || !all_of(random, is_hex_digit))
    return std::nullopt;
  return std::stoll(std::string(process));
}

bool is_staging_file_name(std::string_view name) { return staging_file_process(name).has_value(); }

int remove_stale_staging_files(const std::filesystem::path& folder, std::chrono::seconds min_age) {
  namespace fs = std::filesystem;
  int removed = 0;
  std::error_code error;
  fs::directory_iterator it(folder, error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    const std::u8string name8 = it->path().filename().u8string();
    const std::string name(name8.begin(), name8.end());
    const std::optional<long long> process = staging_file_process(name);
    if (!process || is_process_running(*process)) continue;
    std::error_code ignored;
    if (!it->is_regular_file(ignored) || it->is_symlink(ignored)) continue;
    const fs::file_time_type modified = fs::last_write_time(it->path(), ignored);
    if (ignored || fs::file_time_type::clock::now() - modified < min_age) continue;
    if (fs::remove(it->path(), ignored)) ++removed;
  }
  return removed;
}

}  // namespace mj::platform
