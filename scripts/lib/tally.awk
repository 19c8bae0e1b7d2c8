# Adds up one tree's test results from ctest's JUnit file (ctest --output-junit).
# A test program that prints "mirevo-tally: P passed, F failed, S skipped" (every
# program built with mirevo_add_test does) counts by its test cases; any other ctest
# entry counts as one test. Skips are listed with the reason the test gave in a
# "mirevo-skip: name: reason" line.
#   awk -v tree=host -v ci=true -f tally.awk results.xml
# Prints the tree's report, then a last line "TOTALS passed failed skipped".
function attr(line, name,    pattern, value) {
    pattern = name "=\"[^\"]*\""
    if (!match(line, pattern)) return ""
    value = substr(line, RSTART + length(name) + 2, RLENGTH - length(name) - 3)
    return value
}
function unescape(text) {
    gsub(/&lt;/, "<", text); gsub(/&gt;/, ">", text); gsub(/&quot;/, "\"", text)
    gsub(/&apos;/, "'", text); gsub(/&amp;/, "\\&", text)
    return text
}
BEGIN { passed = 0; failed = 0; skipped = 0; entries = 0 }
/<testcase / {
    name = attr($0, "name"); status = attr($0, "status")
    skipMessage = ""; hasTally = 0; reasons = 0; entries++
}
/<skipped message="/ { skipMessage = attr($0, "message") }
/mirevo-tally: [0-9]+ passed, [0-9]+ failed, [0-9]+ skipped/ {
    match($0, /mirevo-tally: [0-9]+ passed, [0-9]+ failed, [0-9]+ skipped/)
    split(substr($0, RSTART, RLENGTH), part, /[ ,]+/)
    tallyPassed = part[2] + 0; tallyFailed = part[4] + 0; tallySkipped = part[6] + 0
    hasTally = 1
}
/mirevo-skip: / {
    line = substr($0, index($0, "mirevo-skip: ") + 13)
    skips[++skipCount] = unescape(line)
    reasons++
}
/<\/testcase>/ {
    if (hasTally) {
        passed += tallyPassed; failed += tallyFailed; skipped += tallySkipped
        if (status != "run" && tallyFailed == 0) {
            failed++
            failures[++failureCount] = name " (the program failed outside its test cases)"
        } else if (tallyFailed > 0) {
            failures[++failureCount] = name " (" tallyFailed " failed)"
        }
    } else if (status == "run") {
        passed++
    } else if (status == "notrun" && (skipMessage ~ /^SKIP_/ || skipMessage == "Disabled")) {
        skipped++
        if (reasons == 0) {
            skips[++skipCount] = name ": (no reason given)"
            if (ci == "true") { failed++; failures[++failureCount] = name " (skipped without a reason on CI)" }
        }
    } else {
        failed++
        failures[++failureCount] = name (skipMessage != "" ? " (" skipMessage ")" : "")
    }
}
END {
    printf "%s: %d passed, %d failed, %d skipped (%d ctest entries)\n", tree, passed, failed, skipped, entries
    for (i = 1; i <= skipCount; i++) printf "  skipped %s\n", skips[i]
    for (i = 1; i <= failureCount; i++) printf "  FAILED %s\n", failures[i]
    printf "TOTALS %d %d %d %d\n", passed, failed, skipped, entries
}
