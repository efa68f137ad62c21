# bash completion of compattatore-cli: the commands, each command's options,
# and the files each one takes (descriptions, compiled files, folders).
# Installed as share/bash-completion/completions/compattatore-cli.

_compattatore_cli_opzioni() {
  case "$1" in
    compile)   echo "-o --keep-going --route --train --no-plan --json --sarif --max-errors --color -W -w --input-encoding --watch --lang --help" ;;
    check)     echo "--route --train --no-plan --json --sarif --max-errors --color -W -w --input-encoding --watch --lang --help" ;;
    export)    echo "--force --lang --help" ;;
    inspect)   echo "--json --lang --help" ;;
    plot)      echo "-o --route --train --from-files --from --to --watch --lang --help" ;;
    view)      echo "-o --route --train --from-files --from --to --lang --help" ;;
    decompile) echo "-o --keep-going --lang --help" ;;
    fmt)       echo "--check --in-place --lang --help" ;;
    lsp)       echo "--stdio --lang --help" ;;
    explain)   echo "--list --lang --help" ;;
  esac
}

# The warning classes -W takes: the classes without a status number, less
# those that refuse a scenario, and "error".
_compattatore_cli_avvisi() {
  compattatore-cli explain --list 2>/dev/null |
    awk '$1 == "-" && $2 != "encoding-unmappable" && $2 != "train-without-general" && $2 != "text-too-long" { print $2 }'
  echo error
}

_compattatore_cli() {
  local cur prev opzione comandi comando i
  cur="${COMP_WORDS[COMP_CWORD]}"
  prev="${COMP_WORDS[COMP_CWORD-1]}"
  comandi="compile check export inspect plot view decompile fmt lsp explain"

  # The command: the first word that is not a global option or its value.
  comando=""
  i=1
  while (( i < COMP_CWORD )); do
    case "${COMP_WORDS[i]}" in
      --lang) (( i += 2 )); continue ;;
      -*) (( i += 1 )); continue ;;
      *) comando="${COMP_WORDS[i]}"; break ;;
    esac
  done

  # "--color=al" comes as the words "--color" "=" "al".
  opzione=$prev
  if [[ "$cur" == "=" ]]; then
    cur=""
  elif [[ "$prev" == "=" ]] && (( COMP_CWORD >= 2 )); then
    opzione="${COMP_WORDS[COMP_CWORD-2]}"
  fi

  case "$opzione" in
    --lang) mapfile -t COMPREPLY < <(compgen -W "it en" -- "$cur"); return ;;
    --color) mapfile -t COMPREPLY < <(compgen -W "auto always never" -- "$cur"); return ;;
    --input-encoding) mapfile -t COMPREPLY < <(compgen -W "utf-8 windows-1252" -- "$cur"); return ;;
    -W)
      mapfile -t COMPREPLY < <(compgen -W "$(_compattatore_cli_avvisi | sed 'p; s/^/no-/')" -- "$cur")
      return ;;
    --route|--train|--max-errors|--from|--to) COMPREPLY=(); return ;;
    --sarif) mapfile -t COMPREPLY < <(compgen -f -- "$cur"); return ;;
    -o)
      if [[ "$comando" == plot ]]; then
        mapfile -t COMPREPLY < <(compgen -f -X '!*.svg' -- "$cur"; compgen -d -- "$cur")
      elif [[ "$comando" == view ]]; then
        mapfile -t COMPREPLY < <(compgen -f -X '!*.html' -- "$cur"; compgen -d -- "$cur")
      else
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
      fi
      return ;;
  esac

  if [[ -z "$comando" ]]; then
    if [[ "$cur" == -* ]]; then
      mapfile -t COMPREPLY < <(compgen -W "--help --version --lang" -- "$cur")
    else
      mapfile -t COMPREPLY < <(compgen -W "$comandi" -- "$cur")
    fi
    return
  fi

  # A class joined to -W: -Worder, -Wno-order, -Werror.
  if [[ "$cur" == -W* ]] && [[ " $(_compattatore_cli_opzioni "$comando") " == *" -W "* ]]; then
    mapfile -t COMPREPLY < <(compgen -W "-W $(_compattatore_cli_avvisi | sed 'p; s/^/no-/' | sed 's/^/-W/')" -- "$cur")
    return
  fi
  if [[ "$cur" == -* ]]; then
    mapfile -t COMPREPLY < <(compgen -W "$(_compattatore_cli_opzioni "$comando")" -- "$cur")
    return
  fi

  # The compiled files, in place of the descriptions.
  for (( i = 1; i < COMP_CWORD; i++ )); do
    [[ "${COMP_WORDS[i]}" == --from-files ]] && comando=inspect
  done

  case "$comando" in
    compile|check|plot|view|fmt)
      mapfile -t COMPREPLY < <(compgen -f -X '!*.txt' -- "$cur"; compgen -d -- "$cur") ;;
    inspect|decompile)
      mapfile -t COMPREPLY < <(compgen -f -X '!*.dat' -- "$cur"; compgen -f -X '!*.sim' -- "$cur"; compgen -d -- "$cur") ;;
    export)
      mapfile -t COMPREPLY < <(compgen -d -- "$cur") ;;
    explain)
      mapfile -t COMPREPLY < <(compgen -W "$(compattatore-cli explain --list 2>/dev/null | awk '{ print ($1 == "-" ? "" : $1), $2 }')" -- "$cur") ;;
    *)
      COMPREPLY=() ;;
  esac
}

complete -o filenames -F _compattatore_cli compattatore-cli
