#!/usr/bin/env bash
# Lists every status number that stands as a bare literal where a status is
# meant, outside the catalogue (model/stato.hpp), as file:line: text.
# Usage: tools/stati_nudi.sh [FOLDER...]   (default: readers output cli fuzz tests)
# Exit 0 when nothing is found, 1 otherwise.
#
# The rule, applied to C++ sources (*.cpp, *.hpp) with comments, string and
# character literals blanked out, flags an integer literal used as a status:
#   - compared with, assigned to or given as the default of a status member
#     (codice_errore, arresto, rifiuto): `codice_errore = 15`, `0 != arresto`;
#   - expected to equal or differ from one in a test, the member being
#     codice_errore, arresto, rifiuto, codice or the result of numero():
#     `EXPECT_EQ(s.codice_errore, 15)`, `ASSERT_NE(0, e.arresto)`;
#   - looked up by number: `stato_di(25)`;
#   - 1250 or 1251 anywhere (the numbered error stops).
# The literal 0 counts where it stands for a status (Stato::nessuno says it).
# Numbers elsewhere (cells, metres, field values, process exit codes) are left
# alone. The catalogue's own files (stato.hpp, stato.cpp, stato_test.cpp) are
# where the numbers belong and are not read. A status column of a test table
# escapes the line rule: give it the type Stato and the compiler refuses a
# literal there.
set -euo pipefail
cd "$(dirname "$0")/.."
cartelle=("$@")
[ ${#cartelle[@]} -eq 0 ] && cartelle=(readers output cli fuzz tests)
trovati=$(find "${cartelle[@]}" -type f \( -name '*.cpp' -o -name '*.hpp' \) \
    ! -name stato.hpp ! -name stato.cpp ! -name stato_test.cpp | sort | xargs -r perl -ne '
    BEGIN { $blocco = 0; }
    my $riga = $_;
    my $t = $_;
    # Block comments that span lines.
    if ($blocco) { if ($t =~ s{^.*?\*/}{}) { $blocco = 0; } else { next; } }
    $t =~ s{/\*.*?\*/}{ }g;
    if ($t =~ s{/\*.*$}{}) { $blocco = 1; }
    # String and character literals, then line comments.
    $t =~ s{"(?:[^"\\]|\\.)*"}{""}g;
    $t =~ s{\x27(?:[^\x27\\]|\\.)*\x27}{\x27\x27}g;
    $t =~ s{//.*$}{};
    my $m = qr/\b(?:codice_errore|arresto|rifiuto)\b/;
    my $n = qr/(?<![\w.])-?\d+(?![\w.])/;
    my $nudo = 0;
    $nudo = 1 if $t =~ /$m\s*(?:==|!=|=)\s*$n/ || $t =~ /$n\s*(?:==|!=)\s*[\w.>-]*$m/;
    my $d = qr/(?:\b(?:codice_errore|arresto|rifiuto|codice)\b|\bnumero\([^()]*\))/;
    $nudo = 1 if $t =~ /(?:EXPECT|ASSERT)_(?:EQ|NE)\(\s*[^,;]*$d[^,;]*,\s*$n\s*\)/;
    $nudo = 1 if $t =~ /(?:EXPECT|ASSERT)_(?:EQ|NE)\(\s*$n\s*,[^;]*$d/;
    $nudo = 1 if $t =~ /\bstato_di\(\s*$n/;
    $nudo = 1 if $t =~ /(?<![\w.])125[01](?![\w.])/;
    print "$ARGV:$.: $riga" if $nudo;
    close ARGV if eof;
' || true)
if [ -n "$trovati" ]; then
    printf '%s\n' "$trovati"
    echo "stati_nudi: $(printf '%s\n' "$trovati" | wc -l) bare status literal(s); use the names of model/stato.hpp" >&2
    exit 1
fi
echo "stati_nudi: no bare status literal in ${cartelle[*]}"
