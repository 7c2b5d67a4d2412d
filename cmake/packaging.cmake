# The Debian package (scripts/package runs cpack). It depends on Debian's
# runtime packages of the libraries the programs link, the Qt platform
# plugins that let the windows open at all, and Qt's German texts for its
# own dialogs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumatik)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The maintainer and homepage are build options (data/CMakeLists.txt); a
# package without a homepage leaves the field out.
set(CPACK_PACKAGE_CONTACT "${LUMATIK_MAINTAINER}")
if(LUMATIK_HOMEPAGE)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${LUMATIK_HOMEPAGE}")
endif()
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Schulmathematik mit Rechenweg")
# Debian shows the description in lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Rechner mit Brüchen und Wurzeln, Funktionsplotter, Gleichungssysteme,\nGleichungen bis zum 4. Grad, Kettenbrüche, analytische Geometrie im Raum\nund ein Werkzeug für Bildschirmausschnitte, mit deutscher Oberfläche;\ndazu lumatik-cli für die Kommandozeile. Schaubilder gehen als PNG, SVG\noder PDF in Dateien, Arbeitsblätter aufs Papier.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Packages the programs do not link but need: the platform plugins (xcb)
# and the translations.
set(lumatik_unlinked_depends "qt6-qpa-plugins, qt6-translations-l10n")
find_program(LUMATIK_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(LUMATIK_DPKG_SHLIBDEPS)
  # dpkg-shlibdeps adds each linked library's package with its least version.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${lumatik_unlinked_depends}")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libc6, libstdc++6, libgcc-s1, libqt6core6, libqt6gui6, libqt6widgets6, libqt6printsupport6, libqt6dbus6, libqt6svg6, libjpeg62-turbo, libgmp10, ${lumatik_unlinked_depends}")
endif()
# The pictures and printouts are drawn with these fonts' metrics.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
# Control files as dpkg makes them (lintian refuses others).
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Only the programs and their data: the tests and libraries stay in the build.
set(CPACK_STRIP_FILES ON)
# cpack packs what is built; scripts/package builds first. Without this, every
# cpack (and every install target) would first bring the whole tree up to date.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)
