# Sourced by the scripts that start Windows programs under Wine.
# Debian's `wine` wrapper takes the 32-bit loader whenever wine32 is installed, even where the
# host cannot run it, so 64-bit programs go to the 64-bit loader directly.

# wine_loader win32|win64: the command that starts a Windows program of that architecture.
wine_loader() {
    case $1 in
    win32) echo wine ;;
    win64) command -v wine64 || echo /usr/lib/wine/wine64 ;;
    *) echo "unknown Wine architecture: $1" >&2; return 1 ;;
    esac
}

# Debian's Wine comes without its preloader, the program that claims the addresses Wine must
# have before anything else is placed. Linux starts a program's heap at random in the 1 GiB
# after its code, and the loader's code lies 48 MiB below the page Wine maps for the data every
# process shares: about one start in 8,000 (the heap's first 132 KiB in 1 GiB) found the heap on
# that page and ended at once, with status 1 and no word under WINEDEBUG=-all.
# with_fixed_layout "$0" "$@" runs the calling script again without that randomisation, which
# every program it starts inherits, where the host allows it; elsewhere it returns at once.
with_fixed_layout() {
    (( 0x$(cat /proc/self/personality) & 0x40000 )) && return 0
    setarch "$(uname -m)" --addr-no-randomize true 2>/dev/null &&
        exec setarch "$(uname -m)" --addr-no-randomize "$@"
    return 0
}

# Some virtual machines run 64-bit user code only: there 32-bit Wine cannot start at all. The
# kernel is asked directly, before any 32-bit library is installed, with the smallest i386
# program there is: an ELF header, one program header, and exit(0).
host_runs_32bit() {
    local probe status elf
    elf='\177ELF\1\1\1\0\0\0\0\0\0\0\0\0\2\0\3\0\1\0\0\0\124\200\4\10\64\0\0\0'
    elf+='\0\0\0\0\0\0\0\0\64\0\40\0\1\0\0\0\0\0\0\0\1\0\0\0\0\0\0\0\0\200\4\10'
    elf+='\0\200\4\10\135\0\0\0\135\0\0\0\5\0\0\0\0\20\0\0\270\1\0\0\0\61\333\315\200'
    probe=$(mktemp) || return 1
    printf "$elf" >"$probe"
    chmod +x "$probe"
    "$probe" 2>/dev/null
    status=$?
    rm -f "$probe"
    return $status
}

# The preset of the game this host can run: the 32-bit one, or the 64-bit one where it cannot.
runnable_preset() { if host_runs_32bit; then echo win32; else echo win64; fi; }
