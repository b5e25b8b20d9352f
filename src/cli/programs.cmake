# tavrik-batch: the batch page as a command. The work lives in a small library so that the
# tests can drive it without starting a process.
add_library(tavrik_cli STATIC ${CMAKE_CURRENT_LIST_DIR}/BatchTool.cpp ${CMAKE_CURRENT_LIST_DIR}/BatchTool.h)
target_include_directories(tavrik_cli PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(tavrik_cli PUBLIC tavrik_imaging PRIVATE tavrik_warnings)
target_compile_definitions(tavrik_cli PRIVATE TAVRIK_VERSION="${PROJECT_VERSION}")

add_executable(tavrik-batch ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(tavrik-batch PRIVATE tavrik_cli tavrik_warnings)
set_target_properties(tavrik-batch PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/src/cli)
