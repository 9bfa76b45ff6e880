# The libFuzzer targets of fuzz/ need clang, so they are built in a CMake build of their own under
# <build>/fuzz, started from here on every build (their sources are the program's readers, which
# this build does not track for it). CTest runs each target once over its seed corpus; fuzz/run.sh
# fuzzes for real.
option(VMR_FUZZ "Build the libFuzzer targets with clang and run them over their corpora in CTest" ON)
find_program(VMR_CLANGXX NAMES clang++ clang++-14)
if(NOT VMR_FUZZ)
  return()
endif()
if(NOT VMR_CLANGXX)
  message(WARNING "clang++ not found: the fuzz targets are not built (scripts/setup.sh installs it)")
  return()
endif()

include(ExternalProject)
ExternalProject_Add(vmr_fuzz
  SOURCE_DIR ${PROJECT_SOURCE_DIR}/fuzz
  BINARY_DIR ${CMAKE_BINARY_DIR}/fuzz
  CMAKE_ARGS -DCMAKE_CXX_COMPILER=${VMR_CLANGXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON)

file(GLOB vmr_fuzz_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/fuzz/*_fuzz.cpp)
foreach(source ${vmr_fuzz_sources})
  get_filename_component(name ${source} NAME_WE)
  string(REGEX REPLACE "_fuzz$" "" corpus ${name})
  add_test(NAME ${name} COMMAND ${CMAKE_BINARY_DIR}/fuzz/${name} -runs=0 ${PROJECT_SOURCE_DIR}/fuzz/corpus/${corpus})
  set_tests_properties(${name} PROPERTIES TIMEOUT 120)
endforeach()
