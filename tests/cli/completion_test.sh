#!/usr/bin/env bash
# The bash completion offers every command that cardwise-cli --help lists, and the words of the
# commands that take them.
#   completion_test.sh CARDWISE_CLI COMPLETION_FILE
set -euo pipefail
cli=$1
source "$2"

# The words offered for the command line typed so far (the last word is the one completed).
offered() {
  COMP_WORDS=(cardwise-cli "$@")
  COMP_CWORD=$#
  COMPREPLY=()
  _cardwise_cli
  echo "${COMPREPLY[*]}"
}

expect() {  # expect WORD OFFERED CONTEXT
  [[ " $2 " == *" $1 "* ]] || { echo "not offered after '$3': $1 (offered: $2)" >&2; exit 1; }
}

commands=$("$cli" --help | sed -n '/^commands:/,/^$/s/^  \([a-z][a-z-]*\).*/\1/p')
[[ -n $commands ]] || { echo "no commands in --help" >&2; exit 1; }
for command in $commands --ini --version; do
  expect "$command" "$(offered '')" ""
done
expect rounds "$(offered --ini x.ini export '')" "export"
expect --output "$(offered export stats 2025 '')" "export stats 2025"
expect hcp "$(offered recalc h)" "recalc h"
expect unload "$(offered demo '')" "demo"
expect --all-tours "$(offered make-pages --all-rounds '')" "make-pages"
[[ -z $(offered recalc events '') ]] || { echo "recalc takes one word" >&2; exit 1; }
expect result "$(offered knockout '')" "knockout"
expect --players "$(offered knockout create CUP '')" "knockout create CUP"
expect random "$(offered knockout create CUP --seeding '')" "knockout create CUP --seeding"
echo "completion ok"
