// SPDX-License-Identifier: MIT
#include "opener/report_text.h"

#include "base/visible_text.h"
#include "platform/capsule_root.h"

namespace mj::opener {

std::string without_final_separators(std::string path) {
  while (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) path.pop_back();
  return path;
}

std::string root_label(const std::filesystem::path& root, const std::string& home) {
  const std::string text = without_final_separators(root.string());
  if (!home.empty()) {
    const std::string prefix = without_final_separators(home);
    if (text == prefix) return "~";
    if (text.starts_with(prefix + "/")) return "~" + printable_path(text.substr(prefix.size()));
  }
  return printable_path(text);
}

std::string root_label(const std::filesystem::path& root) {
  return root_label(root, platform::home_for_labels());
}

}  // namespace mj::opener
