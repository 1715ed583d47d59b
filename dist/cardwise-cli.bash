# bash completion for cardwise-cli: commands, their words and flags, and file names after
# --ini, --output and import-dx's kind.

_cardwise_cli() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
  local command="" words="" i
  local -i argument=0
  case $prev in
    --ini | --output)
      COMPREPLY=($(compgen -f -- "$cur"))
      return
      ;;
    --seeding)
      COMPREPLY=($(compgen -W "listed handicap random" -- "$cur"))
      return
      ;;
  esac
  # The command and how many of its words come before the cursor.
  for ((i = 1; i < COMP_CWORD; i++)); do
    case ${COMP_WORDS[i]} in
      --ini | --output | --players | --group | --start | --interval | --order | --seed) ((i++)) ;;
      -*) ;;
      *) if [[ -z $command ]]; then command=${COMP_WORDS[i]}; else argument+=1; fi ;;
    esac
  done
  case $command in
    "") words="--ini --help --version check recalc import-dx demo make-pages publish export handicap knockout draw cards" ;;
    recalc) ((argument == 0)) && words="events tours hcp" ;;
    demo) ((argument == 0)) && words="load unload" ;;
    make-pages) words="--long-names --short-names --all-rounds --all-players --all-events --all-tours --publish" ;;
    publish) words="--dry-run --verify" ;;
    handicap) words="--as-of" ;;
    export) words="--output"; ((argument == 0)) && words+=" results standings stats rounds handicaps knockout draw" ;;
    knockout)
      case ${COMP_WORDS[2]:-} in
        create) words="--name --players --seeding --seed --course --allowance" ;;
        result) words="--force" ;;
      esac
      ((argument == 0)) && words="create result show"
      ;;
    draw) words="--players --group --start --interval --order --seed --two-tees --shotgun"
      [[ $prev == --order ]] && words="listed handicap random balanced" ;;
    cards) words="--output" ;;
    import-dx)
      if ((argument == 1)); then
        COMPREPLY=($(compgen -f -- "$cur"))
        return
      fi
      ((argument == 0)) && words="courses players events rounds"
      ;;
  esac
  COMPREPLY=($(compgen -W "$words" -- "$cur"))
}
complete -F _cardwise_cli cardwise-cli
