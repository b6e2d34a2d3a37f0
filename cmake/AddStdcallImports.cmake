# Run after OrvoFieldEditors.dll is linked, on 32-bit Windows only:
#   cmake -DDLLTOOL=... -DAR=... -DDEF=... -DIMPORT_LIBRARY=... -P AddStdcallImports.cmake
# --kill-at exports the C interface by its plain names, but MinGW's linker
# then writes those names into the import library too ("_OrvoDisplayEditor"),
# where a program compiled with OrvoFieldEditors.h looks for the __stdcall
# names ("_OrvoDisplayEditor@28"). dlltool -k makes those from the .def,
# importing the plain names, and they are added to the import library the
# linker wrote (which keeps everything else the DLL exports, C++ included).
get_filename_component(folder ${IMPORT_LIBRARY} DIRECTORY)
set(stdcall_library ${folder}/OrvoFieldEditorsStdcall.a)
execute_process(COMMAND ${DLLTOOL} -k -d ${DEF} -D OrvoFieldEditors.dll -l ${stdcall_library}
                COMMAND_ERROR_IS_FATAL ANY)
file(WRITE ${folder}/AddStdcallImports.mri "OPEN ${IMPORT_LIBRARY}\nADDLIB ${stdcall_library}\nSAVE\nEND\n")
execute_process(COMMAND ${AR} -M INPUT_FILE ${folder}/AddStdcallImports.mri COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE ${stdcall_library} ${folder}/AddStdcallImports.mri)
