# A real desktop install. The program and its data files go into one folder,
# which the program treats as its own (it reads its outlines, its cities and
# its help page there); bin/ holds a link to it, share/ the launcher and the
# icons. `cmake --install build --prefix ~/.local` gives a working menu entry.
set(PELLAMAR_INSTALL_PROGRAM_DIR "lib/pellamar" CACHE STRING
    "Folder of the program and its data files, relative to the prefix")

install(TARGETS pellamar RUNTIME DESTINATION ${PELLAMAR_INSTALL_PROGRAM_DIR})
install(FILES ${pellamar_data_sources} DESTINATION ${PELLAMAR_INSTALL_PROGRAM_DIR})

# bin/pellamar -> ../lib/pellamar/pellamar, made in the build tree and
# installed as a link, so the install manifest lists it for uninstalling.
file(RELATIVE_PATH pellamar_link_target "${CMAKE_INSTALL_PREFIX}/bin"
     "${CMAKE_INSTALL_PREFIX}/${PELLAMAR_INSTALL_PROGRAM_DIR}/pellamar")
set(pellamar_link "${CMAKE_CURRENT_BINARY_DIR}/install-link/pellamar")
file(MAKE_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}/install-link")
file(CREATE_LINK "${pellamar_link_target}" "${pellamar_link}" SYMBOLIC)
install(FILES "${pellamar_link}" DESTINATION bin)

foreach(size 16 22 24 32 48 64 128 256)
  install(FILES "${PROJECT_SOURCE_DIR}/data/icons/pellamar-${size}.png"
          DESTINATION "share/icons/hicolor/${size}x${size}/apps" RENAME pellamar.png)
endforeach()

# The launcher names the program by its absolute path, which is known only
# when installing (--prefix may differ from the configured prefix).
install(CODE "
  set(PELLAMAR_EXEC \"\${CMAKE_INSTALL_PREFIX}/${PELLAMAR_INSTALL_PROGRAM_DIR}/pellamar\")
  configure_file(\"${PROJECT_SOURCE_DIR}/data/pellamar.desktop.in\"
                 \"${CMAKE_CURRENT_BINARY_DIR}/install-desktop/pellamar.desktop\" @ONLY)
  file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/share/applications\" TYPE FILE
       FILES \"${CMAKE_CURRENT_BINARY_DIR}/install-desktop/pellamar.desktop\")
")
