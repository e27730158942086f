# Shared by run.sh and test.sh: install what a fresh Debian 12 machine lacks,
# then configure and build a tree. Source it; it defines functions only.

# Debian packages the build, the program and the tests need.
PW_PACKAGES=(
  build-essential cmake ninja-build ccache pkg-config clang-format clang-tidy
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libgl-dev
  libgtest-dev libgmock-dev python3-openpyxl
  fonts-liberation
  zint
  libxlsxwriter-dev
  libcups2-dev cups printer-driver-cups-pdf poppler-utils
)

pw_install_packages() {
  local missing=()
  local package
  for package in "${PW_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Every C++ source is kept as .clang-format lays it out; prints the files that
# drift and fails, so a change is formatted before it is built.
pw_check_format() {
  local files
  if git -C "$PW_ROOT" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    files=$(git -C "$PW_ROOT" ls-files --cached --others --exclude-standard -- '*.cpp' '*.h')
  else
    files=$(cd "$PW_ROOT" && find . -path ./build -prune -o -path ./build-sanitize -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
  fi
  local drifted
  drifted=$(cd "$PW_ROOT" && echo "$files" | xargs -r -P "$(nproc)" -n 50 clang-format --dry-run 2>&1 | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning: code should be clang-formatted.*/\1/p' | sort -u)
  if [ -n "$drifted" ]; then
    echo "These files drift from .clang-format (run clang-format -i on them):" >&2
    echo "$drifted" >&2
    return 1
  fi
}

# pw_check_tidy <build-dir>: runs .clang-tidy's checks on the .cpp files a change touches, with
# the build's compile_commands.json; a finding fails the run. A branch's change is everything
# since its merge base with main; on main itself (and on a checkout without a main branch, as CI
# makes) it is the last commit with what is not committed yet. Without git there is no change to
# look at.
pw_check_tidy() {
  local dir="$1" files base
  git -C "$PW_ROOT" rev-parse --is-inside-work-tree >/dev/null 2>&1 || return 0
  base=$(git -C "$PW_ROOT" merge-base HEAD main 2>/dev/null || true)
  if [ -z "$base" ] || [ "$base" = "$(git -C "$PW_ROOT" rev-parse HEAD)" ]; then
    base=$(git -C "$PW_ROOT" rev-parse --verify --quiet HEAD~1 || true)
  fi
  [ -n "$base" ] || return 0
  files=$(cd "$PW_ROOT" && { git diff --name-only --diff-filter=ACMR "$base" -- '*.cpp';
    git ls-files --others --exclude-standard -- '*.cpp'; } | sort -u)
  # Only what the build compiles has compile commands (not the fuzzers, not generated files).
  files=$(cd "$PW_ROOT" && for file in $files; do
    [ -f "$file" ] && grep -qF "\"$(realpath "$file")\"" "$dir/compile_commands.json" && echo "$file"
  done)
  [ -z "$files" ] && return 0
  echo "clang-tidy: $(echo "$files" | wc -l) changed file(s)"
  (cd "$PW_ROOT" && echo "$files" | xargs -r -P "$(nproc)" -n 4 clang-tidy -p "$dir" --quiet) ||
    { echo "clang-tidy found faults in the files above (see .clang-tidy)" >&2; return 1; }
}

# pw_build <build-dir> [extra cmake arguments...]
pw_build() {
  local dir="$1"
  shift
  # ccache keys on paths relative to the repository, so a clone in another
  # folder (CI's) reuses this machine's cache.
  export CCACHE_BASEDIR="$PW_ROOT"
  export CCACHE_NOHASHDIR=1
  cmake -S "$PW_ROOT" -B "$dir" -G Ninja \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
    "$@" >/dev/null
  cmake --build "$dir" --parallel "$(nproc)"
}

# The CUPS queue the printing tests print to, backed by cups-pdf: its jobs
# land as PDF files in the folder cups-pdf.conf names ("Out", the user's
# ~/PDF by default).
PW_PRINT_QUEUE_NAME=PagewrightPDF

# pw_start_print_queue: starts the CUPS scheduler when none runs and adds
# the queue when it is missing (as root, else through sudo). Exports
# PW_PRINT_QUEUE and PW_PRINT_OUT for the tests, or PW_PRINT_QUEUE_ERROR
# saying why there is no queue; it never stops the build.
pw_start_print_queue() {
  unset PW_PRINT_QUEUE PW_PRINT_OUT PW_PRINT_QUEUE_ERROR
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo -n"
  if ! command -v lpstat >/dev/null || ! command -v cupsd >/dev/null; then
    export PW_PRINT_QUEUE_ERROR="CUPS is not installed"
    return 0
  fi
  if ! lpstat -r 2>/dev/null | grep -qx "scheduler is running"; then
    $sudo cupsd >/dev/null 2>&1 || true
    local tries=0
    until lpstat -r 2>/dev/null | grep -qx "scheduler is running"; do
      tries=$((tries + 1))
      if [ "$tries" -gt 50 ]; then
        export PW_PRINT_QUEUE_ERROR="the CUPS scheduler (cupsd) could not be started"
        return 0
      fi
      sleep 0.1
    done
  fi
  if ! lpstat -p "$PW_PRINT_QUEUE_NAME" >/dev/null 2>&1; then
    local ppd
    ppd="$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF_opt\.ppd/ {print $1; exit}')"
    if [ -z "$ppd" ] || ! $sudo lpadmin -p "$PW_PRINT_QUEUE_NAME" -E -v cups-pdf:/ -m "$ppd" 2>/dev/null; then
      export PW_PRINT_QUEUE_ERROR="the cups-pdf queue $PW_PRINT_QUEUE_NAME could not be added (is printer-driver-cups-pdf installed?)"
      return 0
    fi
  fi
  local out
  out="$(sed -n 's/^Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)"
  out="${out:-\${HOME\}/PDF}"
  out="${out//\$\{USER\}/$(id -un)}"
  export PW_PRINT_QUEUE="$PW_PRINT_QUEUE_NAME"
  export PW_PRINT_OUT="${out//\$\{HOME\}/$HOME}"
}
