# libFuzzer harnesses for the readers of everything the game takes from outside: input scripts,
# runs, the score file, bitmaps and waves. Built with clang (cmake -DZARVO_FUZZ=ON with
# CMAKE_CXX_COMPILER=clang++), each from only the sources it needs; scripts/fuzz runs them.
set(ZARVO_FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
                     -fno-omit-frame-pointer -O1 -g)

function(zarvo_fuzzer name)
  add_executable(${name} ${CMAKE_SOURCE_DIR}/tests/fuzz/${name}.cpp ${ARGN})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src)
  target_compile_options(${name} PRIVATE ${ZARVO_FUZZ_FLAGS})
  target_link_options(${name} PRIVATE ${ZARVO_FUZZ_FLAGS})
  add_dependencies(zarvo_fuzzers ${name})
endfunction()

add_custom_target(zarvo_fuzzers)
set(src ${CMAKE_SOURCE_DIR}/src)
zarvo_fuzzer(fuzz_script ${src}/game/script.cpp ${src}/platform/binary_file.cpp)
zarvo_fuzzer(fuzz_run ${src}/game/run_file.cpp ${src}/game/run_events.cpp ${src}/game/script.cpp
  ${src}/platform/binary_file.cpp)
zarvo_fuzzer(fuzz_image ${src}/platform/image_file.cpp ${src}/platform/binary_file.cpp)
zarvo_fuzzer(fuzz_wave ${src}/platform/wave_file.cpp ${src}/platform/binary_file.cpp)
zarvo_fuzzer(fuzz_score_file
  ${src}/screens/score_file.cpp ${src}/screens/score_records.cpp ${src}/screens/panel.cpp
  ${src}/platform/atomic_file.cpp ${src}/platform/draw_list.cpp ${src}/platform/media.cpp
  ${src}/platform/surface.cpp ${src}/platform/smooth_turn.cpp ${src}/platform/still_layer.cpp
  ${src}/assets/bitmap_text.cpp
  ${src}/platform/headless/headless_media.cpp)
