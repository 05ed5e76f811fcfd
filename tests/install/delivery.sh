#!/usr/bin/env bash
# Checks what a school installs: the version table in each executable, the installed files and
# icons, the desktop entries and metainfo against their validators, and that the installed
# program starts. Exits 77 (reported as skipped) when a tool that a check needs is missing.
set -euo pipefail

need() {
  command -v "$1" >/dev/null || { echo "SKIPPED: $1 is not installed"; exit 77; }
}

desktop_id() { echo "org.varnel.$1"; }

# The version table of each program, value for value.
expected_version() {
  printf '%s\n' FILEVERSION=1.2.0.0 PRODUCTVERSION=1.2.0.0 Language=en-US \
    "CompanyName=The Varnel maintainers" FileDescription=1.9MB FileVersion=1.02
  case "$1" in
    Varnel) printf '%s\n' InternalName=Varnel OriginalFilename=Varnel ;;
    Zorvane) printf '%s\n' InternalName=Zorvane OriginalFilename=Zorvane.exe ;;
  esac
  printf '%s\n' ProductName=Ombrelin ProductVersion=1.02
}

# Every file one program installs, relative to the prefix.
expected_files() {
  local id package
  id=$(desktop_id "$1")
  package=${1,,}
  printf '%s\n' "bin/$1" "share/applications/$id.desktop" "share/doc/$package/changelog.gz" \
    "share/doc/$package/copyright" "share/icons/hicolor/16x16/apps/$id.png" \
    "share/icons/hicolor/32x32/apps/$id.png" "share/icons/hicolor/48x48/apps/$id.png" \
    "share/man/man1/$1.1.gz" "share/metainfo/$id.metainfo.xml"
}

maintainer="The Varnel maintainers <maintainers@varnel.org>"

# The value of KEY in a desktop entry.
entry() { sed -n "s/^$2=//p" "$1"; }

# version PREFIX PROGRAM: the installed executable's .version section holds its table.
check_version() {
  need readelf
  diff -u <(expected_version "$2") \
          <(readelf -p .version "$1/bin/$2" | sed -n 's/^ *\[ *[0-9a-f]*\]  //p')
}

# install CMAKE BUILD_DIR PROGRAM PREFIX: installs one program's component into an empty prefix.
check_install() {
  rm -rf "$4"
  "$1" --install "$2" --prefix "$4" --component "${3,,}"
}

# files PREFIX PROGRAM: the prefix holds the program's files and nothing else.
check_files() {
  diff -u <(expected_files "$2" | LC_ALL=C sort) \
          <(cd "$1" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
}

# icons PREFIX PROGRAM PICTURES: the entry's icon is the program's icon as drawn in PICTURES:
# the plain window for Varnel, the butterfly for Zorvane.
check_icons() {
  local icon drawn size file width height
  icon=$(entry "$1/share/applications/$(desktop_id "$2").desktop" Icon)
  case "$2" in
    Varnel) drawn=window-icon ;;
    Zorvane) drawn=butterfly ;;
  esac
  for size in 16 32 48; do
    file="$1/share/icons/hicolor/${size}x${size}/apps/$icon.png"
    cmp "$3/$drawn-$size.png" "$file"
    # A PNG's width and height are the big-endian words at bytes 16 and 20.
    read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$file")
    [[ "$width $height" == "$size $size" ]] || { echo "$file is ${width}x$height"; exit 1; }
  done
}

# desktop PREFIX PROGRAM: the desktop entry passes desktop-file-validate and names the program.
check_desktop() {
  need desktop-file-validate
  local file
  file="$1/share/applications/$(desktop_id "$2").desktop"
  desktop-file-validate "$file"
  # On X11 the desktop matches the windows to the entry by their class, the program's name.
  diff -u <(printf '%s\n' "Name=$2" "Exec=$2" "StartupWMClass=$2" "Categories=Education;Math;Qt;") \
          <(grep -E '^(Name|Exec|StartupWMClass|Categories)=' "$file")
}

# metainfo PREFIX PROGRAM: the metainfo passes appstreamcli validate and names release and licence.
check_metainfo() {
  need appstreamcli
  local file
  file="$1/share/metainfo/$(desktop_id "$2").metainfo.xml"
  appstreamcli validate --no-net "$file"
  grep -q '<release version="1.02"' "$file"
  grep -q '<project_license>GPL-3.0-or-later</project_license>' "$file"
  grep -Fzq '<developer id="org.varnel">
    <name>The Varnel maintainers</name>' "$file"
}

# A gzip file's header names no file and no time (flags and time are bytes 3 to 7).
check_gzip_header() {
  [[ "$(od -An -tx1 -j3 -N5 "$1" | tr -d ' ')" == 0000000000 ]] || {
    echo "$1 has a name or time in its gzip header"; exit 1; }
}

# documents PREFIX PROGRAM: the manual page renders without a warning and names the program,
# and the Debian changelog's entry is the package's version by its maintainer.
check_documents() {
  need man
  local page changelog warnings
  page="$1/share/man/man1/$2.1.gz"
  changelog="$1/share/doc/${2,,}/changelog.gz"
  check_gzip_header "$page"
  check_gzip_header "$changelog"
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [[ -z "$warnings" ]] || { echo "$warnings"; exit 1; }
  diff -u <(printf '%s\n' "NAME" "       $2 - practise long division with a remainder, digit by digit") \
          <(MANWIDTH=80 man -l "$page" 2>/dev/null | col -b | sed -n '/^NAME/,+1p')
  diff -u <(printf '%s\n' "${2,,} (1.02) stable; urgency=medium" \
              " -- $maintainer  Thu, 10 Dec 2026 00:00:00 +0000") \
          <(zcat "$changelog" | sed -n '1p;$p')
}

# elf PREFIX PROGRAM: the installed executable looks for no library beside itself and carries
# no toolchain notes.
check_elf() {
  need readelf
  local file="$1/bin/$2"
  ! readelf -d "$file" | grep -E 'RPATH|RUNPATH' || { echo "$file has a library path"; exit 1; }
  ! readelf -S "$file" | grep -F .comment || { echo "$file has a .comment section"; exit 1; }
}

# A display number at which no X server listens: no socket, no lock, no abstract socket.
free_display() {
  local n
  for n in $(seq 90 999); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
    grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix 2>/dev/null && continue
    echo ":$n"
    return
  done
  echo "SKIPPED: every display number from 90 to 999 is taken"; exit 77
}

# nodisplay PREFIX PROGRAM: without a display to open, with neither DISPLAY nor WAYLAND_DISPLAY
# set and with a DISPLAY where no server answers, the program says in one line on standard
# error that it needs a desktop session and exits with status 1.
check_nodisplay() {
  local display setting status out err
  display=$(free_display)
  out=$(mktemp) err=$(mktemp)
  trap "rm -f '$out' '$err'" EXIT
  for setting in "" "DISPLAY=$display"; do
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ${setting:+"$setting"} \
      timeout 30 "$1/bin/$2" >"$out" 2>"$err" || status=$?
    [[ $status -eq 1 && ! -s "$out" ]] &&
      diff -u <(echo "$2 needs a desktop session to show its windows, and no display could be opened.") \
              "$err" || {
      echo "with ${setting:-no display set}: status $status, output:"; cat "$out" "$err"; exit 1; }
  done
}

# package CPACK BUILD_DIR FOLDER: makes the build's packages in FOLDER and unpacks each into
# FOLDER/<package>.
check_package() {
  need_packaging
  rm -rf "$3"
  "$1" -G DEB --config "$2/CPackConfig.cmake" -B "$3"
  local deb
  for deb in "$3"/*.deb; do
    dpkg-deb -x "$deb" "$3/$(dpkg-deb -f "$deb" Package)"
  done
}

need_packaging() { need dpkg-deb; need dpkg-shlibdeps; need file; }

# packaged FOLDER PROGRAM: the program's package lists its files and names its version,
# maintainer, licence and what it needs.
check_packaged() {
  need_packaging
  local deb depends
  deb=$(echo "$1/${2,,}_"*.deb)
  diff -u <(expected_files "$2" | sed 's|^|usr/|' | LC_ALL=C sort) \
          <(dpkg-deb -c "$deb" | grep -v '^d' | sed 's|.* \./||' | LC_ALL=C sort)
  diff -u <(printf '%s\n' "Package: ${2,,}" "Version: 1.02" "Maintainer: $maintainer" \
              "Section: education") \
          <(dpkg-deb -f "$deb" Package Version Maintainer Section)
  [[ -n "$(dpkg-deb -f "$deb" Description)" ]]
  depends=$(dpkg-deb -f "$deb" Depends)
  # The fonts the designs' substitutes come from, the print service's library, and Qt.
  for package in fonts-comic-neue fonts-liberation2 libcups2 libqt6widgets6; do
    [[ ", $depends," == *", $package"[\ ,]* ]] || { echo "Depends lacks $package: $depends"; exit 1; }
  done
  grep -q '^License: GPL-3+' "$1/${2,,}/usr/share/doc/${2,,}/copyright"
}

# starts PREFIX PROGRAM PROBE: the desktop entry's command, found on the PATH, starts offscreen
# with the set-up window.
check_starts() {
  local command
  command=$(entry "$1/share/applications/$(desktop_id "$2").desktop" Exec)
  # The sanitizers want their runtime first; the probe is preloaded ahead of it.
  diff -u <(printf '%s\n' "window: Varnel Set Up" "name: $2" "version: 1.02" \
              "organisation: The Varnel maintainers" "desktop entry: $(desktop_id "$2")") \
          <(PATH="$1/bin:$PATH" QT_QPA_PLATFORM=offscreen LD_PRELOAD="$3" \
              ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" \
              timeout 60 $command)
}

# headless RUN_SCRIPT: without a desktop session the run script says so at once and fails.
check_headless() {
  local output status=0
  output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$1" 2>&1) || status=$?
  [[ $status -eq 1 && "$output" == "Varnel needs a desktop session"* ]] || {
    echo "status $status: $output"; exit 1; }
}

# unpacked CHECK TREE PROGRAM ...: one of the checks above on an unpacked package, which
# is not there when the packaging tools are missing.
check_unpacked() {
  need_packaging
  "check_$1" "${@:2}"
}

"check_$1" "${@:2}"
