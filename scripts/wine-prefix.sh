# Sourced by the Wine wrappers: a private prefix for the project, created once.
# QUILLORA_WINEPREFIX overrides the location (default: build/wineprefix in the work tree).

quillora_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${QUILLORA_WINEPREFIX:-$quillora_root/build/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# Creating the prefix takes a while and must not race when ctest runs tests in parallel.
quillora_prepare_prefix() {
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.quillora-ready" ]; then
            wineboot --init >/dev/null 2>&1
            wineserver -w
            # Chinese captions need a CJK font linked to the GUI fonts under any LANG.
            local font='wqy-zenhei.ttc,WenQuanYi Zen Hei'
            local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
            for face in Tahoma 'MS Shell Dlg' 'MS Shell Dlg 2' 'Microsoft Sans Serif' SimSun; do
                wine reg add "$key" /v "$face" /t REG_MULTI_SZ /d "$font" /f >/dev/null 2>&1
            done
            wineserver -w
            touch "$WINEPREFIX/.quillora-ready"
        fi
    ) 9>"$WINEPREFIX.lock"
}
