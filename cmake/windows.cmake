# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a Windows program: no console window beside it, and its own icon in Explorer,
# on the taskbar and in the Start menu, drawn from the same picture as the Linux one.
set_target_properties(veltrix PROPERTIES WIN32_EXECUTABLE ON)

find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(IMAGEMAGICK_CONVERT convert REQUIRED)
set(icona ${CMAKE_CURRENT_BINARY_DIR}/veltrix.ico)
set(immagini "")
set(comandi "")
foreach(lato IN ITEMS 16 24 32 48 64 256)
    set(png ${CMAKE_CURRENT_BINARY_DIR}/icona-${lato}.png)
    list(APPEND immagini ${png})
    list(APPEND comandi COMMAND ${RSVG_CONVERT} -w ${lato} -h ${lato} -o ${png}
        ${PROJECT_SOURCE_DIR}/data/veltrix.svg)
endforeach()
add_custom_command(OUTPUT ${icona}
    ${comandi}
    COMMAND ${IMAGEMAGICK_CONVERT} ${immagini} ${icona}
    DEPENDS ${PROJECT_SOURCE_DIR}/data/veltrix.svg
    COMMENT "Drawing the program's icon")

set(VELTRIX_ICONA ${icona})
configure_file(${PROJECT_SOURCE_DIR}/data/veltrix.rc.in ${CMAKE_CURRENT_BINARY_DIR}/veltrix.rc @ONLY)
target_sources(veltrix PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/veltrix.rc)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/veltrix.rc PROPERTIES OBJECT_DEPENDS ${icona})
