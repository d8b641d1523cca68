# Where an install puts things, under any prefix (/usr, /usr/local, a staging folder):
#   bin/zorvane                       the program
#   share/zorvane/<folder>            data folders the program loads (Support, ...)
#   lib/zorvane/<module>              libraries the program loads itself
#   share/applications, share/metainfo, share/icons/hicolor, share/doc/zorvane, share/man
# The program finds its data and libraries from its own folder through the relative paths
# below, so an install moved as a whole keeps working.
include(GNUInstallDirs)

set(ZV_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/zorvane)
set(ZV_INSTALL_LIBDIR ${CMAKE_INSTALL_LIBDIR}/zorvane)
file(RELATIVE_PATH ZV_DATA_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/zorvane)
file(RELATIVE_PATH ZV_LIBRARY_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR}/zorvane)

# The desktop's name for the program: desktop entry, icon, AppStream id and Wayland app id.
set(ZV_APPLICATION_ID net.example.zorvane.Zorvane)

# Folders made by an install are world-readable whatever the umask (packages need 0755).
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(ZV_FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

# zv_install_program(TARGET): an executable the user starts.
function(zv_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()

# zv_install_module(TARGET): a library the program loads at run time; found in
# InstalledLibraryFolder() (src/platform/ProgramFolder.h).
function(zv_install_module target)
  install(TARGETS ${target}
    LIBRARY DESTINATION ${ZV_INSTALL_LIBDIR} PERMISSIONS ${ZV_FILE_PERMISSIONS})
endfunction()

# zv_install_data_folder(FOLDER): a folder of read-only files, installed as
# share/zorvane/<its name>; found in InstalledDataFolder().
function(zv_install_data_folder folder)
  install(DIRECTORY ${folder} DESTINATION ${ZV_INSTALL_DATADIR}
    FILE_PERMISSIONS ${ZV_FILE_PERMISSIONS}
    DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
endfunction()
