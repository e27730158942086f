# Shared by run.sh and test.sh: install what a fresh Debian 12 machine lacks,
# then configure and build a tree. Source it; it defines functions only.

# Debian packages the build, the program and the tests need.
PW_PACKAGES=(
  build-essential cmake ninja-build ccache pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libgl-dev
  libgtest-dev libgmock-dev python3-openpyxl
  fonts-liberation
  zint
  libxlsxwriter-dev
  poppler-utils
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
