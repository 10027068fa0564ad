#!/usr/bin/env bash
# Builds the Debian package with the "package" preset and checks that it holds
# the library and its companion TevAsnTable with their soname links, the
# headers, the CMake package, the pkg-config files and the usage guide.
# Prints the package's file list.
set -euo pipefail
cd "$(dirname "$0")/.."

rm -f build/package/*.deb
cmake --workflow --preset package
deb=$(ls build/package/tevasnvalue_*.deb)
listing=$(dpkg-deb -c "$deb")
echo "$listing"

status=0
for entry in \
    '\./usr/include/TevAsnValue/TevAsnValue\.h$' \
    '\./usr/include/TevAsnValue/TevAsnValuePtr\.h$' \
    '\./usr/include/TevAsnValue/TevAsnHelpers\.h$' \
    '\./usr/include/TevAsnValue/TevAsnTable\.h$' \
    '\./usr/include/TevAsnValue/TevAsnDisplay\.h$' \
    '\./usr/include/TevAsnValue/TevAsnTableExport\.h$' \
    '\./usr/include/TevAsnValue/TevAsnTablePtr\.h$' \
    '\./usr/lib/[^ ]*libTevAsnTable\.so\.1\.0\.0$' \
    '\./usr/lib/[^ ]*libTevAsnTable\.so\.1 -> libTevAsnTable\.so\.1\.0\.0$' \
    '\./usr/lib/[^ ]*libTevAsnTable\.so -> libTevAsnTable\.so\.1$' \
    '\./usr/lib/[^ ]*pkgconfig/tevasntable\.pc$' \
    '\./usr/lib/[^ ]*libTevAsnValue\.so\.1\.0\.0$' \
    '\./usr/lib/[^ ]*libTevAsnValue\.so\.1 -> libTevAsnValue\.so\.1\.0\.0$' \
    '\./usr/lib/[^ ]*libTevAsnValue\.so -> libTevAsnValue\.so\.1$' \
    '\./usr/lib/[^ ]*cmake/TevAsnValue/TevAsnValueConfig\.cmake$' \
    '\./usr/lib/[^ ]*cmake/TevAsnValue/TevAsnValueConfigVersion\.cmake$' \
    '\./usr/lib/[^ ]*cmake/TevAsnValue/TevAsnValueTargets\.cmake$' \
    '\./usr/lib/[^ ]*pkgconfig/tevasnvalue\.pc$' \
    '\./usr/share/doc/TevAsnValue/usage\.md$' \
    '\./usr/share/doc/TevAsnValue/LICENSE$'; do
  if ! grep -Eq "$entry" <<<"$listing"; then
    echo "missing from $deb: $entry" >&2
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "package contents as expected: $deb"
exit "$status"
