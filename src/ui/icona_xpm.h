// The program's icon, set once for the application and shown by all four windows: a yellow
// ruler, 32 x 32 in a few of the 16 classic colours, kept as XPM so it builds into the program
// with no resource file.
#pragma once

namespace kestrano::ui {

// clang-format off
inline const char* const iconaXpm[] = {
"32 32 5 1",
"  c None",
"k c #000000",
"y c #FFFF00",
"r c #FF0000",
"b c #0000C0",
"                                ",
"                                ",
"                                ",
"                                ",
"                                ",
"                                ",
"                                ",
"                                ",
"                                ",
"                                ",
" kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk ",
" kykyykyykyykyykyykyykyykyykyyk ",
" kykyykyykyykyykyykyykyykyykyykb",
" kykyykyykyykyykyykyykyykyykyykb",
" kykyyyyyyyykyyyyyyyykyyyyyyyykb",
" kykyyyyyyyykyyyyyyyykyyyyyyyykb",
" kykyyyyyyyykyyyyyyyykyyyyyyyykb",
" kyyyyyyyyyyyyyyyyyyyyyyyyyyyykb",
" kyyyyyyyyyyyyyyyyyyyyyyyyyyyykb",
" krrrrrrrrrrrrrrrrrrrrrrrrrrrrkb",
" krrrrrrrrrrrrrrrrrrrrrrrrrrrrkb",
" kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkb",
"   bbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
"                                ",
"                                ",
"                                ",
"                                ",
"                                ",
"                                ",
"                                ",
"                                ",
"                                "
};
// clang-format on

}  // namespace kestrano::ui
