#!/usr/bin/env bash
# Fuzzes larkstat's handling of one source file (`make fuzz`): builds the
# libFuzzer target in build-fuzz, makes its dictionary, seeds one corpus per
# configuration and runs each configuration for its share of the minutes.
#
#   FUZZ_MINUTES  minutes in all, split across the configurations (10)
#   FUZZ_JOBS     fuzzing processes per configuration (3)
#   JOBS          compile jobs for the build (the number of cores)
#
# Exits 1 naming the findings (crashes, timeouts, memory and sanitizer
# reports) of this run, else 0.  The corpora are kept between runs; the
# findings of an earlier run are cleared when a run starts.
set -euo pipefail
cd "$(dirname "$0")/.."

FUZZ_MINUTES=${FUZZ_MINUTES:-10}
FUZZ_JOBS=${FUZZ_JOBS:-3}
JOBS=${JOBS:-$(nproc 2>/dev/null || echo 2)}
BUILD=build-fuzz
OUT=$BUILD/fuzz
TARGET=$OUT/larkstat_fuzz
SCRATCH=$OUT/tmp
CORPUS_SOURCES=../shared/corpus

# Name, then the options of each configuration (LARK_FUZZ_OPTIONS).
CONFIGS=(fixed free mf)
declare -A OPTIONS=([fixed]="" [free]="-line-format=free" [mf]="-lang=mf")

# Largest input, per-input time limit (seconds) and memory limit (MB): under
# the sanitizers a 16 KB program takes about 0.1 s, and 4 KB inputs keep the
# rate up.
MAX_LEN=4096
TIMEOUT=10
RSS_LIMIT_MB=2048
# AddressSanitizer's quarantine of freed memory: the default 256 MB halves
# the rate of executions; 32 MB still holds the frees of many inputs.
QUARANTINE_MB=32
# Largest seed program taken from the shared corpus.
MAX_SEED_BYTES=20480

case "$FUZZ_MINUTES" in '' | *[!0-9]*) echo "FUZZ_MINUTES must be a number of minutes" >&2; exit 2 ;; esac
case "$FUZZ_JOBS" in '' | *[!0-9]* | 0) echo "FUZZ_JOBS must be a positive number" >&2; exit 2 ;; esac

install_tools() {
  local missing="" p
  for p in clang libclang-rt-14-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing="$missing $p"
  done
  [ -z "$missing" ] && return 0
  if [ "$(id -u)" = 0 ]; then
    echo "Installing:$missing"
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
  else
    echo "Missing packages:$missing (run 'sudo apt-get install$missing')" >&2
    exit 2
  fi
}

build_target() {
  if [ ! -f $BUILD/CMakeCache.txt ]; then
    CXX=clang++ cmake -S . -B $BUILD -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLARK_FUZZ=ON -DBUILD_TESTING=OFF
  fi
  cmake --build $BUILD -j "$JOBS" --target larkstat_fuzz
}

# The words of the lexer's tables, one dictionary entry each, and the
# entries of fuzz/extra.dict.
make_dictionary() {
  {
    sed -n 's/^ORV_[A-Z_]*("\([^"]*\)".*/"\1"/p' \
      src/lexer/OrvCobolWords.def src/lexer/OrvFunctions.def \
      src/lexer/OrvOperators.def src/lexer/OrvCicsWords.def | sort -u
    grep -v '^#' fuzz/extra.dict | grep -v '^$'
  } >$OUT/cobol.dict
}

# Copies a seed into the corpus under the hash of its text, so that seeding
# again adds nothing twice.
add_seed() {
  local corpus=$1 file=$2
  local hash
  hash=$(sha1sum <"$file" | cut -c1-40)
  cp "$file" "$corpus/seed-$hash"
}

# A fixed-format program as free format: columns 8 to 72, a comment line
# ('*' or '/' in column 7) as a '*' line; member headers stay as they are.
to_free_format() {
  awk '/^\*>MEMBER / { print; next }
       { text = substr($0, 8, 65); ind = substr($0, 7, 1);
         if (ind == "*" || ind == "/") print "*" text; else print text }' "$1"
}

seed_corpus() {
  local config=$1 corpus=$OUT/corpus-$1 tmp
  mkdir -p "$corpus"
  tmp=$(mktemp -d)
  local seeds=()
  while IFS= read -r f; do seeds+=("$f"); done < <(find tests/data -name '*.cbl' -type f | sort)
  if [ -d "$CORPUS_SOURCES" ]; then
    while IFS= read -r f; do
      [ "$(stat -c %s "$f")" -lt $MAX_SEED_BYTES ] && seeds+=("$f")
    done < <(find "$CORPUS_SOURCES/nist" -maxdepth 1 -name '*.CBL' -type f 2>/dev/null | sort
             find "$CORPUS_SOURCES/cics/genapp" -name '*.cbl' -type f 2>/dev/null | sort)
  fi
  local f i=0
  for f in "${seeds[@]}"; do
    if [ "$config" = free ]; then
      i=$((i + 1))
      to_free_format "$f" >"$tmp/$i"
      add_seed "$corpus" "$tmp/$i"
    else
      add_seed "$corpus" "$f"
    fi
  done
  rm -rf "$tmp"
}

# The executions of a run from the last status line of its log ("#N: ...
# time: Ts" in fork mode), their rate over the whole run, and the corpus.
report_figures() {
  local config=$1 log=$2 line execs time rate
  line=$(grep -E '^#[0-9]+' "$log" | tail -1 || true)
  execs=$(echo "$line" | sed -n 's/^#\([0-9]*\).*/\1/p')
  time=$(echo "$line" | sed -n 's/.* time: \([0-9]*\)s.*/\1/p')
  rate=0
  [ -n "$execs" ] && [ -n "$time" ] && [ "$time" -gt 0 ] && rate=$((execs / time))
  printf '%-6s executions: %s, exec/s: %s, corpus: %s inputs\n' "$config" "${execs:-0}" "$rate" \
    "$(find "$OUT/corpus-$config" -type f | wc -l)"
}

run_config() {
  local config=$1 seconds=$2 findings=$OUT/findings/$1 log=$OUT/fuzz-$1.log
  rm -rf "$findings"
  mkdir -p "$findings"
  # The scratch files of the target and of libFuzzer's fork mode: a process
  # ended by a timeout or a crash cannot remove its own, so they go where the
  # run can clear them.
  rm -rf "$SCRATCH"
  mkdir -p "$SCRATCH"
  echo "== $config (${OPTIONS[$config]:-defaults}): $seconds s, $FUZZ_JOBS processes"
  # Fork mode goes on after a finding, so that the run lists them all.
  TMPDIR="$SCRATCH" LARK_FUZZ_OPTIONS="${OPTIONS[$config]}" \
  ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:quarantine_size_mb=$QUARANTINE_MB} \
  UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1} \
    "$TARGET" "$OUT/corpus-$config" \
      -dict="$OUT/cobol.dict" -max_len=$MAX_LEN -timeout=$TIMEOUT -rss_limit_mb=$RSS_LIMIT_MB \
      -max_total_time="$seconds" -fork="$FUZZ_JOBS" \
      -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
      -artifact_prefix="$findings/" >"$log" 2>&1 || true
  rm -rf "$SCRATCH"
  report_figures "$config" "$log"
}

install_tools
build_target
mkdir -p $OUT
make_dictionary
for config in "${CONFIGS[@]}"; do seed_corpus "$config"; done

seconds=$((FUZZ_MINUTES * 60 / ${#CONFIGS[@]}))
[ "$seconds" -gt 0 ] || seconds=1
for config in "${CONFIGS[@]}"; do run_config "$config" "$seconds"; done

found=$(find $OUT/findings -type f | sort)
if [ -n "$found" ]; then
  echo "Findings (see $OUT/fuzz-<config>.log):"
  echo "$found" | sed 's/^/  /'
  exit 1
fi
echo "No findings."
