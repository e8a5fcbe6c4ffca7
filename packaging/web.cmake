# The browser's program: Qt's WebAssembly link settings and loader, the faces built in (only
# the glyphs of Latin-1 and the typographic quotes, which hold every text the program draws),
# and the page that loads it. scripts/web gathers the page, the program and the loader.
# The page passes the screen's scale to the program through its environment.
set_target_properties(kestrano PROPERTIES QT_WASM_INITIAL_MEMORY 32MB QT_WASM_EXTRA_EXPORTED_METHODS ENV)
# No JavaScript made from strings, so that the page can forbid it.
target_link_options(kestrano PRIVATE "SHELL:-s DYNAMIC_EXECUTION=0")
qt_finalize_target(kestrano)

find_package(Python3 REQUIRED COMPONENTS Interpreter)
# Liberation 2 is in liberation2/ on Debian 12 (liberation/ has 1.07 there) and in liberation/ on 13.
set(facce_ridotte)
foreach(nome DejaVuSans DejaVuSans-Bold LiberationSans-Bold LiberationSerif-Bold)
  find_file(faccia_${nome} ${nome}.ttf NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED
    PATHS /usr/share/fonts/truetype/dejavu /usr/share/fonts/truetype/liberation2 /usr/share/fonts/truetype/liberation)
  set(ridotta ${CMAKE_CURRENT_BINARY_DIR}/facce/${nome}.ttf)
  add_custom_command(OUTPUT ${ridotta}
    COMMAND Python3::Interpreter -m fontTools.subset ${faccia_${nome}} --output-file=${ridotta}
      --unicodes=U+0020-007E,U+00A0-00FF,U+2018-201E,U+2026
    DEPENDS ${faccia_${nome}})
  list(APPEND facce_ridotte ${ridotta})
endforeach()
qt_add_resources(kestrano facce PREFIX /facce BASE ${CMAKE_CURRENT_BINARY_DIR}/facce FILES ${facce_ridotte})

configure_file(packaging/web/index.html.in index.html @ONLY)

# The start-up benchmark's programs (bench/web.py), built as the program is: kestrano up to its
# start window's first frame, and a bare window with the same texts in the same faces.
add_executable(avvio_kestrano bench/avvio_kestrano.cpp)
target_link_libraries(avvio_kestrano PRIVATE kestrano_finestre)
add_executable(avvio_base_testi bench/avvio_base_testi.cpp)
target_link_libraries(avvio_base_testi PRIVATE Qt6::Widgets)
foreach(banco avvio_kestrano avvio_base_testi)
  set_target_properties(${banco} PROPERTIES QT_WASM_INITIAL_MEMORY 32MB)
  target_link_options(${banco} PRIVATE "SHELL:-s DYNAMIC_EXECUTION=0")
  qt_add_resources(${banco} facce_${banco} PREFIX /facce BASE ${CMAKE_CURRENT_BINARY_DIR}/facce FILES ${facce_ridotte})
  qt_finalize_target(${banco})
endforeach()
