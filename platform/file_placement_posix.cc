// SPDX-License-Identifier: MIT
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <limits>
#include <string>
#include <system_error>

#include "platform/file_placement.h"

namespace mj::platform {

namespace {

failure placement_failure(const std::filesystem::path& target, int error_number) {
  const std::u8string name = target.u8string();
  return make_failure(failure_code::path_access, std::string(name.begin(), name.end()) + " (" +
                                                     std::generic_category().message(error_number) +
                                                     ")");
}

result<placement> place_by_hard_link(const std::filesystem::path& staged,
                                     const std::filesystem::path& target) {
  if (::link(staged.c_str(), target.c_str()) != 0) {
    if (errno == EEXIST) return placement::name_taken;
    return placement_failure(target, errno);
  }
  // The file is in place under both names; only the staged one goes. Should
  // that fail, the message is still stored whole under its name.
  ::unlink(staged.c_str());
  return placement::placed;
}

#if defined(__linux__) && defined(RENAME_NOREPLACE)
// File systems that cannot refuse to replace in a rename (some network and
// FUSE file systems) say so with one of these.
bool rename_cannot_refuse(int error_number) {
  return error_number == EINVAL || error_number == ENOSYS || error_number == ENOTSUP ||
         error_number == EOPNOTSUPP;
}
#endif

}  // namespace

result<placement> place_without_replacing(const std::filesystem::path& staged,
                                          const std::filesystem::path& target,
                                          placement_call call) {
#if defined(__linux__) && defined(RENAME_NOREPLACE)
  if (call == placement_call::rename_no_replace) {
    if (::renameat2(AT_FDCWD, staged.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
      return placement::placed;
    if (errno == EEXIST) return placement::name_taken;
    if (!rename_cannot_refuse(errno)) return placement_failure(target, errno);
  }
#else
  (void)call;
#endif
  return place_by_hard_link(staged, target);
}

bool is_process_running(long long process) {
  if (process <= 0 || process > static_cast<long long>(std::numeric_limits<pid_t>::max()))
    return false;
  // Signal 0 only asks; EPERM means the process is there, owned by another user.
  return kill(static_cast<pid_t>(process), 0) == 0 || errno == EPERM;
}

}  // namespace mj::platform
