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

# Some virtual machines run 64-bit user code only: there 32-bit Wine cannot start at all.
host_runs_32bit() { /lib/ld-linux.so.2 --version >/dev/null 2>&1; }

# The preset of the game this host can run: the 32-bit one, or the 64-bit one where it cannot.
runnable_preset() { if host_runs_32bit; then echo win32; else echo win64; fi; }
