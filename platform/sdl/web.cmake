# The demo for a web page: the window program's sources over the SDL backend,
# built by Emscripten against its own SDL 1.2 (which draws into the page's
# canvas and plays through the page's audio). Included by the top-level list
# when the toolchain is Emscripten's; the `web` preset selects it.
#
# The scenes run endless nested loops on the page's only thread, so the
# program is rewritten by Asyncify: a frame's wait unwinds to the browser and
# resumes where it left off. The output is moxa7730.js with moxa7730.wasm;
# tools/build_web.sh puts them beside the page of web/. The `web-simd` preset
# builds the same program with WebAssembly SIMD (-msimd128: the pixel kernels
# take their 128-bit forms) as moxa7730-simd.js with moxa7730-simd.wasm; the
# page loads that one where the browser runs SIMD.

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
set(MOXA_WEB_PROGRAM moxa7730 CACHE STRING "The page program's file name, without .js")
set_target_properties(moxa7730 PROPERTIES SUFFIX ".js" OUTPUT_NAME ${MOXA_WEB_PROGRAM}
                      LINK_DEPENDS "${CMAKE_SOURCE_DIR}/platform/sdl/sdl_page_quit.js;${CMAKE_SOURCE_DIR}/platform/sdl/sdl_page_pause.js")

# For node, built only on demand (tools/bench_web.sh, tools/test.sh): the frame
# benchmark, and the tests that hold the pixel kernels to their per-pixel
# references, over GoogleTest built from Debian's sources.
set(MOXA_NODE_LINK_FLAGS -sENVIRONMENT=node -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1)

add_executable(web_frame_bench EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/bench/web_frame_bench.cpp
               ${CMAKE_SOURCE_DIR}/bench/web_frame_edge.cpp
               ${CMAKE_SOURCE_DIR}/demo/modes/mode_window.cpp)
target_compile_options(web_frame_bench PRIVATE ${MOXA_TOOLKIT_FLAGS})
target_link_libraries(web_frame_bench PRIVATE moxa_demo)
target_link_options(web_frame_bench PRIVATE ${MOXA_NODE_LINK_FLAGS})
set_target_properties(web_frame_bench PROPERTIES SUFFIX ".js")

if(EXISTS /usr/src/googletest/CMakeLists.txt)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  add_executable(web_kernel_tests EXCLUDE_FROM_ALL
                 ${CMAKE_SOURCE_DIR}/tests/image/imgfx_filter_test.cpp
                 ${CMAKE_SOURCE_DIR}/tests/image/img_compose_test.cpp
                 ${CMAKE_SOURCE_DIR}/tests/image/imgfx_pipe_test.cpp
                 ${CMAKE_SOURCE_DIR}/tests/effects/raster_test.cpp)
  target_include_directories(web_kernel_tests PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(web_kernel_tests PRIVATE moxa_effects gtest gtest_main)
  target_link_options(web_kernel_tests PRIVATE ${MOXA_NODE_LINK_FLAGS})
  set_target_properties(web_kernel_tests PROPERTIES SUFFIX ".js")
endif()
