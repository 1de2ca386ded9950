# Shared build rules: warnings, sanitizers, and one-call helpers for libraries and tests.

add_compile_options(-Wall -Wextra)
if(SW_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# sw_library(NAME <target> [DEPS <targets...>] [PUBLIC_DEPS <targets...>])
# Builds every .cpp below the calling folder into a static library. Headers are included
# as "<folder>/<file>.h" relative to src/.
function(sw_library)
  cmake_parse_arguments(ARG "" "NAME" "DEPS;PUBLIC_DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
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

# sw_test(NAME <target> [DEPS <targets...>])
# Builds every .cpp of the calling tests folder into one GoogleTest executable registered
# with CTest. Tests run with SDL's dummy drivers so they need no display or sound card.
function(sw_test)
  cmake_parse_arguments(ARG "" "NAME" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()  # a folder whose first files are still to come
  endif()
  add_executable(${ARG_NAME} ${sources})
  target_include_directories(${ARG_NAME} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${ARG_NAME} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${ARG_NAME} PRIVATE
    SW_SOURCE_DIR="${CMAKE_SOURCE_DIR}" SW_BINARY_DIR="${CMAKE_BINARY_DIR}")
  set(test_env "SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-config;XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-data")
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
