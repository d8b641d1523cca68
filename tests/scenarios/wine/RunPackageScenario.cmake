# Builds the map package of a Wine scenario with NSIS beside a copy of the scenario, then runs
# the scenario. Map packages are 32-bit Windows programs; where this host cannot run 32-bit
# programs the package is built for 64-bit Windows and Wine's 64-bit loader runs it.
#   cmake -DRUNNER=zorvane-scenario -DSCENARIO=file.scn -DWORK=folder -P RunPackageScenario.cmake
foreach(variable RUNNER SCENARIO WORK)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "expected -D${variable}=...")
  endif()
endforeach()

find_program(MAKENSIS makensis)
find_program(WINE wine)
if(NOT MAKENSIS OR NOT WINE)
  message(FATAL_ERROR "expected makensis and wine (scripts/deps.sh installs nsis and wine)")
endif()

set(target x86-unicode)
set(loader_setting "")
execute_process(COMMAND ${WINE} --version RESULT_VARIABLE runs32 OUTPUT_QUIET ERROR_QUIET)
if(NOT runs32 EQUAL 0)
  find_program(WINE64 wine64 PATHS /usr/lib/wine)
  if(NOT WINE64)
    message(FATAL_ERROR "expected Wine to run here: 32-bit Wine does not, and there is no wine64")
  endif()
  set(target amd64-unicode)
  set(loader_setting "WINELOADER=${WINE64}")
endif()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/Creek.gmx "map data of Creek")
file(WRITE ${WORK}/Creek.bmp "BM preview of Creek")
file(WRITE ${WORK}/pack.nsi "Target ${target}
Name \"Creek\"
OutFile \"CreekPack.exe\"
SilentInstall silent
RequestExecutionLevel user
InstallDir \"C:\\Games\\Wild Wings\\Home\\Maps\"
Section
  SetOutPath \"$INSTDIR\"
  File \"Creek.gmx\"
  File \"Creek.bmp\"
SectionEnd
")
execute_process(COMMAND ${MAKENSIS} -V2 pack.nsi WORKING_DIRECTORY ${WORK} RESULT_VARIABLE built)
if(NOT built EQUAL 0)
  message(FATAL_ERROR "makensis could not build the package")
endif()

get_filename_component(name ${SCENARIO} NAME)
file(COPY ${SCENARIO} DESTINATION ${WORK})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env WINEDEBUG=-all "WINEDLLOVERRIDES=mscoree,mshtml=" ${loader_setting}
          ${RUNNER} ${WORK}/${name}
  RESULT_VARIABLE passed)
if(NOT passed EQUAL 0)
  message(FATAL_ERROR "the scenario failed")
endif()
