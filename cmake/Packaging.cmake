# One ZIP package per architecture, made by `cmake --build build/win --target
# package` (CPack): OrvoFieldEditors-<version>-win64.zip from the 64-bit tree,
# -win32.zip from the 32-bit one. Everything sits in one folder, as a
# cataloguing program's folder holds it: the DLLs, the programs, what a
# program needs to link the C interface (header, .def, the import libraries
# of Microsoft's and MinGW's format), README.txt and the licence notices.
#
# The MinGW runtime (libstdc++, libgcc, winpthread) is shipped as its DLLs
# rather than linked statically into each of ours: our DLLs hand C++ objects
# and exceptions to each other, and on 32-bit Windows (DWARF unwinding) an
# exception cannot cross from one DLL's static copy of libgcc into another's.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(ORVO_PACKAGE_SYSTEM win32)
    set(ORVO_PACKAGE_ARCHITECTURE "32-bit Windows (x86)")
else()
    set(ORVO_PACKAGE_SYSTEM win64)
    set(ORVO_PACKAGE_ARCHITECTURE "64-bit Windows (x64)")
endif()

install(FILES
    $<TARGET_FILE:OrvoFieldEditors> $<TARGET_FILE:OrvoLibraryU> $<TARGET_FILE:OrvoEditorCore>
    $<TARGET_FILE:OrvoCustomControls> $<TARGET_FILE:OrvoMfc>
    ${PROJECT_SOURCE_DIR}/manager/OrvoFieldEditors.h
    $<TARGET_PROPERTY:OrvoFieldEditors,ORVO_DEF_FILE>
    $<TARGET_PROPERTY:OrvoFieldEditors,ORVO_MSVC_IMPORT_LIBRARY>
    $<TARGET_LINKER_FILE:OrvoFieldEditors>
    DESTINATION .)
install(PROGRAMS $<TARGET_FILE:orvo-edit> $<TARGET_FILE:orvo-batch> $<TARGET_FILE:orvo-host> DESTINATION .)

# The runtime DLLs, where the compiler finds them.
foreach(orvo_runtime_dll libstdc++-6.dll libgcc_s_seh-1.dll libgcc_s_dw2-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${orvo_runtime_dll}
                    OUTPUT_VARIABLE orvo_runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(IS_ABSOLUTE "${orvo_runtime_path}" AND EXISTS "${orvo_runtime_path}")
        install(FILES ${orvo_runtime_path} DESTINATION .)
        # Debian's libstdc++-6.dll carries 20 MB of debugging information.
        install(CODE "execute_process(COMMAND ${CMAKE_STRIP} --strip-debug \"\${CMAKE_INSTALL_PREFIX}/${orvo_runtime_dll}\")")
    endif()
endforeach()

configure_file(${CMAKE_CURRENT_LIST_DIR}/package/README.txt ${CMAKE_BINARY_DIR}/package-README.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_BINARY_DIR}/package-README.txt DESTINATION . RENAME README.txt)
# The licence notices of what is shipped inside: the MinGW runtime (GCC's
# runtime library exception; winpthreads), as Debian's packages state them.
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright DESTINATION licences RENAME gcc-runtime.txt)
install(FILES /usr/share/doc/mingw-w64-common/copyright DESTINATION licences RENAME mingw-w64-winpthreads.txt)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME OrvoFieldEditors)
set(CPACK_PACKAGE_VENDOR OrvoFieldEditors)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME ${ORVO_PACKAGE_SYSTEM})
set(CPACK_PACKAGE_FILE_NAME OrvoFieldEditors-${PROJECT_VERSION}-${ORVO_PACKAGE_SYSTEM})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
