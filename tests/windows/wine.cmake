# Windows programs run under Wine: WINE_RUN runs one with its DLLs found, in the prefix that the
# fixture "wineprefix" makes fresh for each run of the tests (tests/windows/CMakeLists.txt).
set(WINE_RUN ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
set(WINE_PREFIX_DIR ${CMAKE_BINARY_DIR}/wineprefix)
set(wine_dll_dirs ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
foreach(dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(dir ${path} DIRECTORY)
    list(APPEND wine_dll_dirs ${dir})
endforeach()
list(JOIN wine_dll_dirs ":" wine_dll_path)
set(WINE_TEST_ENV WINEPREFIX=${WINE_PREFIX_DIR} VEMMICK_WINE_DLLS=${wine_dll_path}
    VEMMICK_DESIGN_POINTS=${PROJECT_BINARY_DIR}/design-points.sh)
