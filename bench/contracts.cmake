# The contract benchmarks: opening the contract window, adding a contract and opening the
# contract pick over a table of 5,000 contracts. Included from bench/CMakeLists.txt.
add_executable(contracts_bench ${CMAKE_CURRENT_LIST_DIR}/contracts_bench.cc)
target_link_libraries(contracts_bench PRIVATE rent_ledger rent_platform_scripted
                      benchmark::benchmark)
