# Sums a GNU ld map's input sections by group (our folders, bzip2, the C++
# and C runtimes, import stubs, resources) and output section (scripts/size-table.sh).
function group(file) {
    if (file ~ /libqm_package_data\.a/) return "(streams)"
    if (match(file, /libqm_[a-z0-9]+\.a/)) return substr(file, RSTART + 6, RLENGTH - 8) "/"
    if (file ~ /quillmark_setup\.dir\/objects\.a\(.*\.res\)/) return "resources"
    if (file ~ /quillmark_setup\.dir/) return "app/"
    if (file ~ /libbz2\.a/) return "bzip2"
    if (file ~ /libstdc\+\+|libsupc\+\+/) return "libstdc++"
    if (file ~ /libgcc/) return "libgcc"
    if (file ~ /_delay\.a|lib(kernel32|msvcrt|moldname)\.a/) return "imports"
    if (file == "dll") return "relocations"  # the linker's own "dll stuff"
    if (file ~ /libuuid/) return "libuuid"
    return "mingw CRT"
}
function hex(s,   v, i) {
    s = tolower(substr(s, 3)); v = 0
    for (i = 1; i <= length(s); i++) v = v * 16 + index("0123456789abcdef", substr(s, i, 1)) - 1
    return v
}
function member(file) { sub(/.*\//, "", file); return file }
function add(file, size) {
    if (size == 0 || out == "") return
    g = group(file); bytes[g, out] += size; total[g] += size; sections[out] = 1
    if (g != "(streams)") { byfile[member(file)] += size; inexe += size }
}
/^[.A-Za-z]/ { out = ($1 ~ /^\.(text|data|rdata|pdata|xdata|bss|idata|CRT|tls|rsrc|reloc|eh_frame)$/) ? $1 : ""; pending = ""; next }
/^ \.[^ ]+ *$/ { pending = $1; next }
pending != "" && /^ +0x/ { add($3, hex($2)); pending = ""; next }
/^ \.[^ ]+ +0x[0-9a-f]+ +0x[0-9a-f]+ / { add($4, hex($3)); pending = ""; next }
{ pending = "" }
END {
    n = split(".text .rdata .data .bss .pdata .xdata .idata .CRT .tls .rsrc .reloc .eh_frame", order, " ")
    line = sprintf("%-12s", "group"); for (i = 1; i <= n; i++) if (order[i] in sections) line = line sprintf("%9s", order[i])
    print line sprintf("%9s", "total")
    cmd = "sort -k1,1"
    for (g in total) {
        line = sprintf("%-12s", g)
        for (i = 1; i <= n; i++) if (order[i] in sections) line = line sprintf("%9d", bytes[g, order[i]])
        print line sprintf("%9d", total[g]) | cmd
    }
    close(cmd)
    printf "input sections beside the streams: %d bytes = %.1f KiB (without file alignment)\n", inexe, inexe / 1024
    print "biggest object files:"
    cmd = "sort -rn | head -n 12"
    for (f in byfile) printf "%9d  %s\n", byfile[f], f | cmd
    close(cmd)
}
