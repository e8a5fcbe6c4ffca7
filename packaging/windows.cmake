# The Windows program: a GUI program (no console) with its version record and the icon that
# Explorer, the taskbar and the shortcut show; its tests run under Wine.
set_target_properties(kestrano PROPERTIES WIN32_EXECUTABLE ON)
math(EXPR KESTRANO_VERSIONE_MINORE "${PROJECT_VERSION_MINOR} + 0")  # "00" as a number
configure_file(packaging/windows/kestrano.rc.in kestrano.rc @ONLY)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(OUTPUT kestrano.ico
  COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/packaging/windows/icona_ico.py
    ${PROJECT_SOURCE_DIR}/src/ui/icona_xpm.h ${CMAKE_CURRENT_BINARY_DIR}/kestrano.ico
  DEPENDS packaging/windows/icona_ico.py src/ui/icona_xpm.h)
add_custom_target(icona DEPENDS kestrano.ico)
target_sources(kestrano PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/kestrano.rc)
add_dependencies(kestrano icona)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
