# A ready root folder of the emulated host in the build tree, laid out as the
# simulator's: the module where its class files say it is, the collision
# library, and the installation's rock mesh.
set(EMULATED_ROOT ${CMAKE_BINARY_DIR}/root)
add_custom_target(emulated_root ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${EMULATED_ROOT}/modules/plugin ${EMULATED_ROOT}/config/vessels ${EMULATED_ROOT}/meshes
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${BRIMSTAR_EMULATED_MODULE}> ${EMULATED_ROOT}/modules/plugin/brimstar!.dll
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:collision> ${EMULATED_ROOT}/modules/collision.dll
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/data/meshes/roid.msh ${EMULATED_ROOT}/meshes/roid.msh
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/data/config/vessels ${EMULATED_ROOT}/config/vessels
  DEPENDS ${BRIMSTAR_EMULATED_MODULE} collision
  COMMENT "Laying out the emulated root folder"
  VERBATIM)
