# Sourced by the Wine wrappers: a private prefix for the project, created once.
# QUILLORA_WINEPREFIX overrides the location (default: build/wineprefix in the work tree).

quillora_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${QUILLORA_WINEPREFIX:-$quillora_root/build/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# Creating the prefix takes a while and must not race when ctest runs tests in parallel.
# With --virtual-desktop every window opens in a 1024x768 Wine desktop: with no window manager
# on Xvfb that gives deterministic activation and frames, and exit codes still pass through.
quillora_prepare_prefix() {
    local marker="$WINEPREFIX/.quillora-ready-2"
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$marker" ]; then
            wineboot --init >/dev/null 2>&1
            wineserver -w
            # Chinese captions need a CJK font linked to the GUI fonts under any LANG; Micro Hei
            # stays legible at the GUI font's small size.
            local font='wqy-microhei.ttc,WenQuanYi Micro Hei'
            local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
            for face in Tahoma 'MS Shell Dlg' 'MS Shell Dlg 2' 'Microsoft Sans Serif' SimSun; do
                wine reg add "$key" /v "$face" /t REG_MULTI_SZ /d "$font" /f >/dev/null 2>&1
            done
            if [ "${1:-}" = --virtual-desktop ]; then
                wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
                wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f \
                    >/dev/null 2>&1
            fi
            wineserver -w
            touch "$marker"
        fi
    ) 9>"$WINEPREFIX.lock"
}
