# Sourced by the shell tests: require_tools TOOL... ends the test as skipped
# (exit 77, the tests' SKIP_RETURN_CODE) when a tool is not installed.
require_tools() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "$tool is not installed (scripts/install-deps.sh installs it); skipping" >&2
            exit 77
        fi
    done
}
