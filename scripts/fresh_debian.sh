# What the checks on a fresh machine share (sourced by check_fresh_machine.sh and
# check_source_package.sh): a minimal Debian 12 made by debootstrap, and a script run in it as root.

# The minutes and seconds since START (a value of SECONDS).
elapsed() { printf '%d min %d s' $(((SECONDS - $1) / 60)) $(((SECONDS - $1) % 60)); }

# make_fresh_debian FOLDER: a minimal Debian 12 in FOLDER that reaches the network.
make_fresh_debian() {
    local root=$1
    echo "== debootstrap --variant=minbase bookworm $root"
    debootstrap --variant=minbase bookworm "$root" >"$root.debootstrap.log" 2>&1 ||
        { tail -20 "$root.debootstrap.log" >&2; return 1; }
    rm "$root.debootstrap.log"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
}

# run_in_fresh_debian FOLDER SCRIPT [NAME=VALUE...]: runs the bash SCRIPT as root in the machine
# in FOLDER, with nothing in the environment but the path, the home folder and the NAME=VALUE
# given, and no locale. SCRIPT stops at its first failure and finds apt's lists up to date.
run_in_fresh_debian() {
    local root=$1 script
    script="set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
$2"
    shift 2
    # A mount namespace of its own: the mounts end with it, whatever happens inside.
    unshare --mount --propagation private bash -euc '
        root=$1
        shift
        mount -t proc proc "$root/proc"
        mount -t sysfs sysfs "$root/sys"
        for dir in /dev /dev/pts /dev/shm; do mount --bind "$dir" "$root$dir"; done
        exec env -i "$@"
    ' check "$root" PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
        "$@" /usr/sbin/chroot "$root" /bin/bash -c "$script"
}
