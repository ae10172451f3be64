#!/usr/bin/env bash
# Checks the manifest Windows reads from the built program, as the resource compiler decompiles
# it:
#
#   check-manifest.sh WINDRES PROGRAM
#
# Manifest 1 must be well-formed XML (Windows refuses to start a program whose manifest is not),
# ask for the asInvoker level without UI access, declare per-monitor DPI awareness (PerMonitorV2,
# falling back to PerMonitor, and true/pm for Windows versions before the 2016 settings), and
# depend on Common Controls 6, which gives the dialogs and message boxes the system's visual
# style.
set -euo pipefail

windres=$1
program=$2

# windres prints the manifest as one quoted C string a line, quotes doubled.
manifest=$("$windres" -i "$program" -O rc | sed -n '/^1 24 /,/^END/p' |
  sed -n 's/^ *"\(.*\)"$/\1/p' | sed 's/""/"/g; s/\\n$//')
[ -n "$manifest" ] || {
  echo "the program holds no manifest 1" >&2
  exit 1
}
xmllint --noout - <<<"$manifest" || {
  echo "manifest 1 is not well-formed XML" >&2
  exit 1
}

failures=0
# expect WHAT XPATH VALUE: the XPath's string value in the manifest is VALUE.
expect() {
  local found
  found=$(xmllint --xpath "string($2)" - <<<"$manifest")
  if [ "$found" != "$3" ]; then
    echo "manifest 1: $1 is '$found', not '$3'" >&2
    failures=$((failures + 1))
  fi
}
# An element by its name and namespace, as one step of an XPath.
element() {
  echo "*[local-name()='$1' and namespace-uri()='$2']"
}
asm_v1=urn:schemas-microsoft-com:asm.v1
asm_v3=urn:schemas-microsoft-com:asm.v3
level="//$(element requestedExecutionLevel $asm_v3)"
expect "the execution level" "$level/@level" asInvoker
expect "UI access" "$level/@uiAccess" false
settings="//$(element application $asm_v3)/$(element windowsSettings $asm_v3)"
expect "dpiAware" "$settings/$(element dpiAware http://schemas.microsoft.com/SMI/2005/WindowsSettings)" \
  true/pm
expect "dpiAwareness" \
  "$settings/$(element dpiAwareness http://schemas.microsoft.com/SMI/2016/WindowsSettings)" \
  "PerMonitorV2, PerMonitor"
controls="//$(element dependency $asm_v1)/$(element dependentAssembly $asm_v1)"
controls+="/$(element assemblyIdentity $asm_v1)"
expect "the dependency's name" "$controls/@name" Microsoft.Windows.Common-Controls
expect "its version" "$controls/@version" 6.0.0.0
expect "its type" "$controls/@type" win32
expect "its processor" "$controls/@processorArchitecture" '*'
expect "its public key token" "$controls/@publicKeyToken" 6595b64144ccf1df
expect "its language" "$controls/@language" '*'
[ "$failures" -eq 0 ] || exit 1
echo "manifest 1: asInvoker, per-monitor DPI awareness, Common Controls 6"
