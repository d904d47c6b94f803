# Sourced by the picture and expected-output test runners: makes the case's own folder
# OUTPUT.work afresh, puts the command's arguments in `arguments` with @WORK@ standing for that
# folder, and goes to the examples folder, where every case runs.
#     prepare_case OUTPUT EXAMPLES ARGS...
prepare_case() {
    work=$1.work
    local examples=$2
    shift 2
    rm -rf "$work"
    mkdir -p "$work"
    arguments=()
    for argument in "$@"; do
        arguments+=("${argument//@WORK@/$work}")
    done
    cd "$examples"
}
