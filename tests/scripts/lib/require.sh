# Sourced by the script checks. A check whose tools are missing cannot run: it exits
# 77, which CTest reports as skipped (SKIP_RETURN_CODE), never as a pass.

# require_command TOOL...: each tool on PATH (or an existing executable path).
require_command() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "skipped: $tool is not installed"
            exit 77
        fi
    done
}

# require_python_module MODULE...: each module importable by /usr/bin/python3.
require_python_module() {
    require_command /usr/bin/python3
    local module
    for module in "$@"; do
        if ! /usr/bin/python3 -c "import $module" >/dev/null 2>&1; then
            echo "skipped: the python3 module $module is not installed"
            exit 77
        fi
    done
}
