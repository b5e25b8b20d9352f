# tavrik: the workbench program on the user's X display.
add_executable(tavrik ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(tavrik PRIVATE tavrik_app tavrik_wsys_x11 tavrik_warnings)
target_compile_definitions(tavrik PRIVATE TAVRIK_VERSION="${PROJECT_VERSION}")
set_target_properties(tavrik PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/src/app)
