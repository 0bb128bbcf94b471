# The module alone, built against the host's own SDK folder, as add-on
# developers build it: "cmake -DBRIMSTAR_HOST_SDK=DIR", where DIR holds the
# SDK's include/ and lib/. It links the import library of the host's
# executable only: the module brings its own attach hook and version, so the
# SDK's static library, which would bring a second of each, is left out.
file(GLOB BRIMSTAR_SOURCES CONFIGURE_DEPENDS
  module/*.cpp host/*.cpp weapons/*.cpp rocks/*.cpp collision/*.cpp)
add_library(brimstar SHARED ${BRIMSTAR_SOURCES})
target_include_directories(brimstar PRIVATE ${CMAKE_SOURCE_DIR})
target_include_directories(brimstar SYSTEM PRIVATE ${BRIMSTAR_HOST_SDK}/include)
if(NOT MSVC)
  # Other compilers read the host's headers with the Microsoft extensions
  # and two declarations its compiler does without.
  target_compile_options(brimstar PRIVATE -fms-extensions -include ${CMAKE_SOURCE_DIR}/cmake/host_sdk_shim.h)
endif()
find_library(BRIMSTAR_HOST_IMPORT_LIBRARY NAMES orbiter Orbiter PATHS ${BRIMSTAR_HOST_SDK}/lib NO_DEFAULT_PATH REQUIRED)
target_link_libraries(brimstar PRIVATE ${BRIMSTAR_HOST_IMPORT_LIBRARY})
set_target_properties(brimstar PROPERTIES PREFIX "" OUTPUT_NAME "brimstar!")
install(TARGETS brimstar RUNTIME DESTINATION Modules/Plugin)
install(FILES data/meshes/roid.msh DESTINATION Meshes)
install(DIRECTORY DESTINATION Config/Vessels)
