# Debian package through CPack: `cpack -G DEB` (or `make package`) in the build folder gives
# quarrant_<version>_<arch>.deb with its dependencies computed by dpkg-shlibdeps.
if(QUARRANT_ENGINE_ONLY)
  return()
endif()
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quarrant)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quarrant developers")
set(CPACK_PACKAGE_CONTACT "${QUARRANT_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop financial calculator")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_SET_DESTDIR OFF)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUARRANT_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/quarrant/quarrant)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Qt platform plugins are loaded at run time, so dpkg-shlibdeps cannot see them.
# Qt's own dialog texts in the program's languages (qtbase_<lang>.qm) come from Debian's
# translations of Qt, which the program loads from Qt's translations folder.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
# The long description; CPack puts the summary above it as the synopsis.
set(CPACK_PACKAGE_DESCRIPTION
    "Quarrant is a financial calculator in one window with five pages: time\n\
value of money with an amortization schedule that can be printed, previewed\n\
and exported, interest rate conversions, depreciation tables, cash-flow\n\
measures (IRR, NPV, NFV) and a date calculator. Numeric fields accept\n\
arithmetic expressions, and every list copies into a spreadsheet.")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
