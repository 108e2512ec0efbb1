# Shell functions the benchmark scripts share (sourced, not run).

# "min / median / max" of the numbers on standard input, one a line, with FORMAT (printf) each.
spread() {
  sort -g | awk -v f="${1:-%s}" '{a[NR] = $1} END {
    if (NR == 0) { print "no runs"; exit }
    printf f " / " f " / " f "\n", a[1], a[int((NR + 1) / 2)], a[NR] }'
}

# The median of the numbers on standard input, one a line.
median() { sort -g | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

# Each argument a positive whole number (the scripts' run and count arguments), or the script
# fails (its own `fail`).
require_whole_numbers() {
  local n
  for n in "$@"; do
    [[ $n =~ ^[1-9][0-9]*$ ]] || fail "run counts and seconds must be positive whole numbers, not '$n'"
  done
}

# Each named benchmark program built in the build folder BUILD (the first argument).
require_programs() {
  local build=$1 program
  shift
  for program in "$@"; do
    [ -x "$build/bench/$program" ] ||
      fail "$build/bench/$program not found: configure $build with -DTARVIK_BENCH=ON and build it"
  done
}
