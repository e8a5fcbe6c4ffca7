#!/usr/bin/env bash
# The built program carries its hardening: position independent (PIE), full RELRO (RELRO and
# immediate binding), the stack protector and FORTIFY's checked functions.
# FORTIFY leaves a mark only where a libc call has a size it can check; where our code has
# none, the compile commands show that every source was built with it, optimised.
# Usage: controlla_indurimento.sh PATH_TO_KESTRANO PATH_TO_COMPILE_COMMANDS_JSON
set -euo pipefail
programma=$1
comandi=$2
fallisci() { echo "FAIL: $*"; exit 1; }
readelf -hW "$programma" | grep -qE 'Type: +DYN' || fallisci "not a position-independent executable"
readelf -lW "$programma" | grep -q 'GNU_RELRO' || fallisci "no RELRO segment"
readelf -dW "$programma" | grep -qE 'BIND_NOW|FLAGS_1.*\bNOW\b' || fallisci "no immediate binding (partial RELRO only)"
simboli=$(readelf --dyn-syms -W "$programma")
grep -q '__stack_chk_fail' <<<"$simboli" || fallisci "no stack protector"
sorgenti=$(grep -cE '"command": .*/src/[a-z_/]+\.cpp' "$comandi")
fortificati=$(grep -E '"command": .*/src/[a-z_/]+\.cpp' "$comandi" | grep -E -- '-D_FORTIFY_SOURCE=2' | grep -cE -- ' -O[123s] ')
[ "$sorgenti" -gt 0 ] || fallisci "no sources in $comandi"
[ "$fortificati" -eq "$sorgenti" ] || fallisci "only $fortificati of $sorgenti sources built with FORTIFY and optimisation"
echo "1 passed, 0 failed"
