# bash completion of compattatore-cli: the commands, each command's options,
# and the files each one takes (descriptions, compiled files, folders).
# Installed as share/bash-completion/completions/compattatore-cli.

_compattatore_cli_opzioni() {
  case "$1" in
    compile)   echo "-o --route --train --no-plan --keep-going --json --help" ;;
    check)     echo "--route --train --no-plan --json --help" ;;
    export)    echo "--help" ;;
    inspect)   echo "--json --help" ;;
    plot)      echo "-o --route --train --from-files --help" ;;
    decompile) echo "-o --keep-going --help" ;;
    fmt)       echo "--check --in-place --help" ;;
    lsp)       echo "--stdio --help" ;;
    explain)   echo "--list --lang --help" ;;
  esac
}

_compattatore_cli() {
  local cur prev comandi comando i
  cur="${COMP_WORDS[COMP_CWORD]}"
  prev="${COMP_WORDS[COMP_CWORD-1]}"
  comandi="compile check export inspect plot decompile fmt lsp explain"

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

  case "$prev" in
    --lang) mapfile -t COMPREPLY < <(compgen -W "it en" -- "$cur"); return ;;
    --route|--train) COMPREPLY=(); return ;;
    -o)
      if [[ "$comando" == plot ]]; then
        mapfile -t COMPREPLY < <(compgen -f -X '!*.svg' -- "$cur"; compgen -d -- "$cur")
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

  if [[ "$cur" == -* ]]; then
    mapfile -t COMPREPLY < <(compgen -W "$(_compattatore_cli_opzioni "$comando")" -- "$cur")
    return
  fi

  case "$comando" in
    compile|check|plot|fmt)
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
