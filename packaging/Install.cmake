# Installed layout: the program, its desktop entry and its icon under the
# usual prefixes, so menus and the tray find Sorbeta by its application id.
install(TARGETS sorbeta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${SORBETA_ROOT}/packaging/com.rovek.sorbeta.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${SORBETA_ROOT}/packaging/com.rovek.sorbeta.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The same icon is the window icon when Sorbeta runs from its build folder.
qt_add_resources(sorbeta_ui sorbeta_icon
  PREFIX /icons
  BASE ${SORBETA_ROOT}/packaging
  FILES ${SORBETA_ROOT}/packaging/com.rovek.sorbeta.svg)
