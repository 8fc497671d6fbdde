# dist/install.cmake: what `cmake --install` carries besides the programs (the
# toolkit for other programs, the window program's icon, the manual pages and
# the package documents), and the two Debian packages made from it by CPack
# (tools/make_deb.sh). Included by the top-level list.
include(CMakePackageConfigHelpers)

# [SECTION] The toolkit: one static library per subsystem, exported as moxa7730::<folder>
set(MOXA_TOOLKIT_DIRS core image vector text effects sound)
set(MOXA_TOOLKIT_TARGETS moxa_core moxa_image moxa_vector moxa_text moxa_effects moxa_sound)

# In this tree the platform modules and their backends are apart, since each
# program picks its backend. A program built against the installed toolkit has
# one, the SDL backend, so moxa7730::platform is one archive holding the
# modules and that backend: the linker resolves the modules' device edge
# inside the archive, whatever order the libraries come in.
set(MOXA_FIND_SDL "")
if(TARGET moxa_platform_sdl)
  set_target_properties(moxa_platform PROPERTIES OUTPUT_NAME moxa7730_platform_modules)
  file(GLOB platform_srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/platform/*.cpp)
  add_library(moxa_platform_toolkit STATIC ${platform_srcs} $<TARGET_OBJECTS:moxa_platform_sdl>)
  target_include_directories(moxa_platform_toolkit PUBLIC $<BUILD_INTERFACE:${CMAKE_SOURCE_DIR}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/moxa7730>)
  target_compile_features(moxa_platform_toolkit PUBLIC cxx_std_20)
  target_compile_options(moxa_platform_toolkit PRIVATE ${MOXA_TOOLKIT_FLAGS})
  target_link_libraries(moxa_platform_toolkit PUBLIC moxa_image moxa_sound SDL::SDL)
  set_target_properties(moxa_platform_toolkit PROPERTIES EXPORT_NAME platform
                        OUTPUT_NAME moxa7730_platform)
  list(APPEND MOXA_TOOLKIT_DIRS platform)
  list(APPEND MOXA_TOOLKIT_TARGETS moxa_platform_toolkit)
  set(MOXA_FIND_SDL "find_dependency(SDL)")
endif()

# The same names in this tree, for examples/ built by the main build; there
# <moxa7730/...> is the source tree itself.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/include)
file(CREATE_LINK ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/include/moxa7730 SYMBOLIC)
foreach(target ${MOXA_TOOLKIT_TARGETS})
  get_target_property(short ${target} EXPORT_NAME)
  add_library(moxa7730::${short} ALIAS ${target})
  target_include_directories(${target} INTERFACE $<BUILD_INTERFACE:${CMAKE_BINARY_DIR}/include>)
endforeach()

install(TARGETS ${MOXA_TOOLKIT_TARGETS} EXPORT moxa7730Targets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT dev)

# Public headers only: a folder's private ones (*_impl.h, *_internal.h) stay
# here, and so do the platform's backend interface and the demo's entry.
foreach(dir ${MOXA_TOOLKIT_DIRS})
  file(GLOB headers ${CMAKE_SOURCE_DIR}/${dir}/*.h)
  list(FILTER headers EXCLUDE REGEX "(_impl|_internal|/edge|/entry)\\.h$")
  install(FILES ${headers} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/moxa7730/${dir} COMPONENT dev)
endforeach()

set(MOXA_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/moxa7730)
install(EXPORT moxa7730Targets NAMESPACE moxa7730:: DESTINATION ${MOXA_CMAKE_DIR} COMPONENT dev)
configure_package_config_file(${CMAKE_SOURCE_DIR}/dist/moxa7730Config.cmake.in
  ${CMAKE_BINARY_DIR}/dist/moxa7730Config.cmake INSTALL_DESTINATION ${MOXA_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/dist/moxa7730ConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/dist/moxa7730Config.cmake
              ${CMAKE_BINARY_DIR}/dist/moxa7730ConfigVersion.cmake
        DESTINATION ${MOXA_CMAKE_DIR} COMPONENT dev)

# The pkg-config file names the prefix it is installed under (known at install
# time): filled in here but for the prefix, which the install fills in.
set(MOXA_PREFIX "@MOXA_PREFIX@")
set(MOXA_PC_REQUIRES "")
if(TARGET moxa_platform_toolkit)
  set(MOXA_PC_REQUIRES "Requires: sdl")
endif()
set(MOXA_PC_LIBS "")
foreach(dir platform effects text vector sound image core)  # users before what they use
  if(dir IN_LIST MOXA_TOOLKIT_DIRS)
    string(APPEND MOXA_PC_LIBS " -lmoxa7730_${dir}")
  endif()
endforeach()
configure_file(${CMAKE_SOURCE_DIR}/dist/moxa7730.pc.in ${CMAKE_BINARY_DIR}/dist/moxa7730.pc.in @ONLY)
install(CODE "
  set(MOXA_PREFIX \"\${CMAKE_INSTALL_PREFIX}\")
  set(pc \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig/moxa7730.pc\")
  message(STATUS \"Installing: \${pc}\")
  configure_file(\"${CMAKE_BINARY_DIR}/dist/moxa7730.pc.in\" \"\${pc}\" @ONLY)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${pc}\")
" COMPONENT dev)

# [SECTION] Icon, manual pages, package documents
# The icon is drawn at build time by tools/make_icon (the title's letters in
# the line font); the window program draws the same picture for its window.
set(MOXA_ICON_SIZES 256 128 64 48)
set(icon_files "")
foreach(size ${MOXA_ICON_SIZES})
  list(APPEND icon_files ${CMAKE_BINARY_DIR}/icons/${size}x${size}/moxa7730.png)
endforeach()
add_custom_command(OUTPUT ${icon_files}
  COMMAND make_icon ${CMAKE_BINARY_DIR}/icons ${MOXA_ICON_SIZES}
  DEPENDS make_icon COMMENT "Drawing the icon")
add_custom_target(moxa_icon ALL DEPENDS ${icon_files})

# Manual pages and changelogs are installed compressed (gzip -9n: no name or
# time stamp, so the same sources give the same bytes).
set(compressed "")
foreach(src man/demo_window.6 man/demo_capture.6 debian/changelog)
  get_filename_component(name ${src} NAME)
  set(out ${CMAKE_BINARY_DIR}/dist/${name}.gz)
  add_custom_command(OUTPUT ${out}
    COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/dist/${src} > ${out}
    DEPENDS ${CMAKE_SOURCE_DIR}/dist/${src})
  list(APPEND compressed ${out})
endforeach()
add_custom_target(moxa_dist_docs ALL DEPENDS ${compressed})
# demo_fullscreen shares demo_window's page.
file(CREATE_LINK demo_window.6.gz ${CMAKE_BINARY_DIR}/dist/demo_fullscreen.6.gz SYMBOLIC)

set(MOXA_MAN6 ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_BINARY_DIR}/dist/demo_capture.6.gz DESTINATION ${MOXA_MAN6} COMPONENT programs)
if(TARGET demo_window)
  install(FILES ${CMAKE_BINARY_DIR}/dist/demo_window.6.gz ${CMAKE_BINARY_DIR}/dist/demo_fullscreen.6.gz
          DESTINATION ${MOXA_MAN6} COMPONENT programs)
  foreach(size ${MOXA_ICON_SIZES})
    install(FILES ${CMAKE_BINARY_DIR}/icons/${size}x${size}/moxa7730.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps COMPONENT programs)
  endforeach()
endif()
foreach(component programs dev)
  set(package moxa7730)
  if(component STREQUAL "dev")
    set(package moxa7730-dev)
  endif()
  install(FILES ${CMAKE_SOURCE_DIR}/dist/debian/copyright ${CMAKE_BINARY_DIR}/dist/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
endforeach()

# [SECTION] Debian packages (cpack -G DEB in a build configured for /usr; tools/make_deb.sh)
set(CPACK_PACKAGE_NAME moxa7730)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The MOXA7730 developers")
set(CPACK_PACKAGE_CONTACT "The MOXA7730 developers <moxa7730@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL programs dev)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_NAME moxa7730)
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_SHLIBDEPS ON)  # computed by dpkg-shlibdeps
set(CPACK_DEBIAN_PROGRAMS_DESCRIPTION "real-time audiovisual demo with generative music
MOXA7730 plays five endless scenes on a 256 x 256 display, in a window
(demo_window) or full-screen (demo_fullscreen): raster bars under a
scrolling credit page, plasma bands, a wall of rippling line-font
scrollers, twin line spirals and polar sine figures, with fading trails,
glow and blur, over a generative music loop synthesised at start.
demo_capture runs the same demo headless and writes its frames and sound.")
set(CPACK_DEBIAN_DEV_PACKAGE_NAME moxa7730-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS
    "moxa7730 (= ${PROJECT_VERSION}), libsdl1.2-compat-dev | libsdl1.2-dev")
set(CPACK_DEBIAN_DEV_DESCRIPTION "toolkit of the MOXA7730 demo (static libraries and headers)
The toolkit behind the MOXA7730 demo: about thirty small C-like C++20
modules with one protocol (images and filters, line fonts, scrollers,
effects, samples, sound synthesis and a generative music loop, and a
256 x 256 display, keyboard and audio output over SDL 1.2).
This package holds the static libraries, the headers, a CMake package
(find_package(moxa7730)) and a pkg-config file.")
include(CPack)
