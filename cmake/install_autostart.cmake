# Writes the XDG autostart entry of m_jar at install time, naming the program
# under the prefix actually installed to, so the opener runs at each login.
set(prefix "${CMAKE_INSTALL_PREFIX}")
set(M_JAR_PATH "${prefix}/${MORROWJAR_BINDIR}/m_jar")
set(M_JAR_ICON "${prefix}/${MORROWJAR_DATADIR}/icons/hicolor/64x64/apps/morrowjar.png")

set(dir "${MORROWJAR_AUTOSTART_DIR}")
if(NOT dir)
  if(DEFINED ENV{HOME} AND prefix MATCHES "^$ENV{HOME}(/|$)")
    if(DEFINED ENV{XDG_CONFIG_HOME} AND NOT "$ENV{XDG_CONFIG_HOME}" STREQUAL "")
      set(dir "$ENV{XDG_CONFIG_HOME}/autostart")
    else()
      set(dir "$ENV{HOME}/.config/autostart")
    endif()
  else()
    set(dir "/etc/xdg/autostart")
  endif()
endif()

configure_file("${MORROWJAR_DESKTOP_TEMPLATE}" "$ENV{DESTDIR}${dir}/m_jar.desktop" @ONLY)
message(STATUS "Installing: $ENV{DESTDIR}${dir}/m_jar.desktop")
