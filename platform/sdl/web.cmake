# The demo for a web page: the window program's sources over the SDL backend,
# built by Emscripten against its own SDL 1.2 (which draws into the page's
# canvas and plays through the page's audio). Included by the top-level list
# when the toolchain is Emscripten's; the `web` preset selects it.
#
# The scenes run endless nested loops on the page's only thread, so the
# program is rewritten by Asyncify: a frame's wait unwinds to the browser and
# resumes where it left off. The output is moxa7730.js with moxa7730.wasm;
# tools/build_web.sh puts them beside the page of web/.

# Emscripten's SDL 1.2 headers are on its default include path; the library
# itself is JavaScript, linked in with -sUSE_SDL=1.
set(MOXA_WEB_LINK_FLAGS
  -sUSE_SDL=1
  -sASYNCIFY                 # the frame wait yields to the browser
  -sEXIT_RUNTIME=1           # the quit keys run the exit handlers: sound stops
  -sALLOW_MEMORY_GROWTH=1
  -sENVIRONMENT=web
  "SHELL:--js-library ${CMAKE_SOURCE_DIR}/platform/sdl/sdl_page_quit.js"
  "SHELL:--js-library ${CMAKE_SOURCE_DIR}/platform/sdl/sdl_page_pause.js"
  -sASYNCIFY_IMPORTS=SDLEDGEHoldWhileHidden  # waits while the page is hidden
)

set(MOXA_LIBRARY_KIND OBJECT)
moxa_library(moxa_platform_web platform/sdl moxa_platform)

add_executable(moxa7730 ${CMAKE_SOURCE_DIR}/demo/modes/mode_window.cpp
                        ${CMAKE_SOURCE_DIR}/platform/sdl/entry/sdl_main.cpp)
target_compile_options(moxa7730 PRIVATE ${MOXA_TOOLKIT_FLAGS})
target_link_libraries(moxa7730 PRIVATE moxa_demo moxa_platform_web)
target_link_options(moxa7730 PRIVATE ${MOXA_WEB_LINK_FLAGS})
set_target_properties(moxa7730 PROPERTIES SUFFIX ".js"
                      LINK_DEPENDS "${CMAKE_SOURCE_DIR}/platform/sdl/sdl_page_quit.js;${CMAKE_SOURCE_DIR}/platform/sdl/sdl_page_pause.js")
