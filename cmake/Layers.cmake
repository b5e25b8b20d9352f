include(${CMAKE_CURRENT_LIST_DIR}/Warnings.cmake)

# The program's layers in dependency order: each links only to the ones before it. A layer is
# the folder src/NAME with its tests in tests/NAME; adding a layer is adding its line here.
set(TAVRIK_LAYERS
  core
  gfx
  imaging
  wsys
  shell
  ui
  skin
  skincontrols
  skinforms
  skindialogs
  app
)

# Adds the folder NAME below the current one for each name, and stops the configure when one
# is missing: a listed layer that is skipped would leave its tests and checks silently out.
macro(tavrik_add_folders)
  foreach(folder ${ARGN})
    if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/CMakeLists.txt)
      message(FATAL_ERROR "${CMAKE_CURRENT_SOURCE_DIR}/${folder}/CMakeLists.txt is missing, "
                          "but '${folder}' is listed as a layer in cmake/Layers.cmake")
    endif()
    add_subdirectory(${folder})
  endforeach()
endmacro()

# A layer is one static library built from every source file in its folder.
function(tavrik_layer name)
  cmake_parse_arguments(L "" "" "DEPS;SYSTEM" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(tavrik_${name} STATIC ${sources})
  target_include_directories(tavrik_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(tavrik_${name} PUBLIC ${L_DEPS} ${L_SYSTEM} PRIVATE tavrik_warnings)
endfunction()

# One GoogleTest executable per layer, each test case registered with CTest.
function(tavrik_layer_tests name)
  cmake_parse_arguments(T "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_executable(tavrik_${name}_tests ${sources})
  target_include_directories(tavrik_${name}_tests PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(tavrik_${name}_tests PRIVATE tavrik_${name} ${T_DEPS} GTest::gtest GTest::gtest_main GTest::gmock tavrik_warnings)
  target_compile_definitions(tavrik_${name}_tests PRIVATE
    TAVRIK_TESTDATA_DIR="${TAVRIK_SHARED_DIR}/testdata"
    TAVRIK_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(tavrik_${name}_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
endfunction()
