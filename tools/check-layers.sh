#!/usr/bin/env bash
# Fails when a folder of src/ includes a header of a folder above it. The layers, lowest first
# (docs/how-it-works.md says what each holds); folders on one line are peers and include
# neither each other nor anything above them.
set -euo pipefail
SRC=${1:-$(cd "$(dirname "$0")/.." && pwd)/src}

declare -A LEVEL=(
  [win]=0
  [platform]=1
  [net]=2
  [config]=3 [switching]=3
  [ui]=4
  [apply]=5 [update]=5
  [app]=6
)

status=0
for dir in "$SRC"/*/; do
  from=$(basename "$dir")
  if [ -z "${LEVEL[$from]+x}" ]; then
    echo "check-layers: src/$from has no place in the layer list (tools/check-layers.sh)" >&2
    status=1
    continue
  fi
  while IFS=: read -r file line text; do
    to=$(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([a-z]+)\/.*/\1/p' <<<"$text")
    [ -n "$to" ] && [ "$to" != "$from" ] || continue
    rel=${file#"$SRC"/}
    if [ -z "${LEVEL[$to]+x}" ]; then
      echo "src/$rel:$line: includes $to/, which has no place in the layer list" >&2
      status=1
    elif [ "${LEVEL[$to]}" -ge "${LEVEL[$from]}" ]; then
      echo "src/$rel:$line: $from/ must not include $to/ (the layers run win < platform < net < config, switching < ui < apply, update < app)" >&2
      status=1
    fi
  done < <(grep -rHnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z]+/' "$dir" || true)
done
exit $status
