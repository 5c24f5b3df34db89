# Windows programs run under Wine: WINE_RUN runs one with its DLLs found, in the prefix that the
# fixture "wineprefix" makes fresh for each run of the tests (tests/windows/CMakeLists.txt).
set(WINE_RUN ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
set(WINE_PREFIX_DIR ${CMAKE_BINARY_DIR}/wineprefix)
set(wine_dll_dirs ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
get_property(runtime_dlls GLOBAL PROPERTY VEMMICK_MINGW_RUNTIME_DLLS) # packaging/windows
foreach(dll ${runtime_dlls})
    get_filename_component(dir ${dll} DIRECTORY)
    list(APPEND wine_dll_dirs ${dir})
endforeach()
list(REMOVE_DUPLICATES wine_dll_dirs)
list(JOIN wine_dll_dirs ":" wine_dll_path)
# The programs speak English, whatever the machine's language (tests/windows/german_wine.sh tries German).
set(WINE_TEST_ENV LC_ALL=C.UTF-8 LANGUAGE= WINEPREFIX=${WINE_PREFIX_DIR} VEMMICK_WINE_DLLS=${wine_dll_path}
    VEMMICK_DESIGN_POINTS=${PROJECT_BINARY_DIR}/design-points.sh)
