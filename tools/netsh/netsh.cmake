# The waitable netsh.exe for test folders (see install.sh); part of the Windows build only, and
# never installed beside the shipped program. Include after the winapi_tests target.
add_executable(netsh_shim ${CMAKE_CURRENT_LIST_DIR}/netsh_shim.cpp)
set_target_properties(netsh_shim PROPERTIES OUTPUT_NAME netsh-shim)
target_link_options(netsh_shim PRIVATE -municode ${STATIC_RUNTIME})
add_dependencies(winapi_tests netsh_shim)
