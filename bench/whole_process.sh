#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Times whole processes side by side: the program printing from its command
# line, the floor (bench/print_floor.cpp: a minimal Qt program drawing the
# same page into a PDF), and the command-line calendar printers that do a
# related job (remind | rem2pdf, pcal | ps2pdf) when they are installed. Each case runs RUNS
# times (default 10); the median wall time, the peak resident memory of the
# largest process, the median CPU time (user + system, of all processes; less
# disturbed by a busy machine than the wall time) and the size of the PDF are
# reported. The peers' 100,000-note cases run LARGE_RUNS times (default 3).
# The program and the floor run interleaved, and the ratios of their median
# wall and CPU times are reported.
#
# Usage: bench/whole_process.sh [path/to/monthly-calendar [path/to/print_floor]]
# Needs ImageMagick's convert for the photo; /usr/bin/time (Debian: time)
# for the peak memory, which is left out without it.
set -euo pipefail

program=$(realpath "${1:-build-test/app/monthly-calendar}")
floor=$(realpath "${2:-$(dirname "$program")/../bench/print_floor}")
runs=${RUNS:-10}
large_runs=${LARGE_RUNS:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
# A script on a machine without a display.
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export HOME=$work CUPS_SERVER=$work/no-cups.sock

have() { command -v "$1" >/dev/null 2>&1; }

# Prints "median_ms peak_MB cpu_ms size_KB" for a shell command writing $out,
# run $3 times.
measure() {
    local command=$1 out=$2 count=$3 times=() cpus=() peak=0
    for _ in $(seq "$count"); do
        rm -f "$out"
        local start end kb cpu
        start=$(date +%s%N)
        if [[ -x /usr/bin/time ]]; then
            /usr/bin/time -f '%M %U %S' -o usage bash -c "$command" >/dev/null 2>>log
            read -r kb cpu < <(tail -n 1 usage | awk '{print $1, ($2 + $3) * 1000}')
        else
            bash -c "$command" >/dev/null 2>>log
            kb=0 cpu=0
        fi
        end=$(date +%s%N)
        times+=($(((end - start) / 1000)))
        cpus+=("$cpu")
        ((kb > peak)) && peak=$kb
    done
    local cpu_median
    cpu_median=$(printf '%s\n' "${cpus[@]}" | sort -n | awk '{a[NR]=$1} END {print (NR % 2 ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2)}')
    printf '%s\n' "${times[@]}" | sort -n | awk -v peak="$peak" -v cpu="$cpu_median" \
        -v size="$(stat -c %s "$out" 2>/dev/null || echo 0)" '
        { a[NR] = $1 }
        END {
            median = NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2
            printf "%8.1f ms %8.1f MB %8.0f ms %8d KB", median / 1000, peak / 1024, cpu, size / 1024
        }'
}

row() {
    printf '%-44s %s\n' "$1" "$(measure "$2" "$3" "${4:-$runs}")"
}

# Prints "wall_us cpu_ms" of one run of a command writing out.pdf (run
# without a shell; its CPU time to the microsecond, unlike time(1)'s).
run_once() {
    rm -f out.pdf
    python3 - "$1" 2>>log <<'PY'
import resource, shlex, subprocess, sys, time
def cpu():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime
before = cpu()
start = time.monotonic()
subprocess.run(shlex.split(sys.argv[1]), stdout=subprocess.DEVNULL, stderr=sys.stderr)
wall = time.monotonic() - start
print(int(wall * 1e6), (cpu() - before) * 1000)
PY
}

median() {
    sort -n | awk '{a[NR]=$1} END {print (NR % 2 ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2)}'
}

# The program's command against the floor's, run alternately $runs times:
# both medians and their ratios.
versus() {
    local name=$1 ours=$2 theirs=$3 a=() b=()
    for _ in $(seq "$runs"); do
        a+=("$(run_once "$ours")")
        b+=("$(run_once "$theirs")")
    done
    local wall_a cpu_a wall_b cpu_b
    wall_a=$(printf '%s\n' "${a[@]}" | cut -d' ' -f1 | median)
    cpu_a=$(printf '%s\n' "${a[@]}" | cut -d' ' -f2 | median)
    wall_b=$(printf '%s\n' "${b[@]}" | cut -d' ' -f1 | median)
    cpu_b=$(printf '%s\n' "${b[@]}" | cut -d' ' -f2 | median)
    awk -v n="$name" -v wa="$wall_a" -v ca="$cpu_a" -v wb="$wall_b" -v cb="$cpu_b" 'BEGIN {
        printf "%-44s %8.1f ms %8.1f ms cpu | floor %8.1f ms %8.1f ms cpu | x %.2f wall, x %.2f cpu\n",
            n, wa / 1000, ca, wb / 1000, cb, wa / wb, (cb > 0 ? ca / cb : 0)
    }'
}

# The garden-club page: the worked example of a control file.
garden() {
    printf 'YER 2004\r\nMON 3\r\nHDR Garden Club Calendar\r\nNOT Meetings at the hall\r\nNOT Bring a plate\r\n'
    printf 'MSG Happy Spring\r\nDAY 17 Planting day\r\nBIR 3/17/1950 Grandfather\r\nDTM 2 3 Committee\r\n'
}
garden >garden.txt
{ garden; printf 'PIC %s/tulips.jpg\r\n' "$work"; } >garden-photo.txt
convert -size 4000x3000 plasma:fractal -quality 90 tulips.jpg
cat >garden.rem <<'REM'
REM 17 Mar 2004 MSG Planting day
REM 17 Mar 2004 MSG Grandfather is 76
REM Tue 8 Mar 2004 MSG Committee
REM
printf '3/17/2004 Planting day\n3/17/2004 Grandfather is 76\n3/9/2004 Committee\n' >garden.pcal

# 100,000 notes, spread over the days of one month.
awk 'BEGIN { printf "YER 2004\r\nMON 3\r\n"; for (i = 0; i < 99998; i++) printf "DAY %d Note number %d\r\n", i % 31 + 1, i }' >large.txt
awk 'BEGIN { for (i = 0; i < 100000; i++) printf "REM %d Mar 2004 MSG Note number %d\n", i % 31 + 1, i }' >large.rem
awk 'BEGIN { for (i = 0; i < 100000; i++) printf "3/%d/2004 Note number %d\n", i % 31 + 1, i }' >large.pcal

echo "whole process, median of $runs; $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "against the floor, $runs interleaved runs each:"
versus "garden club, one month" "'$program' --print garden.txt --output out.pdf" "'$floor' out.pdf"
versus "garden club + 4000x3000 JPEG" "'$program' --print garden-photo.txt --output out.pdf" \
    "'$floor' out.pdf tulips.jpg"
echo
printf '%-44s %11s %11s %11s %11s\n' case time peak cpu PDF
row "garden club, one month (monthly-calendar)" "'$program' --print garden.txt --output out.pdf" out.pdf
if have remind && have rem2pdf; then
    row "garden club, one month (remind | rem2pdf)" "remind -pp1 garden.rem 1 Mar 2004 | rem2pdf >out.pdf" out.pdf
fi
if have pcal && have ps2pdf; then
    row "garden club, one month (pcal | ps2pdf)" "pcal -f garden.pcal 3 2004 | ps2pdf - out.pdf" out.pdf
fi
row "garden club + 4000x3000 JPEG" "'$program' --print garden-photo.txt --output out.pdf" out.pdf
row "twelve months, same JPEG on each" \
    "'$program' --print --year 2027 --header 'Garden Club' --picture tulips.jpg --output out.pdf" out.pdf
row "100,000-line control file, one page" "'$program' --print large.txt --output out.pdf" out.pdf
if have remind && have rem2pdf; then
    row "100,000 notes (remind | rem2pdf)" "remind -pp1 large.rem 1 Mar 2004 | rem2pdf >out.pdf" out.pdf "$large_runs"
fi
if have pcal; then
    row "100,000 notes (pcal, PostScript only)" "pcal -f large.pcal 3 2004 >out.pdf" out.pdf "$large_runs"
fi
