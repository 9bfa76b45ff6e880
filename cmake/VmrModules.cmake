# One library per source folder. Sources are collected from the folder, so adding a file needs no
# edit here; a new folder adds one vmr_module() line to src/CMakeLists.txt.
function(vmr_module name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.h)
  if(NOT sources)
    # A folder whose first file has not been written yet: a library with nothing to build.
    add_library(vmr_${name} INTERFACE)
    target_include_directories(vmr_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(vmr_${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(vmr_${name} STATIC ${sources})
  target_include_directories(vmr_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(vmr_${name} PUBLIC ${ARG_DEPS})
  target_compile_options(vmr_${name} PRIVATE -Wall -Wextra)
endfunction()

# One test executable per folder under tests/, linked with the shared test support.
function(vmr_test_folder folder)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.h)
  if(NOT sources)
    return()
  endif()
  string(REPLACE "/" "_" target "test_${folder}")
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE vmr_test_main ${ARG_DEPS})
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  add_test(NAME ${target} COMMAND ${target})
  set_tests_properties(${target} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 900)
endfunction()
