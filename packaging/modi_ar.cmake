# Run by cpack on each package it has made: CPack gives the archive's three members the modes
# of the temporary files it wrote them from, which follow the builder's umask. Each member's
# mode (8 bytes at offset 40 of its 60-byte header) becomes 100644, as dpkg-deb writes it.
foreach(pacchetto IN LISTS CPACK_PACKAGE_FILES)
  file(SIZE "${pacchetto}" dimensione)
  set(inizio 8)  # after "!<arch>\n"
  while(inizio LESS dimensione)
    math(EXPR campo "${inizio} + 48")
    file(READ "${pacchetto}" lunghezza OFFSET ${campo} LIMIT 10)
    string(STRIP "${lunghezza}" lunghezza)
    math(EXPR campo "${inizio} + 40")
    execute_process(COMMAND sh -c "printf '100644  ' | dd of='${pacchetto}' bs=1 seek=${campo} conv=notrunc status=none"
      COMMAND_ERROR_IS_FATAL ANY)
    # Members start at even offsets.
    math(EXPR inizio "${inizio} + 60 + ${lunghezza} + (${lunghezza} % 2)")
  endwhile()
endforeach()
