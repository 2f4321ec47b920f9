# SPDX-License-Identifier: GPL-3.0-or-later
# The folders of src/ in layers, lowest first. A folder's code may include its own headers and
# those of every layer below it; never a layer above, nor another folder of its own layer, so
# folders of one layer stay apart and a lower one never learns of a higher one.
# The first six layers form the logic library, built without Qt Widgets.
set(VELTRIX_STRATI
    "platform"                           # the system: clock, random source, files, printer
    "state"                              # the shared state and its codes
    "rules"                              # tables: objectives, levels, grading, settings, palette
    "practice"                           # drawing, showing, judging and timing operations
    "register"                           # the class register: every series of every pupil
    "printouts"                          # what goes on paper: list, worksheet, certificate
    "widgets"                            # the program's own controls and window set
    "exercise reports worksheets teacher start"  # the windows, each in its folder
    "app")                               # the program: every window, the real services
set(VELTRIX_STRATI_LOGICI 6)

# Every folder by name (VELTRIX_CARTELLE), and its layer from 0 (livello_<folder>).
set(VELTRIX_CARTELLE "")
set(_livello 0)
foreach(_strato IN LISTS VELTRIX_STRATI)
    string(REPLACE " " ";" _cartelle "${_strato}")
    foreach(_cartella IN LISTS _cartelle)
        list(APPEND VELTRIX_CARTELLE ${_cartella})
        set(livello_${_cartella} ${_livello})
    endforeach()
    math(EXPR _livello "${_livello} + 1")
endforeach()
