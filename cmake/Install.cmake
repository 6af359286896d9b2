# The desktop installation (docs/installing.md).
#
#   cmake --install build --prefix ~/.local     for the current user (a prefix inside $HOME)
#   cmake --install build --prefix /usr         for every user of the machine
#
# Either way the program itself goes to <prefix>/lib/sibylon/ and a launcher to <prefix>/bin/sibylon;
# the desktop entry, icon and metadata go where the desktop looks for them. The program keeps all
# its data beside its executable, so every user runs it from an AppFolder of their own:
# - for the current user it is <prefix>/share/sibylon/, laid out by the installation itself;
# - for every user it is ~/.local/share/sibylon/, laid out by the launcher on the first start from
#   the pristine copy in <prefix>/share/sibylon/, so that no user ever writes below the prefix.
# Installing again (an update) replaces the program, its guide and the pictures of its shipped
# decks, and never touches the user's own files. SIBYLON_INSTALL_MODE=user|system in the
# environment overrides the choice that the prefix makes.

install(TARGETS sibylon RUNTIME DESTINATION lib/sibylon)
install(CODE "
  set(SIBYLON_SOURCE_DIR \"${CMAKE_SOURCE_DIR}\")
  set(SIBYLON_BINARY_DIR \"${CMAKE_BINARY_DIR}\")
  set(SIBYLON_APP_ID \"${SIBYLON_APP_ID}\")
  set(SIBYLON_ICON_FOLDER \"${SIBYLON_ICON_FOLDER}\")
  set(SIBYLON_ICON_SIZES \"${SIBYLON_ICON_SIZES}\")
  set(SIBYLON_GUIDE_FILES \"${SIBYLON_GUIDE_FILES}\")
  set(PROJECT_VERSION \"${PROJECT_VERSION}\")
")
install(SCRIPT ${CMAKE_SOURCE_DIR}/cmake/InstallDesktop.cmake)
