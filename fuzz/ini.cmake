# The settings file fuzzer (clang): include(ini.cmake) from fuzz/CMakeLists.txt.
add_executable(ini_fuzz ${CMAKE_CURRENT_LIST_DIR}/ini_fuzz.cc)
target_compile_options(ini_fuzz PRIVATE -fsanitize=fuzzer)
target_link_options(ini_fuzz PRIVATE -fsanitize=fuzzer)
target_link_libraries(ini_fuzz PRIVATE rent_common)
