# Installation into the usual places and the Debian package.
include(GNUInstallDirs)

set(OVELUNE_APP_ID org.example.ovelune)

install(TARGETS ovelune RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/desktop/${OVELUNE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/${OVELUNE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/ovelune.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/res/ovelune.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${OVELUNE_APP_ID}.svg)
foreach(size 16 24 32 48 64 128 256 512)
    install(FILES ${PROJECT_SOURCE_DIR}/res/icons/ovelune_${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${OVELUNE_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/COPYING DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ovelune)
set(CPACK_PACKAGE_VENDOR Quorvex)
set(CPACK_PACKAGE_CONTACT "Ovelune developers <dev@ovelune.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ear training for absolute (perfect) pitch")
set(CPACK_PACKAGE_DESCRIPTION
    "Ovelune plays single piano notes; the learner answers by pressing the very key that
sounded, octave included, on the keyboard drawn in the window or on a MIDI keyboard.
Twelve levels add one pitch class each; 65 % right answers raise the level.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://ovelune.example.org")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/COPYING)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The shared libraries are found by dpkg-shlibdeps; what is loaded at run time without
# being linked (QML modules, FluidSynth, the soundfont) is named here. Debian names a
# library's package after its shared-object name: libfluidsynth.so.3 is in libfluidsynth3.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
string(REGEX REPLACE "^(lib.*)\\.so\\.([0-9]+)$" "\\1\\2" fluidsynth_package "${FLUIDSYNTH_SONAME}")
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qml6-module-qtquick, qml6-module-qtquick-window, qml6-module-qtquick-controls, qml6-module-qtquick-templates, \
qml6-module-qtqml-workerscript, qml6-module-qtcharts, libqt6sql6-sqlite, qt6-wayland, ${fluidsynth_package}, fluid-soundfont-gm")
include(CPack)
