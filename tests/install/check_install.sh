#!/usr/bin/env bash
# Checks of the installed program, one step per call (see install_tests.cmake):
#   check_install.sh STEP BUILD_DIR SOURCE_DIR VERSION
# "stage" installs the build into a scratch root with prefix /usr, as the
# Debian package lays it out; "deb_build" makes the package itself. The other
# steps check what those two made. Exit code 77: a tool this step needs is not
# installed (scripts/setup.sh installs them all).
set -euo pipefail
step=$1 build=$(cd "$2" && pwd) src=$(cd "$3" && pwd) version=$4
work=$build/install-test
root=$work/root
deb_dir=$work/deb
id=org.tervala.Tervala

fail() { echo "FAIL: $*" >&2; exit 1; }
need() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "SKIPPED: '$tool' is not installed (scripts/setup.sh installs it)"; exit 77; }
  done
}
# Width and height of a PNG file, from its header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}'; }

# Runs `tervala-batch run` of $1 on a copy of the example $2 (from folder $3)
# in $runs/$4, and leaves the report and fit file in $runs/$4/out.
runs=$work/runs-$step
rm -rf "$runs"
run_example() {
  local batch=$1 example=$2 from=$3 place=$runs/$4
  rm -rf "$place" && mkdir -p "$place/out"
  cp "$from/$example.inp" "$place/"
  "$batch" run --threads 2 "$place/$example.inp" >/dev/null
  mv "$place/$example".out "$place/out/"
  [ ! -e "$place/$example.dat" ] || mv "$place/$example.dat" "$place/out/"
}

# The installed batch command ($1, examples in $2) writes, byte for byte, the
# report and fit file that the build folder's writes for the same input.
same_results_as_build() {
  local batch=$1 examples=$2 example
  for example in "${@:3}"; do
    # Reports name the input file's path: both runs use the same one.
    run_example "$build/tervala-batch" "$example" "$src/Data" "$example"
    mv "$runs/$example/out" "$runs/$example.build"
    run_example "$batch" "$example" "$examples" "$example"
    for f in "$runs/$example.build"/*; do
      cmp "$f" "$runs/$example/out/$(basename "$f")" ||
        fail "$example: installed program's $(basename "$f") differs from the build folder's"
    done
    echo "$example: the installed program wrote the build folder's bytes"
  done
}

case $step in
stage)
  need cmake
  rm -rf "$root" && mkdir -p "$root"
  DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
  echo "installed into $root"
  ;;

layout)
  usr=$root/usr
  for f in bin/tervala bin/tervala-batch; do
    [ -x "$usr/$f" ] || fail "$f is not installed as a program"
  done
  for f in share/applications/$id.desktop share/icons/hicolor/scalable/apps/$id.svg \
           share/metainfo/$id.metainfo.xml share/mime/packages/tervala.xml \
           share/man/man1/tervala.1.gz share/man/man1/tervala-batch.1.gz \
           share/doc/tervala/copyright share/doc/tervala/README.md; do
    [ -s "$usr/$f" ] || fail "$f is missing"
  done
  for size in 48 256; do
    icon=$usr/share/icons/hicolor/${size}x$size/apps/$id.png
    [ "$(png_size "$icon")" = "${size}x$size" ] || fail "$icon is not a $size pixel PNG"
  done
  grep -q '<svg' "$usr/share/icons/hicolor/scalable/apps/$id.svg" || fail "the scalable icon is no SVG"
  # Every example of the source tree, and nothing else, byte for byte.
  (cd "$src/Data" && ls *.inp *.par) > "$work/examples.want"
  (cd "$usr/share/tervala/Data" && ls) > "$work/examples.have"
  diff "$work/examples.want" "$work/examples.have" || fail "the installed examples differ from Data/"
  for f in $(cat "$work/examples.want"); do
    cmp "$src/Data/$f" "$usr/share/tervala/Data/$f" || fail "example $f differs"
  done
  # The programs find their files relative to their own folder.
  if grep -lF -e "$src" -e "$build" "$usr"/bin/*; then fail "a build or source path is compiled into the programs"; fi
  for program in tervala tervala-batch; do
    first=$("$usr/bin/$program" --version | head -n1)
    [ "$first" = "$program (Tervala) $version" ] || fail "$program --version says '$first'"
  done
  "$usr/bin/tervala" --help | grep -qF "$usr/share/tervala/Data" ||
    fail "tervala --help does not name the installed examples folder"
  echo "installed files in place; both programs report version $version"
  ;;

desktop_entry)
  need desktop-file-validate
  entry=$root/usr/share/applications/$id.desktop
  desktop-file-validate "$entry"
  exec_line=$(sed -n 's/^Exec=//p' "$entry")
  [ -x "$root/usr/bin/${exec_line%% *}" ] || fail "the entry starts '$exec_line', which is not installed"
  grep -qx "Icon=$id" "$entry" || fail "the entry names another icon"
  for type in application/x-tervala-input application/x-tervala-report; do
    grep -q "^MimeType=.*$type;" "$entry" || fail "the entry does not open $type"
    grep -q "type=\"$type\"" "$root/usr/share/mime/packages/tervala.xml" || fail "$type is not defined"
  done
  # The window program starts with a file, as the entry starts it (offscreen;
  # it runs until stopped, so the time-out's 124 means it is up).
  cp "$root/usr/share/tervala/Data/Vidora.inp" "$work/"
  status=0
  QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/tervala" "$work/Vidora.inp" || status=$?
  [ "$status" = 124 ] || fail "the installed window program ended with code $status"
  echo "desktop entry valid; the window program starts with a file"
  ;;

appstream)
  need appstreamcli
  info=$root/usr/share/metainfo/$id.metainfo.xml
  appstreamcli validate --no-net "$info"
  grep -q "<release version=\"$version\"" "$info" || fail "no release notes for version $version"
  grep -q '<project_license>GPL-3.0-or-later</project_license>' "$info" || fail "licence missing"
  grep -q '<caption>.\+</caption>' "$info" || fail "the screenshot has no caption"
  ;;

manual_page)
  need man
  page=$root/usr/share/man/man1/tervala-batch.1.gz
  for p in "$page" "$root/usr/share/man/man1/tervala.1.gz"; do
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$p" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$(basename "$p") renders with warnings: $warnings"
  done
  text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2>/dev/null | col -b)
  batch=$root/usr/bin/tervala-batch
  # Every subcommand the command offers, and every option of it and of them.
  subcommands=$("$batch" --help | sed -n '/^Subcommands:/,$p' | awk 'NR>1 && NF {print $1}')
  [ -n "$subcommands" ] || fail "no subcommands found in tervala-batch --help"
  options=$( { "$batch" --help; for s in $subcommands; do "$batch" "$s" --help; done; } |
             grep -oE '(^|[ ,])--?[a-z][a-z0-9-]*' | sed 's/^[ ,]//' | sort -u)
  for word in $subcommands $options; do
    grep -qE -- "(^|[^a-z-])$word([^a-z-]|\$)" <<<"$text" || fail "the manual page does not describe $word"
  done
  for section in "EXIT STATUS" EXAMPLES; do
    grep -q "^$section" <<<"$text" || fail "the manual page has no $section"
  done
  for code in 0 1 2; do
    sed -n '/^EXIT STATUS/,/^[A-Z]/p' <<<"$text" | grep -qE "^ +$code\b" || fail "exit code $code undescribed"
  done
  grep -qF "$root/usr/share/tervala/Data" <<<"$text" && fail "the page names the scratch root"
  grep -qF "/usr/share/tervala/Data" <<<"$text" || fail "the page does not name the examples folder"
  echo "manual page describes:" $subcommands $options
  ;;

file_types)
  need update-mime-database gio
  mime=$work/mime
  rm -rf "$mime" && mkdir -p "$mime/mime/packages"
  cp "$root/usr/share/mime/packages/tervala.xml" "$mime/mime/packages/"
  update-mime-database "$mime/mime"
  run_example "$root/usr/bin/tervala-batch" VidoraPrediction "$root/usr/share/tervala/Data" types
  run_example "$root/usr/bin/tervala-batch" Vidora "$root/usr/share/tervala/Data" types2
  printf '[TITLE]\r\nNetwork of another program\r\n' > "$mime/network.inp"
  printf 'Simulation finished\n' > "$mime/solver.out"
  check_type() {
    have=$(XDG_DATA_DIRS=$mime:/usr/share gio info -a standard::content-type "$1" 2>/dev/null |
           sed -n 's/.*standard::content-type: //p')
    [ "$have" = "$2" ] || fail "$1 is taken for '$have', not $2"
  }
  check_type "$root/usr/share/tervala/Data/Vidora.inp" application/x-tervala-input
  check_type "$runs/types/out/VidoraPrediction.out" application/x-tervala-report
  check_type "$runs/types2/out/Vidora.out" application/x-tervala-report
  # Other programs' .inp and .out files stay theirs.
  check_type "$mime/network.inp" text/plain
  check_type "$mime/solver.out" text/plain
  echo "Tervala's input files and reports are recognised by content"
  ;;

installed_runs)
  examples=$root/usr/share/tervala/Data
  same_results_as_build "$root/usr/bin/tervala-batch" "$examples" VidoraPrediction Vidora
  # The examples stay as installed: running one in place is refused.
  status=0
  "$root/usr/bin/tervala-batch" run "$examples/VidoraPrediction.inp" 2>/dev/null || status=$?
  [ "$status" = 2 ] || fail "a run in the examples folder ended with $status, not 2"
  [ ! -e "$examples/VidoraPrediction.out" ] || fail "a report was written among the examples"
  ;;

deb_build)
  need cpack dpkg-deb dpkg-shlibdeps
  rm -rf "$deb_dir" && mkdir -p "$deb_dir"
  (cd "$build" && cpack --config CPackConfig.cmake -B "$deb_dir" >/dev/null)
  ls "$deb_dir"/tervala_"$version"-1_*.deb
  ;;

deb_lintian)
  need lintian
  deb=$(ls "$deb_dir"/tervala_*.deb)
  # Built by the project, not uploaded to Debian: no ITP bug to close.
  status=0
  report=$(lintian --fail-on error,warning --suppress-tags initial-upload-closes-no-bugs "$deb" 2>&1) ||
    status=$?
  grep -v 'running with root privileges' <<<"$report" || true
  [ "$status" = 0 ] || fail "lintian found errors or warnings"
  echo "lintian: no errors, no warnings"
  ;;

deb_contents)
  need dpkg-deb
  deb=$(ls "$deb_dir"/tervala_*.deb)
  [ "$(dpkg-deb -f "$deb" Version)" = "$version-1" ] || fail "package version is not $version-1"
  # Library dependencies come from dpkg-shlibdeps, with version bounds.
  dpkg-deb -f "$deb" Depends | grep -qE 'libqt6widgets6 \(>= [0-9.]+\)' || fail "dependencies not derived"
  # Nothing runs at install or removal, so removing leaves nothing behind; the
  # desktop's caches are refreshed by the triggers of their own packages.
  control=$work/control && rm -rf "$control" && dpkg-deb -e "$deb" "$control"
  for script in preinst postinst prerm postrm config; do
    [ ! -e "$control/$script" ] || fail "the package has a maintainer script $script"
  done
  grep -q '^License: GPL-3.0-or-later' <(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/tervala/copyright) ||
    fail "the copyright file names no GPL-3.0-or-later"
  unpacked=$work/unpacked && rm -rf "$unpacked" && dpkg-deb -x "$deb" "$unpacked"
  # The packaged (stripped) program, run where it was unpacked, with the
  # library path as it is.
  same_results_as_build "$unpacked/usr/bin/tervala-batch" "$unpacked/usr/share/tervala/Data" Vidora
  ;;

*)
  fail "unknown step $step"
  ;;
esac
