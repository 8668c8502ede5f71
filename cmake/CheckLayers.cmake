# Fails when a file of src/ includes against the layers, or when a file outside
# src/gui/ includes a window header or names QWidget.
#
#   cmake -DSOURCE_DIR=<src> -DWINDOW_INCLUDE_DIRS=<include dirs of QtWidgets and QtGui, "|" between>
#         -P CheckLayers.cmake
#
# Each folder lists the folders it may include besides itself. The estimate
# table in singles/ uses the prize estimation of evaluation/, never the reverse;
# history/ stands on the singles files, the grading and the result download.
cmake_minimum_required(VERSION 3.21)
set(allowed_support "")
set(allowed_lottery support)
set(allowed_rounddata support lottery)
set(allowed_cellgrid support lottery)
set(allowed_acquisition support lottery rounddata)
set(allowed_evaluation support lottery rounddata cellgrid)
set(allowed_singles support lottery rounddata cellgrid evaluation)
set(allowed_history support lottery rounddata cellgrid acquisition singles evaluation)
set(allowed_app support lottery rounddata acquisition singles evaluation history)
set(allowed_gui support lottery rounddata cellgrid acquisition singles evaluation history app)
set(folders support lottery rounddata cellgrid acquisition evaluation singles history app gui)

# The headers of QtWidgets and QtGui, by name (<QLabel>, <QtWidgets/QLabel>, ...).
set(window_headers "")
string(REPLACE "|" ";" window_include_dirs "${WINDOW_INCLUDE_DIRS}")
foreach(dir ${window_include_dirs})
    get_filename_component(module ${dir} NAME)
    if(module STREQUAL "QtWidgets" OR module STREQUAL "QtGui")
        file(GLOB names RELATIVE ${dir} ${dir}/Q*)
        list(APPEND window_headers ${names})
        foreach(name ${names})
            list(APPEND window_headers ${module}/${name})
        endforeach()
        list(APPEND window_headers ${module})
    endif()
endforeach()

set(faults "")
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
foreach(source ${sources})
    string(REGEX MATCH "^[^/]+" folder ${source})
    if(NOT folder IN_LIST folders)
        list(APPEND faults "${source}: not in a layer folder")
        continue()
    endif()
    file(STRINGS ${SOURCE_DIR}/${source} lines REGEX "^#include|QWidget")
    foreach(line ${lines})
        if(line MATCHES "^#include \"([^/\"]+)/")
            set(target ${CMAKE_MATCH_1})
            if(NOT target STREQUAL folder AND NOT target IN_LIST allowed_${folder})
                list(APPEND faults "${source}: includes ${target}/ against the layers")
            endif()
        elseif(NOT folder STREQUAL "gui")
            if(line MATCHES "^#include <([^>]+)>" AND CMAKE_MATCH_1 IN_LIST window_headers)
                list(APPEND faults "${source}: core file includes the window header <${CMAKE_MATCH_1}>")
            elseif(line MATCHES "QWidget")
                list(APPEND faults "${source}: core file names QWidget")
            endif()
        endif()
    endforeach()
endforeach()

if(faults)
    list(JOIN faults "\n  " text)
    message(FATAL_ERROR "Layer check failed:\n  ${text}")
endif()
