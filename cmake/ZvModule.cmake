# Shared compile flags for every target of the project.
add_library(zv_flags INTERFACE)
target_compile_options(zv_flags INTERFACE -Wall -Wextra -Wnon-virtual-dtor)
target_compile_definitions(zv_flags INTERFACE
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_DEPRECATED_WARNINGS)
if(ZV_SANITIZE OR ZV_FUZZ)
  target_compile_options(zv_flags INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer)
  target_link_options(zv_flags INTERFACE -fsanitize=address,undefined)
endif()
if(ZV_FUZZ)
  # Coverage for the fuzzer's guidance; the fuzzer's main is linked into its target only.
  target_compile_options(zv_flags INTERFACE -fsanitize=fuzzer-no-link)
endif()

# zv_add_module(<target> [LIBS <libs...>])
# A static library from every source and form in the calling folder (and its
# sub-folders), its folder on the include path of whoever links it.
function(zv_add_module target)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/*.h
    ${CMAKE_CURRENT_SOURCE_DIR}/*.ui
    ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  if(NOT srcs)
    return()
  endif()
  add_library(${target} STATIC ${srcs})
  target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC zv_flags ${ARG_LIBS})
  set_target_properties(${target} PROPERTIES AUTOUIC_SEARCH_PATHS ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()

set(ZV_TEST_TIMEOUT_FACTOR 4 CACHE STRING "Multiplies every test's own deadline")

# zv_add_test(<name> SOURCES <files...> [LIBS <libs...>] [GL] [TIMEOUT <s>])
# One Qt Test executable in <build>/tests, registered with CTest. Every test runs
# headless with its own HOME and XDG folders, so it never touches the user's files;
# GL tests run under xvfb-run because the offscreen platform has no GL context.
function(zv_add_test name)
  cmake_parse_arguments(ARG "GL" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${ZV_BUNDLE_DIR}/tests)
  target_link_libraries(${name} PRIVATE zv_flags Qt5::Test zv_testsupport ${ARG_LIBS})
  set(home ${CMAKE_BINARY_DIR}/testhome/${name})
  file(MAKE_DIRECTORY ${home})
  if(ARG_GL)
    add_test(NAME ${name} COMMAND xvfb-run -a -s "-screen 0 1280x1024x24" $<TARGET_FILE:${name}>)
    set(platform xcb)
  else()
    add_test(NAME ${name} COMMAND ${name})
    set(platform offscreen)
  endif()
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  # The deadline only ends a hung test: on a loaded two-core machine the media
  # tests run several times slower than on an idle one.
  math(EXPR ARG_TIMEOUT "${ARG_TIMEOUT} * ${ZV_TEST_TIMEOUT_FACTOR}")
  set_tests_properties(${name} PROPERTIES
    WORKING_DIRECTORY ${ZV_BUNDLE_DIR}/tests
    TIMEOUT ${ARG_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=${platform};ZV_AUDIO=null;HOME=${home};XDG_DATA_HOME=${home}/.local/share;XDG_CONFIG_HOME=${home}/.config;XDG_CACHE_HOME=${home}/.cache;ZV_TEST_MEDIA_DIR=${CMAKE_BINARY_DIR}/testmedia;ZV_TEST_TIMEOUT_FACTOR=${ZV_TEST_TIMEOUT_FACTOR}")
endfunction()
