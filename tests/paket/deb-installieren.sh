#!/usr/bin/env bash
# Builds the Debian package from the existing build directory (cpack, no new build), unpacks
# it into a scratch root and uses the installed copy as a user would: orvan-cli --version and
# a conversion (graph, then export) with the shipped files read-only and the configuration in
# a temporary XDG home. The desktop entry and the AppStream file must validate.
#
# Usage: deb-installieren.sh BUILD_DIR SOURCE_DIR. Exit 77 (skipped) without dpkg-deb.
set -euo pipefail
build=$1
quelle=$2

for werkzeug in dpkg-deb cpack desktop-file-validate appstreamcli python3; do
  if ! command -v "$werkzeug" >/dev/null; then
    echo "SKIP: $werkzeug missing (scripts/setup-deps installs it)"
    exit 77
  fi
done

kratz=$(mktemp -d)
trap 'chmod -R u+w "$kratz" 2>/dev/null; rm -rf "$kratz"' EXIT
fehler() { echo "FAIL: $*" >&2; exit 1; }

# The package, from the binaries already built.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$kratz/paket" >"$kratz/cpack.log" 2>&1 ||
  { cat "$kratz/cpack.log"; fehler "cpack -G DEB failed"; }
deb=$(ls "$kratz"/paket/orvan_*.deb)
echo "package: $(basename "$deb")"

# Its dependencies are Debian packages found by shlibdeps: the Qt and QCustomPlot libraries.
abhaengig=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $abhaengig"
for paket in libqt6widgets6 libqt6serialport6 libqcustomplot2.1-qt6 libqt6svg6 libc6; do
  [[ "$abhaengig" == *"$paket"* ]] || fehler "Depends lacks $paket"
done

wurzel=$kratz/wurzel
dpkg-deb -x "$deb" "$wurzel"
for datei in usr/bin/orvan usr/bin/orvan-cli usr/bin/orvan-sim \
  usr/share/orvan/Config/Sprache.cfg usr/share/orvan/Config/Geraete.cfg \
  usr/share/orvan/Hilfe/Orvan.html usr/share/orvan/Hilfe/Orvan_English.html \
  usr/share/applications/org.orvan.Orvan.desktop usr/share/metainfo/org.orvan.Orvan.metainfo.xml \
  usr/share/mime/packages/org.orvan.Orvan.xml usr/share/icons/hicolor/48x48/apps/org.orvan.Orvan.png \
  usr/share/icons/hicolor/scalable/apps/org.orvan.Orvan.svg \
  usr/share/man/man1/orvan.1 usr/share/man/man1/orvan-cli.1 usr/share/man/man1/orvan-sim.1; do
  [[ -s "$wurzel/$datei" ]] || fehler "$datei missing from the package"
done
grep -q '\\-\\-version' "$wurzel/usr/share/man/man1/orvan-cli.1" || fehler "manual page without options"

desktop-file-validate "$wurzel/usr/share/applications/org.orvan.Orvan.desktop" ||
  fehler "desktop-file-validate"
appstreamcli validate --no-net "$wurzel/usr/share/metainfo/org.orvan.Orvan.metainfo.xml" ||
  fehler "appstreamcli validate"

# The shipped files are read-only; note what they are to see that nothing was written there.
chmod -R a-w "$wurzel/usr"
vorher=$(cd "$wurzel" && find usr -exec stat -c '%n %s %Y' {} + | sort)

export HOME=$kratz/home XDG_CONFIG_HOME=$kratz/home/config XDG_DATA_HOME=$kratz/home/data
unset ORVAN_HOME
mkdir -p "$HOME"

version=$("$wurzel/usr/bin/orvan-cli" --version)
echo "$version"
[[ "$version" == "orvan-cli 0.3.1.29"* ]] || fehler "orvan-cli --version: $version"
version=$("$wurzel/usr/bin/orvan" --version)
[[ "$version" == "orvan 0.3.1.29"* ]] || fehler "orvan --version: $version"

python3 "$quelle/scripts/beispieldaten-erzeugen" "$kratz/daten" --gross 1000 >/dev/null
"$wurzel/usr/bin/orvan-cli" graph "$kratz/daten/Spannungsprobe.ome" --out "$kratz/probe.ogr" ||
  fehler "orvan-cli graph"
"$wurzel/usr/bin/orvan-cli" export "$kratz/probe.ogr" "$kratz/probe.csv" || fehler "orvan-cli export"
zeilen=$(wc -l <"$kratz/probe.csv")
kopf=$(head -1 "$kratz/probe.csv")
echo "export: $zeilen lines, header $kopf"
[[ "$kopf" == SpannungX,SpannungY* ]] || fehler "unexpected CSV header: $kopf"
((zeilen >= 2001)) || fehler "expected a header and 2000 values, got $zeilen lines"
[[ "$(sed -n 2p "$kratz/probe.csv" | tr -d '\r')" =~ ^[0-9.]+,-?[0-9.]+,[0-9.]+,-?[0-9.]+$ ]] || fehler "first row is not four numbers"

# The configuration landed in the temporary XDG home, copied from the shipped one ...
for datei in ORVANPrg.cfg ORVANUser.cfg Sprache.cfg Geraete.cfg; do
  [[ -f "$XDG_CONFIG_HOME/orvan/$datei" ]] || fehler "$datei not in \$XDG_CONFIG_HOME/orvan"
done
grep -q "Daten-Pfad=$XDG_DATA_HOME/orvan/Daten/" "$XDG_CONFIG_HOME/orvan/ORVANUser.cfg" ||
  fehler "data directory is not the XDG one"
[[ -d "$XDG_DATA_HOME/orvan/Daten" ]] || fehler "data directory not created"
# ... and the installed files are as they were.
nachher=$(cd "$wurzel" && find usr -exec stat -c '%n %s %Y' {} + | sort)
[[ "$vorher" == "$nachher" ]] || fehler "the installed files changed: $(diff <(echo "$vorher") <(echo "$nachher"))"
echo "OK"
