# Shared build rules: warnings, sanitizers, and one-call helpers for libraries and tests.

add_compile_options(-Wall -Wextra)
if(SW_FUZZ)
  # Every library is instrumented for libFuzzer's coverage; the fuzz programs link it.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
if(SW_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Sources of a library or test folder: every .cpp below the given sub-folders of the calling
# folder (all of it when none are given), leaving out sub-folders that own a CMakeLists.txt,
# since those build a target of their own.
function(sw_sources out)
  set(patterns "")
  foreach(dir IN LISTS ARGN)
    list(APPEND patterns ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
  endforeach()
  if(NOT patterns)
    set(patterns ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  endif()
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${patterns})
  file(GLOB_RECURSE owners CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt)
  foreach(owner IN LISTS owners)
    get_filename_component(owned ${owner} DIRECTORY)
    list(FILTER sources EXCLUDE REGEX "^${owned}/")
  endforeach()
  set(${out} ${sources} PARENT_SCOPE)
endfunction()

# sw_library(NAME <target> [DIRS <sub-folders...>] [DEPS <targets...>]
#            [PUBLIC_DEPS <targets...>])
# Builds the sources of the calling folder (or of DIRS) into a static library. Headers are
# included as "<folder>/<file>.h" relative to src/.
function(sw_library)
  cmake_parse_arguments(ARG "" "NAME" "DIRS;DEPS;PUBLIC_DEPS" ${ARGN})
  sw_sources(sources ${ARG_DIRS})
  if(NOT sources)
    return()  # a folder whose first files are still to come
  endif()
  add_library(${ARG_NAME} STATIC ${sources})
  target_include_directories(${ARG_NAME} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  if(ARG_PUBLIC_DEPS)
    target_link_libraries(${ARG_NAME} PUBLIC ${ARG_PUBLIC_DEPS})
  endif()
  if(ARG_DEPS)
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_DEPS})
  endif()
endfunction()

# sw_forbid_links(<target> TARGETS <targets...> MATCHING <regex>)
# Fails the configuration when <target> reaches one of TARGETS, or a library whose name or
# file matches MATCHING, through its link dependencies: a lower layer cannot quietly start to
# depend on one above it. Call it once every target is defined.
function(sw_forbid_links target)
  cmake_parse_arguments(ARG "" "MATCHING" "TARGETS" ${ARGN})
  if(NOT TARGET ${target})
    return()
  endif()
  set(pending ${target})
  set(seen "")
  while(pending)
    list(POP_FRONT pending current)
    if(current IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${current})
    if(NOT current STREQUAL target)
      if(current IN_LIST ARG_TARGETS OR (ARG_MATCHING AND current MATCHES "${ARG_MATCHING}"))
        message(FATAL_ERROR "${target} must not link ${current}")
      endif()
    endif()
    if(NOT TARGET ${current})
      continue()  # a plain library file or linker flag
    endif()
    get_target_property(type ${current} TYPE)
    set(links "")
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(direct ${current} LINK_LIBRARIES)
      if(direct)
        list(APPEND links ${direct})
      endif()
    endif()
    get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
    if(interface)
      list(APPEND links ${interface})
    endif()
    foreach(link IN LISTS links)
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
      list(APPEND pending ${link})
    endforeach()
  endwhile()
endfunction()

# sw_test(NAME <target> [DIRS <sub-folders...>] [DEPS <targets...>])
# Builds the sources of the calling tests folder (or of DIRS) into one GoogleTest executable registered
# with CTest. Tests run with SDL's dummy drivers so they need no display or sound card.
function(sw_test)
  cmake_parse_arguments(ARG "" "NAME" "DIRS;DEPS" ${ARGN})
  sw_sources(sources ${ARG_DIRS})
  if(NOT sources)
    return()  # a folder whose first files are still to come
  endif()
  add_executable(${ARG_NAME} ${sources})
  target_include_directories(${ARG_NAME} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${ARG_NAME} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${ARG_NAME} PRIVATE
    SW_SOURCE_DIR="${CMAKE_SOURCE_DIR}" SW_BINARY_DIR="${CMAKE_BINARY_DIR}")
  # LC_ALL pins the scripts' locale (taken from the environment) to US English in every test.
  set(test_env "SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy;LC_ALL=C.UTF-8;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-config;XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-data")
  if(SW_SANITIZE)
    list(APPEND test_env "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/cmake/lsan.supp")
  endif()
  gtest_discover_tests(${ARG_NAME}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "${test_env}")
endfunction()

# sw_bench(NAME <target> [DEPS <targets...>])
# Builds every .cpp of the calling bench folder into one Google Benchmark executable.
function(sw_bench)
  cmake_parse_arguments(ARG "" "NAME" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()  # a folder whose first files are still to come
  endif()
  add_executable(${ARG_NAME} ${sources})
  target_include_directories(${ARG_NAME} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/bench)
  target_link_libraries(${ARG_NAME} PRIVATE ${ARG_DEPS} benchmark::benchmark benchmark::benchmark_main)
endfunction()
