# The web page: the game built to WebAssembly with emscripten, over the page's platform, into
# a static folder any web host can serve as it is. Included from the top CMakeLists.txt when
# the toolchain is emscripten's. Debian's emscripten cannot fetch its ports here, so pictures
# and letters go through stb_image and stb_truetype (libstb-dev) instead of libjpeg and
# FreeType; the tests' replay tool and the heaviest-tick benchmark are built for node.
set(SPLATVANE_WEB_DIR ${CMAKE_SOURCE_DIR}/build-web CACHE PATH "The page folder")
set(STB_INCLUDE_DIR /usr/include/stb CACHE PATH "Where stb_image.h and stb_truetype.h lie")
set(NLOHMANN_JSON_INCLUDE_DIR /usr/include/nlohmann CACHE PATH "Where nlohmann/json.hpp lies")

# Only the two libraries' own folders join the include path, never the machine's /usr/include.
set(HEADER_LINKS ${CMAKE_BINARY_DIR}/header-links)
file(MAKE_DIRECTORY ${HEADER_LINKS})
foreach(pair "stb=${STB_INCLUDE_DIR}" "nlohmann=${NLOHMANN_JSON_INCLUDE_DIR}")
  string(REPLACE "=" ";" pair ${pair})
  list(GET pair 0 name)
  list(GET pair 1 folder)
  if(NOT EXISTS ${folder})
    message(FATAL_ERROR "${folder} is missing: install ${name} (make web installs it)")
  endif()
  file(CREATE_LINK ${folder} ${HEADER_LINKS}/${name} SYMBOLIC)
endforeach()

# The game's errors are exceptions, caught where the desktop catches them.
add_compile_options(-fexceptions)
add_link_options(-fexceptions -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=67108864)

add_game_library("${WEB_DECODER_SOURCES}")
target_include_directories(splatvane_game SYSTEM PRIVATE ${HEADER_LINKS})

set(WEB_LIBRARY ${CMAKE_SOURCE_DIR}/src/platform/web/web_library.js)
add_executable(splatvane ${WEB_MAIN_SOURCE} ${WEB_PLATFORM_SOURCES})
target_link_libraries(splatvane PRIVATE splatvane_game)
target_link_options(splatvane PRIVATE
  --js-library ${WEB_LIBRARY} -sENVIRONMENT=web -sFORCE_FILESYSTEM=1
  "-sEXPORTED_FUNCTIONS=_main,_malloc,_free,_splatvane_export_career,_splatvane_import_career,_splatvane_career_file_size,_splatvane_finger,_splatvane_pad"
  "-sEXPORTED_RUNTIME_METHODS=FS,addRunDependency,removeRunDependency")
set_target_properties(splatvane PROPERTIES SUFFIX .js RUNTIME_OUTPUT_DIRECTORY ${SPLATVANE_WEB_DIR}
  LINK_DEPENDS ${WEB_LIBRARY})

# The page folder holds only what the page loads: the page, its script and the module, the
# game's files packed into one file with its index, what an installed app needs (the manifest,
# its icons and the service worker that keeps one version for offline play) and the sound's
# worklet. The packed files are lighter than the desktop's: the waves go in as MP3, encoded
# here with lame, and the fonts are cut to the letters the game draws (assets/page_fonts).
find_program(LAME_PROGRAM lame)
if(NOT LAME_PROGRAM)
  message(FATAL_ERROR "lame is missing: install lame (make web installs it)")
endif()
set(PAGE_SOURCES index.html page.js layout.js touch.js sound_worklet.js manifest.webmanifest)
list(TRANSFORM PAGE_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/src/platform/web/ OUTPUT_VARIABLE PAGE_SOURCE_FILES)
set(PAGE_ICON_PAIRS "icon.png=splatvane.png" "icon-192.png=page-192.png" "icon-512.png=page-512.png"
                    "icon-maskable-512.png=page-maskable-512.png")
set(PAGE_FONT_FILES ${CMAKE_SOURCE_DIR}/assets/page_fonts/SplatvanePageSans-Regular.ttf
                    ${CMAKE_SOURCE_DIR}/assets/page_fonts/SplatvanePageSans-Bold.ttf
                    ${CMAKE_SOURCE_DIR}/assets/page_fonts/LICENSE.txt)
set(GAME_FILE_PAIRS "")
foreach(file ${WAVE_FILES} ${HELP_FILES})
  get_filename_component(name ${file} NAME)
  list(APPEND GAME_FILE_PAIRS "${name}=${file}")
endforeach()
foreach(file ${PICTURE_FILES})
  file(RELATIVE_PATH name ${CMAKE_SOURCE_DIR}/assets ${file})
  list(APPEND GAME_FILE_PAIRS "${name}=${file}")
endforeach()
# The game opens its fonts by the desktop's names.
list(APPEND GAME_FILE_PAIRS
  "fonts/LiberationSans-Regular.ttf=${CMAKE_SOURCE_DIR}/assets/page_fonts/SplatvanePageSans-Regular.ttf"
  "fonts/LiberationSans-Bold.ttf=${CMAKE_SOURCE_DIR}/assets/page_fonts/SplatvanePageSans-Bold.ttf"
  "fonts/LICENSE.txt=${CMAKE_SOURCE_DIR}/assets/page_fonts/LICENSE.txt")
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(PACKER ${CMAKE_SOURCE_DIR}/src/platform/web/pack_game_files.py)
set(GZIPPER ${CMAKE_SOURCE_DIR}/src/platform/web/gzip_for_page.py)
add_custom_command(
  OUTPUT ${SPLATVANE_WEB_DIR}/game-files.pack ${SPLATVANE_WEB_DIR}/game-files.pack.gz ${SPLATVANE_WEB_DIR}/game-files.json
  COMMAND ${CMAKE_COMMAND} -E make_directory ${SPLATVANE_WEB_DIR}
  COMMAND ${Python3_EXECUTABLE} ${PACKER} ${SPLATVANE_WEB_DIR}/game-files.pack ${SPLATVANE_WEB_DIR}/game-files.json
          ${GAME_FILE_PAIRS}
  COMMAND ${Python3_EXECUTABLE} ${GZIPPER} ${SPLATVANE_WEB_DIR}/game-files.pack
  DEPENDS ${PACKER} ${GZIPPER} ${WAVE_FILES} ${HELP_FILES} ${PICTURE_FILES} ${PAGE_FONT_FILES}
  COMMENT "Packing the game's files for the page")
set(PAGE_ICON_COMMANDS "")
set(PAGE_ICON_FILES "")
set(PAGE_ICON_NAMES "")
foreach(pair ${PAGE_ICON_PAIRS})
  string(REPLACE "=" ";" pair ${pair})
  list(GET pair 0 name)
  list(GET pair 1 source)
  list(APPEND PAGE_ICON_COMMANDS COMMAND ${CMAKE_COMMAND} -E copy_if_different assets/icon/${source} ${SPLATVANE_WEB_DIR}/${name})
  list(APPEND PAGE_ICON_FILES ${CMAKE_SOURCE_DIR}/assets/icon/${source})
  list(APPEND PAGE_ICON_NAMES ${name})
endforeach()
add_custom_command(
  OUTPUT ${SPLATVANE_WEB_DIR}/.page-stamp
  COMMAND ${CMAKE_COMMAND} -E make_directory ${SPLATVANE_WEB_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PAGE_SOURCE_FILES} ${SPLATVANE_WEB_DIR}
  ${PAGE_ICON_COMMANDS}
  COMMAND ${CMAKE_COMMAND} -E touch ${SPLATVANE_WEB_DIR}/.page-stamp
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
  DEPENDS ${PAGE_SOURCE_FILES} ${PAGE_ICON_FILES}
  COMMENT "Assembling the page folder")
# The credits page: the game's licence and the fonts', read from their own files.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS LICENSE assets/fonts/LICENSE.txt)
file(READ ${CMAKE_SOURCE_DIR}/LICENSE GAME_LICENCE)
file(READ ${CMAKE_SOURCE_DIR}/assets/fonts/LICENSE.txt FONT_LICENCE)
foreach(licence GAME_LICENCE FONT_LICENCE)
  string(REPLACE "&" "&amp;" ${licence} "${${licence}}")
  string(REPLACE "<" "&lt;" ${licence} "${${licence}}")
endforeach()
configure_file(src/platform/web/credits.html.in ${SPLATVANE_WEB_DIR}/credits.html @ONLY)
add_custom_target(page_folder ALL DEPENDS ${SPLATVANE_WEB_DIR}/.page-stamp ${SPLATVANE_WEB_DIR}/game-files.pack)
add_dependencies(splatvane page_folder)
add_custom_command(TARGET splatvane POST_BUILD
  COMMAND ${Python3_EXECUTABLE} ${GZIPPER} ${SPLATVANE_WEB_DIR}/splatvane.wasm
  COMMENT "Compressing the module for the page")

# The folder once held loose copies of the game's files; publishing copies only what is used.
if(EXISTS ${SPLATVANE_WEB_DIR}/.assets-stamp)
  file(GLOB LOOSE_FILES ${SPLATVANE_WEB_DIR}/*.wav ${SPLATVANE_WEB_DIR}/*.txt)
  file(REMOVE_RECURSE ${LOOSE_FILES} ${SPLATVANE_WEB_DIR}/pictures ${SPLATVANE_WEB_DIR}/fonts
       ${SPLATVANE_WEB_DIR}/.assets-stamp)
endif()

# Every file the installed page keeps, and the service worker that keeps them, written after
# the rest so that its version names exactly these files.
set(KEPT_FILES ${PAGE_SOURCES} ${PAGE_ICON_NAMES} credits.html splatvane.js splatvane.wasm splatvane.wasm.gz
               game-files.pack game-files.pack.gz game-files.json)
set(WORKER_WRITER ${CMAKE_SOURCE_DIR}/src/platform/web/write_service_worker.py)
add_custom_target(service_worker ALL
  COMMAND ${Python3_EXECUTABLE} ${WORKER_WRITER} ${SPLATVANE_WEB_DIR} ${PROJECT_VERSION}
          ${CMAKE_SOURCE_DIR}/src/platform/web/service_worker.js ${SPLATVANE_WEB_DIR}/service-worker.js ${KEPT_FILES}
  COMMENT "Writing the page's service worker")
add_dependencies(service_worker splatvane page_folder)

# Under node, reading the real disk: the replay tool for the golden traces, and the
# heaviest match tick timed, both from the game's files laid out loose as on the desktop.
set(NODE_GAME_DIR ${CMAKE_BINARY_DIR}/game)
assemble_game_files(${NODE_GAME_DIR})
add_custom_target(node_game_folder ALL DEPENDS ${NODE_GAME_DIR}/.assets-stamp)
# One file: this emscripten would otherwise fetch() its module, which node 18 and later have
# but cannot point at a file.
set(NODE_LINK_OPTIONS -sENVIRONMENT=node -sNODERAWFS=1 -sEXIT_RUNTIME=1 -sSINGLE_FILE=1)
add_executable(replay tools/replay/replay_main.cpp ${REPLAY_SOURCES})
target_link_libraries(replay PRIVATE splatvane_game)
target_include_directories(replay PRIVATE tools/replay)
target_include_directories(replay SYSTEM PRIVATE ${HEADER_LINKS})
target_compile_definitions(replay PRIVATE SPLATVANE_GAME_DIR="${NODE_GAME_DIR}")
target_link_options(replay PRIVATE ${NODE_LINK_OPTIONS})
set_target_properties(replay PROPERTIES SUFFIX .js)
add_dependencies(replay node_game_folder)

add_executable(match_tick_bench tests/bench/match_tick_bench.cpp tests/web/benchmark_shim/benchmark_main.cpp)
target_link_libraries(match_tick_bench PRIVATE splatvane_game)
target_include_directories(match_tick_bench PRIVATE tests tools tests/web/benchmark_shim)
target_compile_definitions(match_tick_bench PRIVATE SPLATVANE_GAME_DIR="${NODE_GAME_DIR}")
target_link_options(match_tick_bench PRIVATE ${NODE_LINK_OPTIONS})
set_target_properties(match_tick_bench PROPERTIES SUFFIX .js)
add_dependencies(match_tick_bench node_game_folder)
