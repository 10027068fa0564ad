#!/usr/bin/env bash
# Builds the Debian packages with the "package" preset and checks them:
#  - each holds what it should (prints every package's fields and files);
#  - lintian reports no error and no warning (no overrides);
#  - installed with dpkg -i on this machine: ldconfig knows the libraries,
#    `tevasn --version` and a command run, `man tevasn` opens, and the
#    installed-client test builds both clients (core and companion-only)
#    with CMake and with pkg-config and runs them; Debian's python3 imports
#    tevasn, reports the version and decodes a row, and the postinst has
#    byte-compiled the package;
#  - no Python file lies in any package but python3-tevasn;
#  - dpkg -r and then dpkg -P leave no file, no byte code and no package
#    state behind.
# Installs the Debian packages it needs when they are missing; needs root
# (or sudo) for dpkg. (Pipes end in `grep >/dev/null`, not grep -q, which
# would stop reading early and fail the pipe under pipefail.)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/need-packages.sh cmake ninja-build g++ dpkg-dev file lintian go-md2man doxygen \
  pkg-config man-db python3 python3-dev pybind11-dev libsmi2-dev
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

packages=(libtevasnvalue1 libtevasntable1 libtevasnvalue-dev tevasn python3-tevasn)
rm -f build/package/*.deb
cmake --workflow --preset package
version=$(sed -n 's/^project(TevAsnValue VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
arch=$(dpkg --print-architecture)
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
debs=()
for p in "${packages[@]}"; do debs+=("build/package/${p}_${version}_${arch}.deb"); done

status=0
fail() { echo "FAILED: $*" >&2; status=1; }

# A package's files and links ("name" or "name -> target").
listing() { dpkg-deb -c "$1" | awk '$1 !~ /^d/ {$1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print}'; }
# Contents: "package regex".
expect() {
  local deb="build/package/$1_${version}_${arch}.deb"
  grep -Eq "$2" <<<"$(listing "$deb")" || fail "$1 lacks $2"
}
lib="\./usr/lib/$multiarch"
for p in "${packages[@]}"; do
  expect "$p" "^\./usr/share/doc/$p/copyright$"
  expect "$p" "^\./usr/share/doc/$p/changelog\.gz$"
done
for pair in libtevasnvalue1:TevAsnValue libtevasntable1:TevAsnTable; do
  p=${pair%%:*} l=${pair##*:}
  expect "$p" "^$lib/lib$l\.so\.$version$"
  expect "$p" "^$lib/lib$l\.so\.1 -> lib$l\.so\.$version$"
  expect libtevasnvalue-dev "^$lib/lib$l\.so -> lib$l\.so\.1$"
  dpkg-deb --ctrl-tarfile "build/package/${p}_${version}_${arch}.deb" | tar t |
    grep '^\./triggers$' >/dev/null || fail "$p has no triggers file"
  [ "$(dpkg-deb --info "build/package/${p}_${version}_${arch}.deb" symbols)" = "$(cat "abi/$p.symbols")" ] ||
    fail "$p carries a symbols file other than abi/$p.symbols"
done
for h in TevAsnValue TevAsnValuePtr TevAsnHelpers TevAsnTable TevAsnDisplay TevAsnTableExport \
         TevAsnTablePtr; do
  expect libtevasnvalue-dev "^\./usr/include/TevAsnValue/$h\.h$"
done
for f in cmake/TevAsnValue/TevAsnValueConfig\.cmake cmake/TevAsnValue/TevAsnValueConfigVersion\.cmake \
         cmake/TevAsnValue/TevAsnValueTargets\.cmake pkgconfig/tevasnvalue\.pc pkgconfig/tevasntable\.pc; do
  expect libtevasnvalue-dev "^$lib/$f$"
done
expect libtevasnvalue-dev '^\./usr/share/doc/libtevasnvalue-dev/usage\.md$'
expect libtevasnvalue-dev '^\./usr/share/doc/libtevasnvalue-dev/html/index\.html$'
expect tevasn '^\./usr/bin/tevasn$'
expect tevasn '^\./usr/share/man/man1/tevasn\.1\.gz$'
expect tevasn '^\./usr/share/tevasn/mibs/SNMPv2-SMI$'
pydir=/usr/lib/python3/dist-packages/tevasn
ext_suffix=$(/usr/bin/python3 -c 'import sysconfig; print(sysconfig.get_config_var("EXT_SUFFIX"))')
for f in __init__\.py _catalog\.py _error\.py _types\.py _tevasn\.pyi py\.typed "_tevasn${ext_suffix//./\\.}"; do
  expect python3-tevasn "^\.$pydir/$f$"
done
expect python3-tevasn '^\./usr/share/doc/python3-tevasn/python\.md$'
for p in "${packages[@]}"; do
  deb="build/package/${p}_${version}_${arch}.deb"
  if [ "$p" = python3-tevasn ]; then
    ! listing "$deb" | grep -Ev "^\.($pydir/|/usr/share/doc/python3-tevasn/)" || fail "$p holds files outside $pydir and its doc folder"
    ! listing "$deb" | grep -E '\.pyc$|__pycache__' || fail "$p ships byte code"
  else
    ! listing "$deb" | grep -E '\.py[ic]?$|py\.typed$|/python3' || fail "$p holds Python files"
  fi
done

for deb in "${debs[@]}"; do
  echo "=== $deb"
  dpkg-deb --field "$deb" Package Version Section Depends
  dpkg-deb --ctrl-tarfile "$deb" | tar t | sed -n 's|^\./\(.\)|control: \1|p'
  listing "$deb" | sed -E '/\/html\//{/index\.html$/!d}'
done

echo "=== lintian"
lintian --no-cfg --fail-on error,warning --display-info "${debs[@]}" || fail "lintian"

echo "=== installed"
installed=()
cleanup() {
  [ "${#installed[@]}" -eq 0 ] || "${as_root[@]}" dpkg -P "${packages[@]}" >/dev/null 2>&1 || true
}
trap cleanup EXIT
"${as_root[@]}" dpkg -i "${debs[@]}"
installed=("${packages[@]}")
ldconfig -p | grep "libTevAsnTable\.so\.1 " >/dev/null || fail "ldconfig does not know libTevAsnTable.so.1"
[ "$(tevasn --version)" = "tevasn $version" ] || fail "tevasn --version: $(tevasn --version)"
tevasn encode .1.3.6.1.2.1.4.20.1.1 ipaddress=192.168.1.10 || fail "tevasn encode"
[ "$(man -w tevasn)" = /usr/share/man/man1/tevasn.1.gz ] || fail "man -w tevasn"
# The test module imports from five base modules: the installed ones serve.
tevasn tables --mib "$PWD/tests/mibs/TEV-TEST-MIB" | grep "^tevPeerTable	TEV-TEST-MIB	" >/dev/null ||
  fail "tevasn tables --mib with the installed base modules"
MANPAGER=cat MANWIDTH=80 man tevasn 2>/dev/null | grep '^NAME' >/dev/null || fail "man tevasn"
[ "$(pkg-config --modversion tevasntable)" = "$version" ] || fail "pkg-config --modversion"
for mode in cmake pkg-config; do
  cmake -DMODE=$mode -DSOURCE_DIR="$PWD/tests/install/consumer" \
    -DBINARY_DIR="$PWD/build/package/consumer-$mode" -DPREFIX=/usr -DLIBDIR="lib/$multiarch" \
    -DPKG_CONFIG="$(command -v pkg-config)" -DGENERATOR=Ninja -DCXX=g++ -DCONFIG=Release \
    -P tests/install/RunConsumer.cmake || fail "installed client ($mode)"
done
# From / so that no tevasn folder in the working directory stands in.
pyversion=$(cd / && /usr/bin/python3 -c 'import tevasn; print(tevasn.__version__)') || fail "import tevasn"
[ "$pyversion" = "$version" ] || fail "tevasn.__version__: $pyversion"
row=$(cd / && /usr/bin/python3 -c 'import tevasn
print(tevasn.Entry("1.3.6.1.2.1.4.20.1", "ipaddress").split("1.3.6.1.2.1.4.20.1.2.192.168.1.10"))') ||
  fail "tevasn decode"
[ "$row" = "(2, (IPv4Address('192.168.1.10'),))" ] || fail "tevasn decode: $row"
# The Python module loads a module with the installed base modules too.
test_mib="$PWD/tests/mibs/TEV-TEST-MIB"
layout=$(cd / && /usr/bin/python3 -c 'import sys, tevasn
print(tevasn.Mibs(modules=[sys.argv[1]]).find_table("tevPeerTable").layout)' "$test_mib") ||
  fail "tevasn.Mibs with the installed base modules"
[ "$layout" = "inetaddress gauge" ] || fail "tevasn.Mibs: tevPeerTable layout $layout"
[ -n "$(find "$pydir/__pycache__" -name '_error.*.pyc' 2>/dev/null)" ] ||
  fail "postinst did not byte-compile $pydir"

# dpkg -r, then dpkg -P, each after a fresh install: no file left, no state.
files=$(for deb in "${debs[@]}"; do listing "$deb"; done | sed 's/ -> .*//; s/^\.//')
for how in -r -P; do
  echo "=== dpkg $how"
  if [ "${#installed[@]}" -eq 0 ]; then
    "${as_root[@]}" dpkg -i "${debs[@]}" >/dev/null
  fi
  "${as_root[@]}" dpkg "$how" "${packages[@]}"
  installed=()
  for f in $files; do [ ! -e "$f" ] && [ ! -L "$f" ] || fail "$f left after dpkg $how"; done
  [ ! -e "$pydir" ] || fail "$pydir left after dpkg $how: $(find "$pydir" | head -5)"
  ! ldconfig -p | grep libTevAsn || fail "ldconfig still lists the libraries after dpkg $how"
  for p in "${packages[@]}"; do
    state=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [ -z "$state" ] || [ "$state" = not-installed ] || fail "$p is $state after dpkg $how"
  done
done

[ "$status" -eq 0 ] && echo "packages as expected: ${debs[*]}"
exit "$status"
