# Runs at install time, after the executable is in <prefix>/lib/sibylon (cmake/Install.cmake).
set(prefix "${CMAKE_INSTALL_PREFIX}")
set(destdir "$ENV{DESTDIR}")
set(mode "$ENV{SIBYLON_INSTALL_MODE}")
if(NOT mode)
  file(REAL_PATH "$ENV{HOME}" home)
  file(REAL_PATH "${prefix}" real_prefix)
  string(FIND "${real_prefix}/" "${home}/" at)
  if(NOT "$ENV{HOME}" STREQUAL "" AND at EQUAL 0)
    set(mode user)
  else()
    set(mode system)
  endif()
endif()
if(NOT mode MATCHES "^(user|system)$")
  message(FATAL_ERROR "SIBYLON_INSTALL_MODE is \"${mode}\": user or system")
endif()
if(mode STREQUAL "user")
  message(STATUS "Installing for the current user into ${prefix}")
else()
  message(STATUS "Installing for every user into ${prefix}")
endif()

set(lib "${prefix}/lib/sibylon")
if(mode STREQUAL "user")
  set(data "${lib}/data")
  set(user_appfolder "${prefix}/share/sibylon")
else()
  set(data "${prefix}/share/sibylon")
  set(user_appfolder "")
endif()

# The pristine data: the six data folders, the guide and the license.
foreach(folder spreads descriptions database cards titles xfiles)
  file(INSTALL "${SIBYLON_SOURCE_DIR}/data/${folder}" DESTINATION "${data}"
       PATTERN ".gitkeep" EXCLUDE)
endforeach()
file(INSTALL ${SIBYLON_GUIDE_FILES} DESTINATION "${data}/guide")
file(INSTALL "${SIBYLON_SOURCE_DIR}/LICENSE" DESTINATION "${data}")
file(INSTALL "${SIBYLON_SOURCE_DIR}/packaging/lay-out-appfolder.sh" DESTINATION "${lib}"
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
                      WORLD_EXECUTE)
# What uninstall.sh reads to know what this installation put where.
file(WRITE "${destdir}${lib}/installation" "mode=${mode}\nappfolder=${user_appfolder}\n")

# The launcher, the command of the menu entry.
set(SIBYLON_PROGRAM "${lib}/sibylon")
set(SIBYLON_DATA "${data}")
set(SIBYLON_USER_APPFOLDER "${user_appfolder}")
set(SIBYLON_LAY_OUT "${lib}/lay-out-appfolder.sh")
foreach(value SIBYLON_PROGRAM SIBYLON_DATA SIBYLON_USER_APPFOLDER SIBYLON_LAY_OUT)
  # Inside single quotes of the shell a single quote is written '\''.
  string(REPLACE "'" "'\\''" ${value} "${${value}}")
endforeach()
set(staging "${SIBYLON_BINARY_DIR}/install-staging")
configure_file("${SIBYLON_SOURCE_DIR}/packaging/launcher.sh.in" "${staging}/sibylon" @ONLY)
file(INSTALL "${staging}/sibylon" DESTINATION "${prefix}/bin"
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
                      WORLD_EXECUTE)

# The menu entry: Exec is the launcher, quoted as the desktop entry rules ask when it must be.
set(exec "${prefix}/bin/sibylon")
if(exec MATCHES "[ \t\n\"'\\\\><~|&;$*?#()`]")
  string(REPLACE "\\" "\\\\\\\\" exec "${exec}")
  string(REPLACE "\"" "\\\\\"" exec "${exec}")
  string(REPLACE "`" "\\\\`" exec "${exec}")
  string(REPLACE "$" "\\\\$" exec "${exec}")
  set(exec "\"${exec}\"")
endif()
string(REPLACE "%" "%%" exec "${exec}")
set(SIBYLON_EXEC "${exec}")
configure_file("${SIBYLON_SOURCE_DIR}/packaging/sibylon.desktop.in"
               "${staging}/${SIBYLON_APP_ID}.desktop" @ONLY)
file(INSTALL "${staging}/${SIBYLON_APP_ID}.desktop" DESTINATION "${prefix}/share/applications")
configure_file("${SIBYLON_SOURCE_DIR}/packaging/sibylon.metainfo.xml.in"
               "${staging}/${SIBYLON_APP_ID}.metainfo.xml" @ONLY)
file(INSTALL "${staging}/${SIBYLON_APP_ID}.metainfo.xml" DESTINATION "${prefix}/share/metainfo")

# The icon: scalable, and the rendered sizes.
file(INSTALL "${SIBYLON_SOURCE_DIR}/packaging/sibylon.svg"
     DESTINATION "${prefix}/share/icons/hicolor/scalable/apps" RENAME "${SIBYLON_APP_ID}.svg")
foreach(size IN LISTS SIBYLON_ICON_SIZES)
  file(INSTALL "${SIBYLON_ICON_FOLDER}/${size}x${size}/apps/${SIBYLON_APP_ID}.png"
       DESTINATION "${prefix}/share/icons/hicolor/${size}x${size}/apps")
endforeach()

# For the current user the AppFolder is laid out now (not into a staging DESTDIR: that is a
# package being made, whose launcher lays it out on the first start).
if(mode STREQUAL "user" AND destdir STREQUAL "")
  execute_process(COMMAND sh "${lib}/lay-out-appfolder.sh" "${lib}/sibylon" "${data}"
                          "${user_appfolder}"
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "Cannot lay out ${user_appfolder}")
  endif()
  message(STATUS "Laid out: ${user_appfolder}")
endif()

# Desktops that keep caches of menu entries and icons learn of the new ones.
if(destdir STREQUAL "")
  find_program(update_desktop_database update-desktop-database)
  if(update_desktop_database)
    execute_process(COMMAND ${update_desktop_database} -q "${prefix}/share/applications")
  endif()
  find_program(update_icon_cache gtk-update-icon-cache)
  if(update_icon_cache AND EXISTS "${prefix}/share/icons/hicolor/index.theme")
    execute_process(COMMAND ${update_icon_cache} -q -t "${prefix}/share/icons/hicolor")
  endif()
endif()
