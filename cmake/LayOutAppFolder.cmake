# Lays out the AppFolder beside the executable: creates the data folders and copies the shipped
# data in. Files already there are kept, so a rebuild never overwrites what the user changed.
foreach(folder spreads descriptions database cards titles xfiles)
  file(MAKE_DIRECTORY "${DEST}/${folder}")
endforeach()

file(GLOB_RECURSE shipped RELATIVE "${SOURCE}" "${SOURCE}/*")
foreach(relative IN LISTS shipped)
  get_filename_component(name "${relative}" NAME)
  # Only what lies in the data folders; the folder's own README stays in the repository.
  if(name STREQUAL ".gitkeep" OR NOT relative MATCHES "/")
    continue()
  endif()
  if(NOT EXISTS "${DEST}/${relative}")
    get_filename_component(folder "${DEST}/${relative}" DIRECTORY)
    file(MAKE_DIRECTORY "${folder}")
    file(COPY_FILE "${SOURCE}/${relative}" "${DEST}/${relative}")
  endif()
endforeach()
