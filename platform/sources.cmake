# SPDX-License-Identifier: MIT
# The Qt-free part of the platform layer, listed once: the programs' build
# (platform/CMakeLists.txt) and the Windows check (tools/windows_check), which
# builds it with MinGW and without Qt, both take it from here. Names are
# relative to this folder; `system_side` is posix or win32.
# A new Qt-free platform file is one more line in one of these lists.

# File names, attributes and times, the capsule root, paths made from typed
# text, and putting a finished file under its name.
set(mj_platform_sources
  capsule_root.cc
  capsule_root_${system_side}.cc
  directory_listing.cc
  file_attributes.cc
  file_attributes_${system_side}.cc
  file_placement.cc
  file_placement_${system_side}.cc
  file_time.cc
  file_time_${system_side}.cc
  local_date_${system_side}.cc
  paths.cc
)

# Their tests. Those of posix_only hold on POSIX systems only (they use
# mkdtemp, setenv, POSIX permissions, symbolic links, TZ or a stand-in
# xdg-open); win32_test.cc checks the Windows side of the same code.
set(mj_platform_test_sources
  capsule_root_test.cc
  directory_listing_test.cc
  file_attributes_test.cc
  file_placement_test.cc
  file_time_test.cc
  key_state_test.cc
  open_file_test.cc
  paths_test.cc
)
set(mj_platform_posix_only_tests
  directory_listing_test.cc
  file_attributes_test.cc
  file_time_test.cc
  open_file_test.cc
)
set(mj_platform_win32_test_sources win32_test.cc)

# The Windows files of services (the skip key, opening a file) that need no Qt
# on Windows, though their POSIX side does.
set(mj_platform_win32_service_sources
  key_state_win32.cc
  open_file_win32.cc
)
