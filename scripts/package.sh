#!/usr/bin/env bash
# Builds Gridora's Debian package and checks it:
#   - a Release build in build-pkg/ (the "package" preset) with Debian's hardening flags (no tests,
#     no benchmarks), then cpack -G DEB: build-pkg/gridora_<version>_<arch>.deb
#   - desktop-file-validate, appstreamcli validate --no-net and lintian on what
#     the package holds (lintian's errors fail, its warnings are shown)
#   - the package's file list, owners and modes, and its control data: name,
#     version, architecture, and Depends exactly as dpkg-shlibdeps computes it
#     for the shipped programs
#   - the package unpacked into a scratch root: the programs find all their
#     libraries, gridora-sheet reports its version and draws sheets, the manual
#     pages format cleanly and cover every option --help lists, and the user
#     guide's pictures are where it looks
# Exits non-zero on the first failure. Needs the packages scripts/install-deps.sh
# installs; runs as root or not, with or without a terminal.
#
# Environment: PKG_BUILD_DIR (default build-pkg).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${PKG_BUILD_DIR:-build-pkg}

fail() {
  echo "package.sh: FAIL: $*" >&2
  exit 1
}
step() { echo "== $*"; }

for tool in cmake cpack dpkg-deb dpkg-shlibdeps dpkg-architecture lintian desktop-file-validate appstreamcli man file; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh installs it)"
done

# --- Build -----------------------------------------------------------------------
# Debian's hardening flags, without its -g and -O2: Release sets the
# optimisation and the package ships stripped programs.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags=" $(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS) "
cxxflags=$(echo "$cxxflags" | sed -e 's/ -g / /g' -e 's/ -O2 / /g' -e 's/^ *//' -e 's/ *$//')
ldflags=$(dpkg-buildflags --get LDFLAGS)

step "Building a Release tree in $build"
cmake --preset package -B "$build" -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build "$build" -j2

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
[ -n "$version" ] || fail "no project version in $build/CMakeCache.txt"
deb="$root/$build/gridora_${version}_${arch}.deb"

step "Packing $(basename "$deb")"
rm -f "$deb"
(cd "$build" && cpack -G DEB) >"$build/cpack.log" 2>&1 || { cat "$build/cpack.log" >&2; fail "cpack"; }
[ -f "$deb" ] || { cat "$build/cpack.log" >&2; fail "cpack did not write $deb"; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
unpacked="$scratch/root"
dpkg-deb -x "$deb" "$unpacked"

# --- Validators --------------------------------------------------------------------
app_id=org.gridora.gridora
step "desktop-file-validate"
desktop-file-validate "$unpacked/usr/share/applications/$app_id.desktop" || fail "desktop-file-validate"
step "appstreamcli validate --no-net"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/$app_id.metainfo.xml" || fail "appstreamcli validate"
step "lintian"
# Lintian warns when run as root; that is not about the package.
lintian_out=$(lintian --fail-on error --pedantic "$deb" 2> >(grep -v 'running with root privileges' >&2)) ||
  { echo "$lintian_out"; fail "lintian reports errors"; }
if [ -n "$lintian_out" ]; then echo "$lintian_out"; else echo "lintian: no tags"; fi
if echo "$lintian_out" | grep -q '^E:'; then fail "lintian reports errors"; fi

# --- Contents ----------------------------------------------------------------------
step "Contents"
listing=$(dpkg-deb -c "$deb")
expected=(
  usr/bin/gridora
  usr/bin/gridora-sheet
  "usr/share/applications/$app_id.desktop"
  "usr/share/metainfo/$app_id.metainfo.xml"
  "usr/share/icons/hicolor/scalable/apps/$app_id.svg"
  "usr/share/icons/hicolor/48x48/apps/$app_id.png"
  "usr/share/icons/hicolor/128x128/apps/$app_id.png"
  "usr/share/icons/hicolor/256x256/apps/$app_id.png"
  usr/share/man/man1/gridora.1.gz
  usr/share/man/man1/gridora-sheet.1.gz
  usr/share/doc/gridora/user-guide.html
  usr/share/doc/gridora/copyright
  usr/share/doc/gridora/changelog.gz
)
for path in "${expected[@]}"; do
  echo "$listing" | awk '{print $6}' | grep -qx "\./$path" || fail "the package lacks /$path"
done
# Everything belongs to root; programs and directories are 755, the rest 644.
while read -r mode owner _ _ _ path _; do
  [ "$owner" = root/root ] || fail "$path belongs to $owner"
  case "$mode:$path" in
    d*) want=drwxr-xr-x ;;
    *:./usr/bin/*) want=-rwxr-xr-x ;;
    *) want=-rw-r--r-- ;;
  esac
  [ "$mode" = "$want" ] || fail "$path has mode $mode, not $want"
done <<<"$listing"
for program in gridora gridora-sheet; do
  file -b "$unpacked/usr/bin/$program" | grep -q ', stripped' || fail "/usr/bin/$program is not stripped"
done
echo "$(echo "$listing" | grep -vc '^d') files, owners and modes as expected"

step "Control data"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = gridora ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)', not $arch"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
depends=$(field Depends)
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libc6; do
  echo "$depends" | grep -Eq "(^|, )$lib( |,|$)" || fail "Depends does not name $lib: $depends"
done
# The dependencies must be exactly what dpkg-shlibdeps computes for the
# programs the package ships, not a list kept by hand.
mkdir -p "$scratch/shlibdeps/debian"
printf 'Source: gridora\n\nPackage: gridora\nArchitecture: any\n' >"$scratch/shlibdeps/debian/control"
computed=$(cd "$scratch/shlibdeps" && dpkg-shlibdeps -O "$unpacked/usr/bin/gridora" "$unpacked/usr/bin/gridora-sheet" 2>/dev/null |
  sed -n 's/^shlibs:Depends=//p')
normalise() { tr ',' '\n' | sed -e 's/^ *//' -e 's/ *$//' | sort; }
[ "$(echo "$depends" | normalise)" = "$(echo "$computed" | normalise)" ] ||
  fail "Depends differs from dpkg-shlibdeps: package '$depends', computed '$computed'"
echo "Package: $(field Package) $(field Version) $(field Architecture)"
echo "Depends: $depends"

# --- The unpacked programs -------------------------------------------------------------
step "Running the unpacked programs"
for program in gridora gridora-sheet; do
  missing=$(ldd "$unpacked/usr/bin/$program" | grep 'not found' || true)
  [ -z "$missing" ] || fail "/usr/bin/$program cannot find: $missing"
done
sheet="$unpacked/usr/bin/gridora-sheet"
reported=$("$sheet" --version)
[ "$reported" = "gridora-sheet $version" ] || fail "gridora-sheet --version says '$reported'"
"$sheet" --kind log --decades 2 --sample -o "$scratch/log.png"
file -b "$scratch/log.png" | grep -q '^PNG image data, 357 x 397' || fail "the sample is not a 357 x 397 PNG: $(file -b "$scratch/log.png")"
"$sheet" --kind spacetime --velocity 0.80 --name "Class 7B" --paper a4 --dpi 300 -o "$scratch/spacetime.pdf"
file -b "$scratch/spacetime.pdf" | grep -q '^PDF document' || fail "the page is not a PDF: $(file -b "$scratch/spacetime.pdf")"
set +e
"$sheet" --kind log --decades 4 -o "$scratch/bad.pdf" 2>"$scratch/bad.err"
status=$?
set -e
[ "$status" = 2 ] && [ "$(wc -l <"$scratch/bad.err")" = 1 ] && [ ! -e "$scratch/bad.pdf" ] ||
  fail "a bad option gave status $status and '$(cat "$scratch/bad.err")'"
echo "$reported; drew a PNG sample and a PDF page; a bad option exits 2 with one line"

step "Manual pages and the user guide"
for page in gridora gridora-sheet; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 "$unpacked/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man $page: $warnings"
done
# Every option gridora-sheet --help lists is explained in its manual page.
manual=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -E UTF-8 -l -Tutf8 "$unpacked/usr/share/man/man1/gridora-sheet.1.gz" 2>/dev/null | sed 's/\x1b\[[0-9;]*m//g; s/.\x08//g')
for option in $("$sheet" --help | grep -oE '(^|[ ,])--?[a-z][a-z-]*' | tr -d ' ,' | sort -u); do
  echo "$manual" | grep -qwF -e "$option" || fail "gridora-sheet --help lists $option, its manual page does not"
done
guide_dir="$unpacked/usr/share/doc/gridora"
pictures=$(grep -o '<img src="[^"]*"' "$guide_dir/user-guide.html" | sed 's/<img src="//; s/"$//')
[ -n "$pictures" ] || fail "the user guide has no pictures"
for picture in $pictures; do
  file -b "$guide_dir/$picture" | grep -q '^PNG image data' || fail "the user guide's picture $picture is not installed beside it"
done
echo "both manual pages format without warnings; the guide's $(echo "$pictures" | wc -l) pictures are installed beside it"

echo "package.sh: $deb is good"
