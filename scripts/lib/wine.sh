# Sourced by the scripts that run the Windows build under Wine on a private X server (xvfb.sh).
# use_wine sets $wine and $wineserver to whichever of Debian's commands is installed, exports
# the prefix build-windows/wineprefix and Wine's settings, and ends Wine's processes in that
# prefix when the script exits.
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
first_command() {  # the first of the given commands that exists (a name or a path)
    for c in "$@"; do command -v "$c" 2>/dev/null && return 0; done
    return 1
}
use_wine() {
    wine=$(first_command wine wine64 wine-stable /usr/lib/wine/wine64 /usr/lib/wine/wine) ||
        { echo "no wine command (package wine64)" >&2; return 1; }
    wineserver=$(first_command wineserver wineserver-stable /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver) ||
        { echo "no wineserver (package wine64)" >&2; return 1; }
    # No Mono or Gecko: the prefix is made without asking to download them.
    export WINEPREFIX=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build-windows/wineprefix \
        WINEDLLOVERRIDES="mscoree,mshtml="
    on_exit '"$wineserver" -k 2>/dev/null'
}
