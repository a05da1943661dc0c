#!/bin/sh
# The process measurements of velaskin-cli, each next to what it is measured
# against in the same run (hyperfine, medians and CPU time), and peak memory
# (GNU time). Skins of 1k, 100k and 500k records (about the most filler
# records an 8 MiB skin file, the largest a load takes, holds) and of 100 MB
# of pictures are generated into a temporary folder, removed afterwards.
#
# usage: bench/processes.sh BUILD_FOLDER   (run from the data folder, as make bench does)
set -e
build=$(cd "$1" && pwd)
cli=$build/src/cli/velaskin-cli
runs=${PROCESS_RUNS:-20}
if ! command -v hyperfine >/dev/null 2>&1; then
    echo "processes.sh: hyperfine is not installed; process measurements skipped"
    exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
for records in 1000 100000 500000; do
    "$build/bench/make_scaled_skin" "$work/r$records" S "$records" >/dev/null
done
"$build/bench/make_scaled_skin" "$work/pictures" P 1000 100 >/dev/null
"$build/bench/make_scaled_skin" "$work/setting" Q 1000 105 >/dev/null
cp "$work/r1000/S.ski" "$work/setting/small.gif" # any bytes will do as a picture

# compare NAME COMMAND REFERENCE: both timed in one hyperfine run.
compare() {
    hyperfine -N --warmup 3 --runs "$runs" --export-json "$work/h.json" "$2" "$3" >/dev/null 2>&1 || {
        echo "$1: a command failed"; return 0; }
    python3 - "$1" "$work/h.json" <<'PY'
import json, sys
a, b = json.load(open(sys.argv[2]))["results"]
cpu = lambda r: (r["user"] + r["system"]) * 1000
print(f"{sys.argv[1]:44s} {a['median']*1000:8.2f} ms vs {b['median']*1000:8.2f} ms = {a['median']/b['median']:5.2f}x"
      f"   (CPU {cpu(a):7.2f} vs {cpu(b):7.2f} ms = {cpu(a)/cpu(b):5.2f}x)")
PY
}

# peak NAME COMMAND...: the largest resident size of one run, in MB.
peak() {
    name=$1
    shift
    /usr/bin/time -f "%M" -o "$work/peak" "$@" >/dev/null 2>&1 || true
    printf '%-44s peak %6.1f MB\n' "$name" "$(awk '{print $1 / 1024}' "$work/peak")"
}

echo "== velaskin-cli as a process: medians of $runs runs (wall) and CPU time"
compare "info (shipped skin) / Qt-free load" "$cli info Default/Vela/Vela.ski" "$build/bench/load_skin_only Default/Vela/Vela.ski"
compare "render (shipped skin) / Qt PNG writer" "$cli render Default/Vela/Vela.ski $work/screen.png" "$build/bench/write_png_only $work/plain.png"
for records in 1000 100000 500000; do
    compare "check / info, $records records" "$cli check $work/r$records/S.ski" "$cli info $work/r$records/S.ski"
done
echo "== peak memory"
peak "info, 500000 records" "$cli" info "$work/r500000/S.ski"
peak "check, 500000 records" "$cli" check "$work/r500000/S.ski"
peak "info, 100 MB of pictures" "$cli" info "$work/pictures/P.ski"
printf '%-44s %6.1f MB data file\n' "picture set, 105 MB data file" "$(du -m "$work/setting/Q.dat" | cut -f1)"
peak "picture set, 105 MB data file" "$cli" picture set "$work/setting/Q.ski" 7 "$work/setting/small.gif"
