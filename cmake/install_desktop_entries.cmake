# SPDX-License-Identifier: MIT
# Writes the two desktop entries at install time, naming the programs and the
# icons under the prefix actually installed to:
#  - the writer's entry in the application menu, DATADIR/applications/ID.desktop;
#  - the opener's autostart entry, ID.Opener.desktop, which runs `m_jar --watch`
#    at each login: in SYSCONFDIR/xdg/autostart of the install, that is
#    /etc/xdg/autostart for the prefix /usr and PREFIX/etc/xdg/autostart for
#    any other (MORROWJAR_AUTOSTART_DIR chooses another). Nothing is written
#    outside the prefix but for /usr.
# Set by the install rule: MORROWJAR_APP_ID, MORROWJAR_TEMPLATE_DIR,
# MORROWJAR_BINDIR, MORROWJAR_DATADIR, MORROWJAR_SYSCONFDIR, MORROWJAR_AUTOSTART_DIR.

function(full_install_dir dir out)
  if(IS_ABSOLUTE "${dir}")
    set(${out} "${dir}" PARENT_SCOPE)
  else()
    set(${out} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
  endif()
endfunction()

# A value of a desktop entry: backslashes doubled (the string escaping of the
# freedesktop.org desktop entry format); a line break cannot be part of a path there.
function(entry_string text out)
  if(text MATCHES "[\r\n]")
    message(FATAL_ERROR "A desktop entry cannot name a path with a line break: ${text}")
  endif()
  string(REPLACE "\\" "\\\\" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# A path as one quoted argument of an Exec line: ", `, $ and \ take a
# backslash, then the string escaping applies, and % is doubled.
function(exec_argument path out)
  string(REPLACE "\\" "\\\\" path "${path}")
  string(REPLACE "\"" "\\\"" path "${path}")
  string(REPLACE "`" "\\`" path "${path}")
  string(REPLACE "$" "\\$" path "${path}")
  entry_string("${path}" path)
  string(REPLACE "%" "%%" path "${path}")
  set(${out} "\"${path}\"" PARENT_SCOPE)
endfunction()

# Writes one entry from its template and lists it among the installed files.
function(write_entry template destination EXEC ICON)
  configure_file("${template}" "$ENV{DESTDIR}${destination}" @ONLY)
  message(STATUS "Installing: $ENV{DESTDIR}${destination}")
  set(CMAKE_INSTALL_MANIFEST_FILES ${CMAKE_INSTALL_MANIFEST_FILES} "$ENV{DESTDIR}${destination}"
      PARENT_SCOPE)
endfunction()

# An entry of an earlier install under its former name, when it starts the
# same program: removed, so that the menu or the login does not show or run
# it twice.
function(remove_former_entry path exec_line)
  set(path "$ENV{DESTDIR}${path}")
  if(EXISTS "${path}")
    file(STRINGS "${path}" lines REGEX "^Exec=")
    if(lines STREQUAL exec_line)
      file(REMOVE "${path}")
      message(STATUS "Removed the entry of the former name: ${path}")
    endif()
  endif()
endfunction()

full_install_dir("${MORROWJAR_BINDIR}" bindir)
full_install_dir("${MORROWJAR_DATADIR}" datadir)
set(id "${MORROWJAR_APP_ID}")

# The icon by its name where icon themes are looked up, else by its path.
if(datadir STREQUAL "/usr/share" OR datadir STREQUAL "/usr/local/share")
  set(writer_icon "${id}")
  set(opener_icon "${id}.Opener")
else()
  entry_string("${datadir}/icons/hicolor/256x256/apps/${id}.png" writer_icon)
  entry_string("${datadir}/icons/hicolor/256x256/apps/${id}.Opener.png" opener_icon)
endif()

# The writer by its name where every login's PATH has it (not ~/.local/bin,
# which many desktops leave out), else by its full path.
if(bindir STREQUAL "/usr/bin" OR bindir STREQUAL "/usr/local/bin")
  set(writer_exec "m_jarin")
else()
  exec_argument("${bindir}/m_jarin" writer_exec)
endif()
write_entry("${MORROWJAR_TEMPLATE_DIR}/${id}.desktop.in" "${datadir}/applications/${id}.desktop"
            "${writer_exec}" "${writer_icon}")
remove_former_entry("${datadir}/applications/m_jarin.desktop" "Exec=m_jarin")

# The autostart entry always names the opener by its full path: a login's
# PATH may be short.
set(dir "${MORROWJAR_AUTOSTART_DIR}")
if(NOT dir)
  # GNUInstallDirs' own mapping of /usr to /etc, taken at install time for the
  # prefix installed to; its other mappings (/opt/X to /etc/opt/X) would leave
  # the prefix.
  if(IS_ABSOLUTE "${MORROWJAR_SYSCONFDIR}")
    set(sysconfdir "${MORROWJAR_SYSCONFDIR}")
  elseif(CMAKE_INSTALL_PREFIX STREQUAL "/usr" OR CMAKE_INSTALL_PREFIX STREQUAL "/usr/")
    set(sysconfdir "/etc")
  else()
    full_install_dir("${MORROWJAR_SYSCONFDIR}" sysconfdir)
  endif()
  set(dir "${sysconfdir}/xdg/autostart")
endif()
exec_argument("${bindir}/m_jar" opener_exec)
# Without the program (the package removed, its entry kept) the entry is ignored.
entry_string("${bindir}/m_jar" TRY_EXEC)
write_entry("${MORROWJAR_TEMPLATE_DIR}/${id}.Opener.desktop.in" "${dir}/${id}.Opener.desktop"
            "${opener_exec}" "${opener_icon}")
remove_former_entry("${dir}/m_jar.desktop" "Exec=\"${bindir}/m_jar\" --watch")
remove_former_entry("${dir}/m_jar.desktop" "Exec=\"${bindir}/m_jar\"")
