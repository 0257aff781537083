# SPDX-License-Identifier: GPL-3.0-or-later
# The nine programs: name, and one line on what each shows in Japanese and in
# English. The executables, the menu entries, the AppStream metadata and the
# core's registry (through program_summaries.h) all take them from here; a
# test holds the registry and the README's table to the same names.
set(ONDEL_PROGRAM_TABLE
  ondel8     "2つのパルスがすれ違い、重なり合う様子"
             "Two pulses running through each other, and their superposition"
  ondel8_dou "同じ向きに進む2つのパルスとその和"
             "Two pulses running the same way, and their sum"
  ondel9     "自由端・固定端でのパルスの反射"
             "A pulse reflected at a free or a fixed end"
  ondel10    "スライドバーで描いたパルスの反射（自由端・固定端・無反射）"
             "A hand-drawn pulse reflected at a free, fixed or non-reflecting end"
  ondel3     "進行波と定常波"
             "A travelling sine wave and the standing wave"
  ondel3a    "進行波と定常波（横長の画面）"
             "A travelling sine wave and the standing wave, wide window"
  ondel5     "進行波と定常波（速いタイマー、細かい y-t 線）"
             "A travelling and standing sine wave with a fast timer and a fine y-t trace"
  ondel5a    "進行波と定常波（速いタイマー、横長の画面）"
             "A travelling and standing sine wave with a fast timer, wide window"
  ondel15    "2つのスピーカーからの音の重ね合わせ（同相・逆相）"
             "The sound of two loudspeakers in phase or in anti-phase"
)

# The names alone, each program's summaries as ONDEL_SUMMARY_JA_<name> and
# ONDEL_SUMMARY_EN_<name>, and the table as C++ for the registry.
set(ONDEL_PROGRAMS)
set(summary_rows)
list(LENGTH ONDEL_PROGRAM_TABLE fields)
math(EXPR last "${fields} - 1")
foreach(i RANGE 0 ${last} 3)
  math(EXPR ja "${i} + 1")
  math(EXPR en "${i} + 2")
  list(GET ONDEL_PROGRAM_TABLE ${i} name)
  list(GET ONDEL_PROGRAM_TABLE ${ja} summary_ja)
  list(GET ONDEL_PROGRAM_TABLE ${en} summary_en)
  list(APPEND ONDEL_PROGRAMS ${name})
  set(ONDEL_SUMMARY_JA_${name} "${summary_ja}")
  set(ONDEL_SUMMARY_EN_${name} "${summary_en}")
  string(APPEND summary_rows "    {\"${name}\", \"${summary_ja}\", \"${summary_en}\"},\n")
endforeach()
configure_file(${CMAKE_CURRENT_LIST_DIR}/program_summaries.h.in ${CMAKE_BINARY_DIR}/generated/programs/program_summaries.h @ONLY)
