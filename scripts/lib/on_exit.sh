# Sourced: on_exit COMMAND runs COMMAND when the script exits, the last registered first, each
# whatever the others do; the script keeps its own exit code.
if [ -z "${on_exit_commands+set}" ]; then
    on_exit_commands=()
    trap 'for exit_command in "${on_exit_commands[@]}"; do eval "$exit_command" || true; done' EXIT
fi
on_exit() { on_exit_commands=("$1" "${on_exit_commands[@]}"); }
