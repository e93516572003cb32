#!/usr/bin/env bash
# What a release ships, read back from the built files: the version block
# (product, file version, description) and the application manifest (common
# controls 6, asInvoker, DPI-unaware) of both programs, and the portable zip,
# named with the version, holding the run-time tree (vx230ctl.exe too) as
# one folder.
source "$(dirname "$0")/lib.sh"
e2e_begin release_files dist
version=$(sed -nE 's/^project\(ZUV_GMouse VERSION ([0-9.]+).*/\1/p' "$E2E_ROOT/CMakeLists.txt")
e2e_expect "the project has a version" test -n "$version"

# Prints "FileVersion=1.0.0.0" style lines and the fixed file version.
version_block() {
  wrestool -x --raw --type=16 "$1" 2>/dev/null | python3 -c '
import struct, sys
data = sys.stdin.buffer.read()
fixed = data.find(struct.pack("<I", 0xFEEF04BD))
if fixed >= 0:
    ms, ls = struct.unpack("<II", data[fixed + 8:fixed + 16])
    print(f"fixed={ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}")
# String entries: wLength, wValueLength, wType, key, padding, value.
def walk(pos, end):
    while pos + 6 <= end:
        length, value_length, kind = struct.unpack("<HHH", data[pos:pos + 6])
        if length == 0:
            break
        key_end = data.find(b"\0\0", pos + 6)
        while (key_end - pos) % 2:
            key_end = data.find(b"\0\0", key_end + 1)
        key = data[pos + 6:key_end].decode("utf-16-le")
        child = (key_end + 2 + 3) & ~3
        if kind == 1 and value_length and key not in ("VS_VERSION_INFO",):
            value = data[child:child + 2 * value_length].decode("utf-16-le").rstrip("\0")
            print(f"{key}={value}")
        elif key in ("StringFileInfo",) or len(key) == 8 and key.isalnum():
            walk(child, pos + length)
        elif key == "VS_VERSION_INFO":
            walk((child + value_length + 3) & ~3, pos + length)
        pos = (pos + length + 3) & ~3
walk(0, len(data))
'
}

for exe in "$E2E_WIN_BUILD/dist/$E2E_EXE" "$E2E_WIN_BUILD/dist-sim/$E2E_EXE"; do
  which=${exe#$E2E_ROOT/}
  block=$(version_block "$exe")
  e2e_expect_eq "$which: fixed file version" "fixed=$version.0" "$(grep '^fixed=' <<<"$block")"
  e2e_expect_eq "$which: FileVersion" "FileVersion=$version.0" "$(grep '^FileVersion=' <<<"$block")"
  e2e_expect_eq "$which: ProductVersion" "ProductVersion=$version" "$(grep '^ProductVersion=' <<<"$block")"
  e2e_expect_eq "$which: ProductName" "ProductName=VX230 Gaming Mouse Driver" "$(grep '^ProductName=' <<<"$block")"
  e2e_expect_eq "$which: FileDescription" "FileDescription=VX230 Gaming Mouse Driver" \
    "$(grep '^FileDescription=' <<<"$block")"
  e2e_expect_eq "$which: CompanyName" "CompanyName=the VX230 companion program authors" \
    "$(grep '^CompanyName=' <<<"$block")"
  e2e_expect_eq "$which: LegalCopyright, the licence's line" \
    "LegalCopyright=$(sed -n 's/^Copyright/Copyright/p' "$E2E_ROOT/LICENSE")" "$(grep '^LegalCopyright=' <<<"$block")"
  manifest=$(wrestool -x --raw --type=24 --name=1 "$exe" 2>/dev/null)
  e2e_expect "$which: manifest is well-formed XML" python3 -c 'import sys, xml.dom.minidom; xml.dom.minidom.parseString(sys.argv[1])' "$manifest"
  e2e_expect "$which: manifest asks for common controls 6" \
    grep -q 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' <<<"$manifest"
  e2e_expect "$which: manifest runs asInvoker" grep -q 'level="asInvoker"' <<<"$manifest"
  e2e_expect "$which: manifest declares the program DPI-unaware" grep -q '>unaware</dpiAwareness>' <<<"$manifest"
  e2e_expect "$which: manifest carries the version" grep -q "version=\"$version.0\"" <<<"$manifest"
done

release=$E2E_WIN_BUILD/release
zip=$release/ZUV_GMouse-$version-win64.zip
e2e_expect "the release zip is named with the version" test -f "$zip"
rm -rf "$E2E_DIR/unzipped" && mkdir -p "$E2E_DIR/unzipped"
python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' "$zip" "$E2E_DIR/unzipped"
e2e_expect_eq "the zip holds one folder named with the version" "ZUV_GMouse-$version" "$(ls "$E2E_DIR/unzipped")"
e2e_expect "the zip holds the production program" cmp -s "$E2E_DIR/unzipped/ZUV_GMouse-$version/$E2E_EXE" "$E2E_WIN_BUILD/dist/$E2E_EXE"
e2e_expect "the zip holds vx230ctl.exe" cmp -s "$E2E_DIR/unzipped/ZUV_GMouse-$version/vx230ctl.exe" \
  "$E2E_WIN_BUILD/dist/vx230ctl.exe"
e2e_expect "the zip holds the factory data, as shipped in data/" \
  diff -r -x "$E2E_EXE" -x vx230ctl.exe -x LICENSE.txt -x THIRD-PARTY-NOTICES.txt "$E2E_DIR/unzipped/ZUV_GMouse-$version" "$E2E_ROOT/data"
e2e_expect "the zip holds the licence" cmp -s "$E2E_DIR/unzipped/ZUV_GMouse-$version/LICENSE.txt" "$E2E_ROOT/LICENSE"
e2e_expect "the zip holds the notices of the linked-in runtime" \
  grep -q "winpthreads" "$E2E_DIR/unzipped/ZUV_GMouse-$version/THIRD-PARTY-NOTICES.txt"
e2e_expect "the installer is named with the version" test -f "$release/ZUV_GMouse-$version-setup.exe"
e2e_finish
