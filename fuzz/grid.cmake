# The grid save file fuzzer (clang): include(grid.cmake) from fuzz/CMakeLists.txt.
add_executable(grid_fuzz ${CMAKE_CURRENT_LIST_DIR}/grid_fuzz.cc)
target_compile_options(grid_fuzz PRIVATE -fsanitize=fuzzer)
target_link_options(grid_fuzz PRIVATE -fsanitize=fuzzer)
target_link_libraries(grid_fuzz PRIVATE rent_common)
