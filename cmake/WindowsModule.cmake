# The module on Windows: a real DLL, whose DllMain (module/dll_main.cpp) the
# system calls when it maps and unmaps the library.
#
# brimstar is the DLL to install, on the system's own functions: the system
# libraries come first on its link line, ahead of the stand-in that the
# emulated host brings along. brimstar_emulated is the same code linked to
# the stand-in first, for the emulated host: message boxes are recorded
# instead of shown and text lands in the host's display canvas, while the
# system's loader still does the loading. Tests read both import tables.
add_library(brimstar SHARED $<TARGET_OBJECTS:brimstar_objects>)
target_link_libraries(brimstar PRIVATE kernel32 user32 gdi32 orbiter_host)
# The host loads "Modules\" + the class files' module path + ".dll", as
# written: "plugin\brimstar!" is Modules\Plugin\brimstar!.dll.
set_target_properties(brimstar PROPERTIES PREFIX "" OUTPUT_NAME "brimstar!")

add_library(brimstar_emulated SHARED $<TARGET_OBJECTS:brimstar_objects>)
target_link_libraries(brimstar_emulated PRIVATE winapi_standin orbiter_host)
set_target_properties(brimstar_emulated PROPERTIES PREFIX "" OUTPUT_NAME "brimstar!"
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin/emulated
  ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin/emulated)

set(BRIMSTAR_EMULATED_MODULE brimstar_emulated)

# "cmake --install BUILD --prefix SIMULATOR_FOLDER": the module where its
# class files say it is, the rock mesh, and the folder the class files are
# written into at start-up.
install(TARGETS brimstar RUNTIME DESTINATION Modules/Plugin)
install(FILES data/meshes/roid.msh DESTINATION Meshes)
install(DIRECTORY DESTINATION Config/Vessels)
