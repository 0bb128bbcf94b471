# The module on POSIX: the Windows functions come from the stand-in, and the
# library attach and detach notification from load-time and unload-time
# hooks (sdk/posix/dll_attach.cpp).
target_compile_options(brimstar_objects PUBLIC ${UNLOADABLE_LIBRARY_FLAGS})

add_library(brimstar SHARED $<TARGET_OBJECTS:brimstar_objects> sdk/posix/dll_attach.cpp)
target_include_directories(brimstar PRIVATE ${CMAKE_SOURCE_DIR}/sdk/include)
target_compile_options(brimstar PRIVATE ${UNLOADABLE_LIBRARY_FLAGS})
target_link_libraries(brimstar PRIVATE orbiter_host winapi_standin ${CMAKE_DL_LIBS})
target_link_options(brimstar PRIVATE $<$<CXX_COMPILER_ID:GNU>:-Wl,--no-undefined>)
set_target_properties(brimstar PROPERTIES PREFIX "" OUTPUT_NAME "brimstar!" SUFFIX ".dll")

set(BRIMSTAR_EMULATED_MODULE brimstar)
