# SPDX-License-Identifier: GPL-3.0-or-later
# The program's icon as PNG images of the sizes menus, panels and window lists ask for, drawn
# from data/veltrix.svg when the program is built, so the picture is kept in one file only.

find_program(RSVG_CONVERT rsvg-convert REQUIRED)

# veltrix_disegna_icone(<variable> <folder> <side>...)
# Adds the build rules for <folder>/veltrix-<side>.png, one square image for each side in
# pixels, and sets <variable> to their paths. A target must list them among its sources (or
# in a resource) for them to be drawn.
function(veltrix_disegna_icone variabile cartella)
    set(disegno ${PROJECT_SOURCE_DIR}/data/veltrix.svg)
    set(immagini "")
    foreach(lato IN LISTS ARGN)
        set(png ${cartella}/veltrix-${lato}.png)
        add_custom_command(OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${cartella}
            COMMAND ${RSVG_CONVERT} -w ${lato} -h ${lato} -o ${png} ${disegno}
            DEPENDS ${disegno}
            COMMENT "Drawing the ${lato} x ${lato} icon"
            VERBATIM)
        list(APPEND immagini ${png})
    endforeach()
    set(${variabile} ${immagini} PARENT_SCOPE)
endfunction()

# The sides of the hicolor theme's folders that desktops look in before scaling anything:
# 16 to 24 for menus and title bars, 32 to 64 for panels and lists, 128 and 256 for launchers
# and software centres.
set(VELTRIX_LATI_ICONA 16 22 24 32 48 64 128 256)
veltrix_disegna_icone(VELTRIX_ICONE ${CMAKE_CURRENT_BINARY_DIR}/icone ${VELTRIX_LATI_ICONA})
# All of them are installed, so all are drawn with the program, not only those it holds.
add_custom_target(veltrix_icone ALL DEPENDS ${VELTRIX_ICONE})

# The same images inside the program, for the icon of its own windows: it needs no icon theme
# nor Qt's SVG plugin to find them. Title bars, task bars and window switchers ask for 64 pixels
# at most; on X every window carries every size given, so the larger ones would only slow down
# the opening of each window. Wherever the windows' library goes, the resource goes too.
set(icone_finestre ${VELTRIX_ICONE})
list(FILTER icone_finestre INCLUDE REGEX "-(16|22|24|32|48|64)\\.png$")
qt_add_resources(veltrix_finestre icone
    PREFIX /icone
    BASE ${CMAKE_CURRENT_BINARY_DIR}/icone
    FILES ${icone_finestre}
    OUTPUT_TARGETS risorse)
# Drawn once, before the resource is compiled, rather than by two targets at the same time.
add_dependencies(veltrix_finestre veltrix_icone)
if(risorse)
    add_dependencies(${risorse} veltrix_icone)
endif()
