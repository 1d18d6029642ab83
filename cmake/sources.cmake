# The game's sources by folder: one static library per floor or backend, shared by the desktop
# build (CMakeLists.txt) and the browser build (web/CMakeLists.txt). A library takes every .cpp
# of its folders, so a new file joins the library of the folder it is put in.
#
#   zarvo_platform      platform/, platform/headless/   the ground floor: no game header
#   zarvo_platform_sdl  platform/sdl/                   the desktop's window, keys and sound
#   zarvo_platform_web  platform/web/                   the page's canvas, keys, sound, storage
#   zarvo_rules         state/ assets/ and the subsystems (arena/ effects/ enemies/ hazards/
#                       pilots/ player/ screens/)
#   zarvo_game          game/                           the per-tick flow over the subsystems
#   zarvo_headless      driver/headless/                the headless runner, the random player
#   zarvo_start         driver/start/                   command line, settings, file places
#   zarvo_shell         driver/shell/                   the desk both shells play the game at:
#                                                       pause, help, sound, runs kept and shown
#   zarvo_painters      tools/assetgen/ (not its main.cpp): the images and sounds, drawn
#
# The programs' own folders, driver/desktop/ and driver/page/, are listed by
# zarvo_folder_sources in the build that makes them.
#
# ZARVO_ROOT is the repository's top folder.

function(zarvo_folder_sources out)
  set(sources)
  foreach(folder ${ARGN})
    file(GLOB found CONFIGURE_DEPENDS ${ZARVO_ROOT}/${folder}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  set(${out} ${sources} PARENT_SCOPE)
endfunction()

function(zarvo_folder_library name)
  zarvo_folder_sources(sources ${ARGN})
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${ZARVO_ROOT}/src)
endfunction()

zarvo_folder_library(zarvo_platform src/platform src/platform/headless)
zarvo_folder_library(zarvo_rules src/state src/assets src/arena src/effects src/enemies
  src/hazards src/pilots src/player src/screens)
target_link_libraries(zarvo_rules PUBLIC zarvo_platform)
zarvo_folder_library(zarvo_game src/game)
target_link_libraries(zarvo_game PUBLIC zarvo_rules)
zarvo_folder_library(zarvo_headless src/driver/headless)
target_link_libraries(zarvo_headless PUBLIC zarvo_game)
zarvo_folder_library(zarvo_start src/driver/start)
target_link_libraries(zarvo_start PUBLIC zarvo_headless)
zarvo_folder_library(zarvo_shell src/driver/shell)
target_link_libraries(zarvo_shell PUBLIC zarvo_start zarvo_headless)

zarvo_folder_sources(painters tools/assetgen)
list(REMOVE_ITEM painters ${ZARVO_ROOT}/tools/assetgen/main.cpp)
add_library(zarvo_painters STATIC ${painters})
target_include_directories(zarvo_painters PUBLIC ${ZARVO_ROOT}/tools)
target_link_libraries(zarvo_painters PUBLIC zarvo_rules)

if(EMSCRIPTEN)
  zarvo_folder_library(zarvo_platform_web src/platform/web)
  target_link_libraries(zarvo_platform_web PUBLIC zarvo_platform)
else()
  zarvo_folder_library(zarvo_platform_sdl src/platform/sdl)
  target_link_libraries(zarvo_platform_sdl PUBLIC zarvo_platform SDL2::SDL2)
  # Everything but the programs' entries and backends: what the tools, tests and benchmarks use.
  add_library(zarvo_core INTERFACE)
  target_link_libraries(zarvo_core INTERFACE zarvo_shell zarvo_start zarvo_headless zarvo_game zarvo_rules
    zarvo_platform)
endif()
