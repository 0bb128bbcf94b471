# The export and import tables of the built DLLs, read without running them
# (so the 32-bit build checks them too): the entry points under their plain
# names, and which library each platform function comes from.
set(MODULE_EXPORTS
  InitModule,ExitModule,opcPreStep,opcPostStep,opcSaveState,opcLoadState,ovcInit,ovcExit,GetModuleVersion,opcDeleteVessel,opcCloseRenderViewport)
set(COLLISION_EXPORTS initint,maincall,drmfd,mfdev,statl,stats,VSSetOnCollide,CollisionProbeState)
set(PLATFORM_FUNCTIONS LoadLibraryA GetProcAddress FreeLibrary GetModuleHandleExA MessageBoxA TextOutA)
set(SYSTEM_IMPORTS
  kernel32.dll:LoadLibraryA,kernel32.dll:GetProcAddress,kernel32.dll:FreeLibrary,kernel32.dll:GetModuleHandleExA,user32.dll:MessageBoxA,gdi32.dll:TextOutA)
set(STANDIN $<TARGET_FILE_NAME:winapi_standin>)
list(TRANSFORM PLATFORM_FUNCTIONS PREPEND ${STANDIN}: OUTPUT_VARIABLE STANDIN_IMPORTS)
list(JOIN STANDIN_IMPORTS , STANDIN_IMPORTS)

function(add_dll_table_test name target)
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DDLL=$<TARGET_FILE:${target}> ${ARGN}
      -P ${CMAKE_CURRENT_LIST_DIR}/check_dll_tables.cmake)
  set_tests_properties(${name} PROPERTIES LABELS dll_tables)
endfunction()

add_dll_table_test(dll_tables.module_to_install brimstar
  -DEXPORTS=${MODULE_EXPORTS} -DIMPORTS=${SYSTEM_IMPORTS} -DSHUNS=${STANDIN})
add_dll_table_test(dll_tables.module_for_the_emulated_host brimstar_emulated
  -DEXPORTS=${MODULE_EXPORTS} -DIMPORTS=${STANDIN_IMPORTS})
add_dll_table_test(dll_tables.collision_library collision -DEXPORTS=${COLLISION_EXPORTS})
