# What `cmake --install` puts where, following the freedesktop conventions:
# the editor and the tool in bin (the tool's Qt part in libexec/velaskin), the language files and default skins in
# share/velaskin (VELASKIN_INSTALL_DATADIR, set before the programs are
# defined: the editor looks there relative to its own place), the menu entry
# in share/applications and the icon in the hicolor icon theme.

install(TARGETS velaskin velaskin-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS velaskin-cli-qt RUNTIME DESTINATION ${VELASKIN_QT_PART_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/Lng ${PROJECT_SOURCE_DIR}/data/Default
        DESTINATION ${VELASKIN_INSTALL_DATADIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/velaskin.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 32 64)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/velaskin-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME velaskin.png)
endforeach()

# The software centre's description of the editor, with the project's version.
configure_file(${PROJECT_SOURCE_DIR}/resources/org.example.velaskin.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/org.example.velaskin.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/org.example.velaskin.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The licence where a Debian system keeps every package's.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velaskin RENAME copyright)
