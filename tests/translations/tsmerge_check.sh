#!/bin/bash
# Folds a small extraction into three language files and checks that the
# merge tool keeps what translators wrote: plural forms survive a refold, a
# text whose key changed comes back unfinished, every language gets its own
# number of plural forms, and the Chinese file keeps only finished wordings.
set -euo pipefail
tool=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

header='<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>'
cat >"$dir/extracted.ts" <<EOF
$header
<TS version="2.1">
<context>
    <name>sorbeta::Catalog</name>
    <message numerus="yes">
        <source>%n 项</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>清理 &amp; 扫描</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新的 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开</source>
        <comment>file</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开</source>
        <comment>switch</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
EOF
cat >"$dir/sorbeta_en.ts" <<EOF
$header
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>Sorbeta</name>
    <message numerus="yes">
        <source>%n 项</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n items</numerusform>
        </translation>
    </message>
    <message>
        <source>清理 &amp; 扫描</source>
        <translation>Clean &amp; Scan</translation>
    </message>
    <message>
        <source>旧的 %1</source>
        <translation>Old %1</translation>
    </message>
    <message>
        <source>打开</source>
        <comment>switch</comment>
        <translation>Turn On</translation>
    </message>
</context>
</TS>
EOF
cat >"$dir/sorbeta_zh_Hans.ts" <<EOF
$header
<TS version="2.1" language="zh_Hans" sourcelanguage="zh_CN">
<context>
    <name>Sorbeta</name>
    <message numerus="yes">
        <source>%n 项</source>
        <translation>
            <numerusform>%n 个</numerusform>
        </translation>
    </message>
</context>
</TS>
EOF

"$tool" "$dir/extracted.ts" "$dir/sorbeta_en.ts" "$dir/sorbeta_zh_Hans.ts" "$dir/sorbeta_ar.ts" >/dev/null
cp "$dir/sorbeta_en.ts" "$dir/en.first"
"$tool" "$dir/extracted.ts" "$dir/sorbeta_en.ts" "$dir/sorbeta_zh_Hans.ts" "$dir/sorbeta_ar.ts" >/dev/null
cmp -s "$dir/en.first" "$dir/sorbeta_en.ts" || fail "a second fold changed the English file"

en=$(cat "$dir/sorbeta_en.ts")
grep -q '<numerusform>%n items</numerusform>' <<<"$en" || fail "English plural forms were lost"
grep -q '<translation>Clean &amp; Scan</translation>' <<<"$en" || fail "an unchanged text lost its translation"
grep -q 'Old %1' <<<"$en" && fail "a text no longer in the code was kept"
grep -A1 '<source>新的 %1</source>' <<<"$en" | grep -q 'type="unfinished"></translation>' ||
  fail "a changed key did not come back unfinished"
grep -A2 '<comment>switch</comment>' <<<"$en" | grep -q 'Turn On' || fail "a disambiguated text lost its translation"
grep -A2 '<comment>file</comment>' <<<"$en" | grep -q 'unfinished' || fail "two meanings of one key were merged"

ar=$(cat "$dir/sorbeta_ar.ts")
[ "$(grep -c '<numerusform></numerusform>' <<<"$ar")" = 6 ] || fail "Arabic needs six empty plural forms"
[ "$(grep -c '<message' <<<"$ar")" = 5 ] || fail "the Arabic file does not list every text"

zh=$(cat "$dir/sorbeta_zh_Hans.ts")
[ "$(grep -c '<message' <<<"$zh")" = 1 ] || fail "the Chinese file holds more than its finished wordings"
grep -q '<numerusform>%n 个</numerusform>' <<<"$zh" || fail "a Chinese plural wording was lost"

if [ -n "${2:-}" ]; then
  "$2" -silent "$dir/sorbeta_ar.ts" -qm "$dir/ar.qm" 2>"$dir/lrelease.err" || fail "lrelease rejected the Arabic file"
  [ ! -s "$dir/lrelease.err" ] || fail "lrelease warned: $(cat "$dir/lrelease.err")"
fi
echo "ok"
