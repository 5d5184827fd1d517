#!/usr/bin/env bash
# Checks that includes point down the layers: the core libraries (model, storage, calc, game) include no
# Qt header, each folder includes only from itself and the folders below it, and nothing but the window
# and its tests and benchmarks include from ui/. Inside ui/, the shared kit includes only itself, the keeper of
# the gene set only the kit, each part of the window the kit, the keeper and itself, and only the main window
# in ui/window/ puts the parts together.
# Names every include that breaks a rule, with file and line, and fails.
set -euo pipefail
cd "$(dirname "$0")/.."

# The folders of our own each folder may include from; ui/ and tests/ may include from any (but of the tests
# only tests/gui/ from ui/); the window's benchmarks in bench/ui/ measure ui/ and may include it.
declare -A allowed=([model]="model" [storage]="model storage" [calc]="model calc" [game]="game"
                    [tools]="model storage calc tools" [bench]="model storage calc bench")
ours=" model storage calc game ui tools tests bench "
core=" model storage calc game "
# The folders of ui/: the kit every part uses, the keeper of the gene set in memory, the parts of the window
# (the Gene management tab shows the pictures' strip), and the window that holds them.
declare -A uiAllowed=([kit]="kit" [geneset]="kit geneset" [about]="kit about" [animals]="kit geneset animals"
                      [calculation]="kit geneset calculation" [genes]="kit geneset pictures genes"
                      [pictures]="kit geneset pictures" [plan]="kit geneset plan" [puzzle]="kit puzzle")
uiFolders=" kit geneset about animals calculation genes pictures plan puzzle window "

broken=0
while IFS=: read -r file line text; do
  [[ $text =~ include[[:space:]]*[\<\"]([^\>\"]+) ]] || continue
  included=${BASH_REMATCH[1]}
  folder=${file%%/*}
  top=${included%%/*}
  problem=""
  if [[ $core == *" $folder "* && $included =~ ^(Q|q[a-z]+\.h) ]]; then
    problem="the core libraries include no Qt header"
  elif [[ $file == bench/ui/* && $top == ui ]]; then
    :
  elif [[ $included == */* && $ours == *" $top "* && -n ${allowed[$folder]:-} &&
          " ${allowed[$folder]} " != *" $top "* ]]; then
    problem="$folder/ may include only from ${allowed[$folder]// //, }/"
  elif [[ $top == ui && $folder != ui && $file != tests/gui/* && $file != bench/ui/* ]]; then
    problem="only ui/, tests/gui/ and bench/ui/ include from ui/"
  elif [[ $folder == ui && $file != */*/* ]]; then
    problem="every file of ui/ lives in one of its folders:$uiFolders"
  elif [[ $folder == ui ]]; then
    part=${file#ui/}
    part=${part%%/*}
    included_part=${included#ui/}
    included_part=${included_part%%/*}
    if [[ $uiFolders != *" $part "* ]]; then
      problem="ui/$part/ is no folder of ui/:$uiFolders"
    elif [[ $top == ui && -n ${uiAllowed[$part]:-} && " ${uiAllowed[$part]} " != *" $included_part "* ]]; then
      problem="ui/$part/ may include from ui/ only ${uiAllowed[$part]// /\/, }/"
    fi
  fi
  if [[ -n $problem ]]; then
    echo "layering broken: $file:$line includes $included; $problem"
    broken=1
  fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include' --include='*.h' --include='*.cpp' \
           model storage calc game ui tools tests bench)
((broken == 0)) && echo "layering: every include points down"
exit "$broken"
