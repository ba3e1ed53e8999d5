# The steps of scripts/test. Each builds incrementally in its own folder, so
# a second run with nothing changed is quick, and returns non-zero when its
# check fails.
# shellcheck shell=bash

jobs="$(nproc)"
# How long each fuzzer runs: a minute, 20 s in CI, where every run starts
# from a clean clone; the seeds alone are replayed by the fuzz_*_seeds tests
# of both the Release and the sanitizer step.
if [ "${CI:-}" = true ]; then
  fuzz_seconds="${GLIMBLES_FUZZ_SECONDS:-20}"
else
  fuzz_seconds="${GLIMBLES_FUZZ_SECONDS:-60}"
fi
fuzz_targets=(replay settings ini)              # fuzz/corpus/<name>, build-fuzz/<name>_fuzzer
# Our source folders; clang-tidy looks at their .cpp files and headers only.
tidy_folders="engine|platform|shell|dialogs|resources|tools|tests|fuzz"

# Configures the preset $1 into $2 unless that folder is configured already.
configure_once() {
  [ -f "$root_dir/$2/CMakeCache.txt" ] || cmake --preset "$1" >/dev/null
}

# Whether every tracked .cpp and .h file outside the build folders is laid out
# as the committed .clang-format says; names the files that are not. Without
# a .clang-format there is nothing to check against, and it says so.
check_format() {
  cd "$root_dir" || return 1
  if [ ! -f .clang-format ]; then
    echo "format: no .clang-format, not checked"
    return 0
  fi
  command -v clang-format-14 >/dev/null || { echo "format: clang-format-14 is not installed" >&2; return 1; }
  local files=() file
  while IFS= read -r -d '' file; do
    [ -f "$file" ] && files+=("$file")  # a file deleted but not yet committed is skipped
  done < <(git ls-files -z -- '*.cpp' '*.h' | grep -zv '^build[^/]*/')
  [ ${#files[@]} -eq 0 ] && return 0

  local report status=0
  report="$(printf '%s\0' "${files[@]}" | xargs -0 clang-format-14 --dry-run --Werror 2>&1)" || status=$?
  if [ "$status" -eq 0 ]; then
    echo "format: ${#files[@]} files as .clang-format says"
    return 0
  fi
  local unformatted=()
  mapfile -t unformatted < <(sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' <<<"$report" | sort -u)
  if [ ${#unformatted[@]} -gt 0 ]; then
    echo "format: not as .clang-format says (clang-format-14 -i FILE lays one out):" >&2
    printf '  %s\n' "${unformatted[@]}" >&2
  else
    echo "format: clang-format-14 failed:" >&2
    tail -n 20 <<<"$report" >&2
  fi
  return 1
}

# The source layout, then the Release build and its tests; the arguments go
# to ctest. The build and the tests run even when the layout check fails.
step_release_tests() {
  local format=0
  check_format || format=1
  build_release || return 1
  (cd "$root_dir/build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$jobs" "$@") || return 1
  return "$format"
}

# Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer
# (the "asan" preset; its test preset sets the sanitizers' options), less
# those that run no code of ours: the package tests (label "packaging"), which
# the preset does not build, and those that only compare committed files with
# generated ones (label "assets").
step_sanitizer_tests() {
  cd "$root_dir" || return 1
  configure_once asan build-asan || return 1
  cmake --build build-asan --parallel "$jobs" || return 1
  ctest --preset asan --parallel "$jobs" --label-exclude 'packaging|assets'
}

# Each fuzzer for $fuzz_seconds from its committed seeds, as many at once as
# there are cores (each fuzzer runs on one); what it learns on the way stays
# in build-fuzz/corpus, what breaks it in build-fuzz/artifacts.
step_fuzzers() {
  cd "$root_dir" || return 1
  configure_once fuzz build-fuzz || return 1
  cmake --build --preset fuzz --parallel "$jobs" || return 1
  local symbolizer=/usr/lib/llvm-14/bin/llvm-symbolizer
  [ -x "$symbolizer" ] && export ASAN_SYMBOLIZER_PATH="$symbolizer"
  local name status=0 running=()
  mkdir -p build-fuzz/artifacts
  for name in "${fuzz_targets[@]}"; do
    if [ ${#running[@]} -ge "$jobs" ]; then
      report_fuzzer "${running[0]}" || status=1
      running=("${running[@]:1}")
    fi
    mkdir -p "build-fuzz/corpus/$name"
    echo "== ${name}_fuzzer for ${fuzz_seconds} s"
    "build-fuzz/${name}_fuzzer" \
      -max_total_time="$fuzz_seconds" -timeout=5 -rss_limit_mb=2048 -max_len=4096 \
      -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$name-" \
      "build-fuzz/corpus/$name" "fuzz/corpus/$name" >"build-fuzz/$name.log" 2>&1 &
    running+=("$name:$!")
  done
  for name in "${running[@]}"; do report_fuzzer "$name" || status=1; done
  return "$status"
}

# Waits for the fuzzer "NAME:PID" and shows its figures, or the end of its log
# when it failed.
report_fuzzer() {
  local name="${1%%:*}"
  if wait "${1#*:}"; then
    echo "== ${name}_fuzzer"
    grep -E '^(Done|stat::(number_of_executed_units|new_units_added|peak_rss_mb))' "build-fuzz/$name.log"
  else
    echo "== ${name}_fuzzer FAILED"
    tail -n 60 "build-fuzz/$name.log"
    return 1
  fi
}

# clang-tidy with the committed .clang-tidy over our .cpp files in the
# Release build's compile_commands.json, each file once. A file that passed
# is remembered (build-tidy/passed) until it, any of our headers, its compile
# command or the configuration changes (see tidy_pending.py).
step_clang_tidy() {
  cd "$root_dir" || return 1
  [ -f build/compile_commands.json ] || { echo "no Release build to take the files from" >&2; return 1; }
  mkdir -p build-tidy/passed
  python3 "$root_dir/scripts/lib/tidy_pending.py" "$root_dir" "$tidy_folders" || return 1
  [ -s build-tidy/pending ] || return 0

  # Findings go to the log; the invocation lines run-clang-tidy prints for
  # every file, and its colours, are left out of what is shown.
  run-clang-tidy-14 -p build-tidy -j "$jobs" -quiet >build-tidy/clang-tidy.log 2>&1
  local status=$?
  sed 's/\x1b\[[0-9;]*m//g' build-tidy/clang-tidy.log |
    grep -v -e '^clang-tidy-14 ' -e '^[0-9]* warnings\? generated\.$'
  if [ "$status" -eq 0 ]; then
    local key
    while read -r key; do : >"build-tidy/passed/$key"; done <build-tidy/pending
  fi
  return "$status"
}
