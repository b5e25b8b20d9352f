# Every target of the project gets the same strict warning set.
add_library(tavrik_warnings INTERFACE)
target_compile_options(tavrik_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
  -Wcast-align -Wnull-dereference -Wimplicit-fallthrough -Wformat=2 -Wmissing-declarations
  $<$<BOOL:${TAVRIK_WERROR}>:-Werror>)

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
