# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package that `make package` builds, for installing on a school's desktops with
# apt-get. Its version is the project's.

# The program ships no libraries of its own, so the search path Qt's project setup adds for
# them would only make the installed program look for libraries next to itself.
set_target_properties(veltrix PROPERTIES INSTALL_RPATH "")

set(VELTRIX_MANUTENTORE "VELTRIX <info@veltrix.example>"
    CACHE STRING "Maintainer written in the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veltrix)
set(CPACK_PACKAGE_VENDOR VELTRIX)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VELTRIX_MANUTENTORE}")
# The first line of the description, under 80 characters as apt's lists and Debian want it.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "allenamento al calcolo / arithmetic trainer for primary school")
# Lines as apt shows them: CPack indents them but does not wrap them.
set(CPACK_PACKAGE_DESCRIPTION [[
VELTRIX propone operazioni scritte in riga con numeri interi (12 + 7 + 5 = ?)
in cui manca un elemento, da trovare con la tastiera sullo schermo o con
quella del computer. Dopo un errore offre aiuto; alla fine stampa l'elenco
degli esercizi svolti e un attestato. Gli insegnanti stampano schede casuali
di 60 righe, per gli alunni e con le soluzioni.

VELTRIX offers arithmetic written in a row with whole numbers (12 + 7 + 5 = ?)
with one term missing, to be found with the on-screen or the computer
keyboard. It helps after a mistake and prints the list of exercises done and
a certificate at the end. Teachers print random worksheets of 60 rows, for
pupils and with the answers. The program speaks Italian.]])
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

# The Qt libraries come from what the program is linked against (dpkg-shlibdeps). The fonts
# no library asks for: windows and printouts are drawn in Arial and Courier New, which
# fontconfig finds as Liberation Sans and Liberation Mono, metrics and all. The small labels'
# "MS Sans Serif" and Qt's menus take the default sans-serif face, which is DejaVu Sans; on a
# system whose only fonts are the Liberation ones fontconfig picks Liberation Mono instead.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Printing talks to CUPS through libcups; Qt's Italian translations are data that no library
# asks for, so dpkg-shlibdeps cannot find them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation, fonts-dejavu-core, libcups2, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# Debian's policy: every package says its licence in /usr/share/doc/<package>/copyright.
install(FILES ${PROJECT_SOURCE_DIR}/data/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

include(CPack)
