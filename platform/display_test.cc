// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QByteArray>
#include <QtGlobal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/display_servers.h"
#include "tests/temp_folder.h"

namespace mj::platform {
namespace {

namespace fs = std::filesystem;

TEST(QtPlatforms, LeaveQtItsChoiceOnlyWhereItCannotMeetADeadServer) {
  struct Case {
    const char* name;
    display_servers found;
    const char* platforms;
  };
  // Fields: native, x11 named, x11 answers, wayland named, wayland answers.
  const Case kCases[] = {
      {"Windows or macOS", {true, false, false, false, false}, ""},
      {"an X session", {false, true, true, false, false}, ""},
      {"Wayland with X beside it", {false, true, true, true, true}, ""},
      {"nothing named", {false, false, false, false, false}, "offscreen"},
      {"DISPLAY=:99 with no server", {false, true, false, false, false}, "offscreen"},
      {"both named, neither answers", {false, true, false, true, false}, "offscreen"},
      {"Wayland alone", {false, false, false, true, true}, "wayland;offscreen"},
      {"Wayland, X gone", {false, true, false, true, true}, "wayland;offscreen"},
      {"X, Wayland socket gone", {false, true, true, true, false}, "xcb;offscreen"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(qt_platforms_for(c.found), c.platforms);
  }
}

// A display number with no X server: no socket and no lock file of one.
std::string dead_x_display() {
  for (int n = 99; n < 200; ++n) {
    const std::string number = std::to_string(n);
    if (!fs::exists("/tmp/.X11-unix/X" + number) && !fs::exists("/tmp/.X" + number + "-lock"))
      return ":" + number;
  }
  return {};
}

// A listening Unix socket at `path`, standing for a compositor until it is
// closed; -1 when it cannot be made.
int bound_socket(const fs::path& path) {
  const int s = socket(AF_UNIX, SOCK_STREAM, 0);
  if (s < 0) return -1;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
  if (bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      listen(s, 4) != 0) {
    close(s);
    return -1;
  }
  return s;
}

class DisplayProbe : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(runtime_.empty());
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) unsetenv(name);
    setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
  }

  mj::testing::temp_folder folder_{"mj_display"};
  fs::path runtime_ = folder_.path();
};

TEST_F(DisplayProbe, AWaylandSocketAnswersOnlyWhileSomeoneListens) {
  const int compositor = bound_socket(runtime_ / "wayland-7");
  ASSERT_GE(compositor, 0);
  const int gone = bound_socket(runtime_ / "wayland-8");
  ASSERT_GE(gone, 0);
  close(gone);  // its socket file stays behind, as after a crash

  struct Case {
    const char* wayland_display;
    bool runtime_dir;
    bool answers;
  };
  const Case kCases[] = {
      {"wayland-7", true, true},
      {"wayland-8", true, false},
      {"wayland-9", true, false},   // no socket at all
      {"wayland-7", false, false},  // a relative name needs XDG_RUNTIME_DIR
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.wayland_display) + (c.runtime_dir ? "" : " without runtime dir"));
    setenv("WAYLAND_DISPLAY", c.wayland_display, 1);
    if (!c.runtime_dir) unsetenv("XDG_RUNTIME_DIR");
    const display_servers found = probe_display_servers();
    EXPECT_TRUE(found.wayland_named);
    EXPECT_EQ(found.wayland_answers, c.answers);
    EXPECT_FALSE(found.x11_named);
    EXPECT_EQ(has_display(), c.answers);
    setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
  }
  // An absolute name is the socket itself.
  unsetenv("XDG_RUNTIME_DIR");
  setenv("WAYLAND_DISPLAY", (runtime_ / "wayland-7").c_str(), 1);
  EXPECT_TRUE(probe_display_servers().wayland_answers);
  close(compositor);
}

TEST_F(DisplayProbe, ADisplayThatDoesNotAnswerLeadsQtToOffscreen) {
  const std::string dead = dead_x_display();
  ASSERT_FALSE(dead.empty());
  setenv("DISPLAY", dead.c_str(), 1);
  const display_servers found = probe_display_servers();
  EXPECT_TRUE(found.x11_named);
  EXPECT_FALSE(found.x11_answers);
  EXPECT_FALSE(has_display());

  use_offscreen_without_display();
  EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), "offscreen");

  // A platform the user chose is left alone.
  setenv("QT_QPA_PLATFORM", "minimal", 1);
  use_offscreen_without_display();
  EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), "minimal");
}

// An X server that takes connections and never answers, as a stopped one
// does: a socket where the display's socket would be, listening, never read.
TEST_F(DisplayProbe, AnXServerThatNeverAnswersIsGivenUpAndCountsAsNone) {
  const std::string silent = dead_x_display();
  ASSERT_FALSE(silent.empty());
  const fs::path socket_path = "/tmp/.X11-unix/X" + silent.substr(1);
  std::error_code ignored;
  fs::create_directories(socket_path.parent_path(), ignored);
  const int server = bound_socket(socket_path);
  if (server < 0) GTEST_SKIP() << "cannot listen at " << socket_path;
  // A display that is merely absent is not silent.
  const std::string dead = dead_x_display();
  setenv("DISPLAY", dead.c_str(), 1);
  EXPECT_FALSE(probe_display_servers().x11_silent) << dead;

  setenv("DISPLAY", silent.c_str(), 1);
  // The probe comes back (CTest's time limit catches one that does not),
  // with a display named, silent and not answering.
  const display_servers found = probe_display_servers();
  EXPECT_TRUE(found.x11_named);
  EXPECT_TRUE(found.x11_silent);
  EXPECT_FALSE(found.x11_answers);
  EXPECT_FALSE(has_display());
  use_offscreen_without_display();
  EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), "offscreen");

  close(server);
  fs::remove(socket_path, ignored);
}

}  // namespace
}  // namespace mj::platform
